#include "settings/SheetPageRules.h"

#include "common/Codes.h"
#include "common/Numbers.h"
#include "common/Texts.h"

namespace vellum {

std::vector<KindEntry> graphKinds(int dataType) {
    switch (dataType) {
    case kNodeValues:
        return {{TX("グラデーション"), kGraphGradation}, {TX("等高線"), kGraphContour}, {TX("ポイント"), kGraphPoints},
                {TX("ワイヤーフレーム"), kGraphWireframe}};
    case kElementValues: return {{TX("要素塗りつぶし"), kGraphGradation}, {TX("ワイヤーフレーム"), kGraphWireframe}};
    case kVectorData:
        return {{TX("グラデーション"), kGraphGradation}, {TX("等高線"), kGraphContour}, {TX("ポイント"), kGraphPoints},
                {TX("ベクトル"), kGraphVectors}, {TX("ワイヤーフレーム"), kGraphWireframe}};
    default: return {{TX("ワイヤーフレーム"), kGraphWireframe}};
    }
}

std::vector<KindEntry> projectionKinds(int dataType) {
    std::vector<KindEntry> kinds = graphKinds(dataType);
    kinds.push_back({TX("表示しない"), kGraphNone});
    return kinds;
}

int kindPosition(const std::vector<KindEntry>& kinds, int code) {
    int position = code;
    if (code == kGraphWireframe || code == kGraphNone) {
        position = -1;
        for (size_t i = 0; i < kinds.size(); ++i)
            if (kinds[i].code == code) position = static_cast<int>(i);
    }
    return position >= 0 && static_cast<size_t>(position) < kinds.size() ? position : -1;
}

int kindCode(const std::vector<KindEntry>& kinds, int position) {
    if (position < 0 || static_cast<size_t>(position) >= kinds.size()) return kinds.front().code;
    return kinds[static_cast<size_t>(position)].code;
}

StylePageEnables stylePageEnables(const SheetFacts& facts, bool perpendicularsChecked) {
    // A solid's faces are its outer surface: there is no axis-3 value to choose, nothing
    // to drop perpendiculars from and no flat projection.
    const bool sheet = facts.shape != kSolidShape;
    StylePageEnables e;
    e.axis3Sources = {sheet, sheet, sheet && facts.dataType != kNoDataFile};
    e.perpendiculars = sheet;
    e.fillBetween = sheet && facts.dataType == kElementValues;
    e.perpendicularLine = sheet && perpendicularsChecked;
    e.projection = sheet;
    return e;
}

OptionPageEnables optionPageEnables(int dataType, bool projection, const OptionModes& modes) {
    OptionPageEnables e;
    const bool nodeWise = dataType == kNodeValues || dataType == kVectorData;
    e.wireGraphColours = nodeWise;
    e.contourGroup = nodeWise;
    e.pointGroup = nodeWise;
    e.vectorGroup = dataType == kVectorData;
    // Colour buttons follow their mode alone, also in a group the data type switches off.
    e.wireColour = modes.wire == 2;
    e.contourColour = modes.contour == 1;
    e.pointColour = modes.point == 1;
    e.vectorColour = modes.vector == 1;
    // The projection's vectors take the graph's length.
    e.vectorLength = e.vectorGroup && !projection;
    return e;
}

ColourPageEnables colourPageEnables(int shape, int graphMapIndex, int projectionMapIndex) {
    constexpr int kUserTwo = 9, kUserThree = 10;
    ColourPageEnables e;
    const bool three = graphMapIndex == kUserThree || projectionMapIndex == kUserThree;
    const bool two = graphMapIndex == kUserTwo || projectionMapIndex == kUserTwo;
    e.graphInvert = !three && !two;
    e.minimum = e.maximum = three || two;
    e.middle = three;
    e.projectionMap = shape != kSolidShape;
    return e;
}

std::string gridInitialText(const SheetForm& form, int axis, bool maximum) {
    const SheetFacts& facts = form.facts();
    const auto a = static_cast<size_t>(axis);
    double value = maximum ? facts.maximum[a] : facts.minimum[a];
    if (axis == 2) {
        switch (form.pendingAxis3Source) {
        case kDimFlat: value = 0.0; break;
        case kDimDataValue: value = maximum ? facts.columnMaximum : facts.columnMinimum; break;
        default: break;
        }
    }
    return formatC("%G", value);
}

bool legendRangeEnabled(const SheetFacts& facts) { return facts.dataType != kNoDataFile; }

std::string legendDataText(const SheetFacts& facts, bool maximum) {
    if (!legendRangeEnabled(facts)) return TX("データ情報はありません");
    return formatC("%G", maximum ? facts.columnMaximum : facts.columnMinimum);
}

} // namespace vellum
