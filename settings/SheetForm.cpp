#include "settings/SheetForm.h"

#include "common/Codes.h"
#include "common/CommandIds.h"
#include "common/Texts.h"
#include "data/DataSet.h"

namespace vellum {

const std::array<const char*, kSheetPageCount>& sheetPageCaptions() {
    static const std::array<const char*, kSheetPageCount> captions{
        TX("ｽﾀｲﾙ"), TX("ｵﾌﾟｼｮﾝ"), TX("ｵﾌﾟｼｮﾝ"), TX("ﾎﾟｼﾞｼｮﾝ"), TX("ｶﾗｰ"), TX("ｸﾞﾘｯﾄﾞ"), TX("グリッド値"), TX("凡例"), TX("軸"), TX("ﾗﾍﾞﾙ")};
    return captions;
}

int sheetPageOfCommand(int id) {
    switch (id) {
    case command::kPageStyle: return sheetpage::kStyle;
    case command::kPageOptions: return sheetpage::kGraphOptions;
    case command::kPagePosition: return sheetpage::kPosition;
    case command::kPageColour: return sheetpage::kColour;
    case command::kPageGrid: return sheetpage::kGrid;
    case command::kPageGridValues: return sheetpage::kGridValues;
    case command::kPageLegend: return sheetpage::kLegend;
    case command::kPageAxes: return sheetpage::kAxes;
    case command::kPageLabels: return sheetpage::kLabels;
    default: return -1;
    }
}

SheetFacts sheetFactsOf(const DataSet& dataSet, const ViewSettings& look, int dataType, int shape) {
    SheetFacts facts;
    facts.dataType = dataType;
    facts.shape = shape;
    facts.minimum = dataSet.minimum;
    facts.maximum = dataSet.maximum;
    const auto column = static_cast<size_t>(look.selectedColumn);
    if (dataType != kNoDataFile && look.selectedColumn >= 0 && column < dataSet.columnMinimum.size() &&
        column < dataSet.columnMaximum.size()) {
        facts.columnMinimum = dataSet.columnMinimum[column];
        facts.columnMaximum = dataSet.columnMaximum[column];
    }
    return facts;
}

ColourMapChoice colourMapChoiceOf(int code) { return ColourMapChoice{code / 2, code & 1}; }

int colourMapCodeOf(const ColourMapChoice& choice) { return 2 * choice.index + choice.invert; }

SheetForm::SheetForm(const ViewSettings& start, const SheetFacts& facts)
    : look(start), pendingAxis3Source(start.DIM), facts_(facts) {
    for (int axis = 0; axis < 3; ++axis) angles[static_cast<size_t>(axis)] = start.degrees(axis);
    graphMap = colourMapChoiceOf(start.colorMode);
    projectionMap = colourMapChoiceOf(start.colorMode2);
}

ViewSettings SheetForm::confirmed(int activePage) const {
    ViewSettings result = look;
    for (size_t axis = 0; axis < 3; ++axis) result.DIGREE[axis] = angles[axis] + 1800;
    result.colorMode = colourMapCodeOf(graphMap);
    result.colorMode2 = colourMapCodeOf(projectionMap);
    result.sheetStartPage = activePage;
    return result;
}

} // namespace vellum
