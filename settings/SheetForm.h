#pragma once
// The settings sheet "視覚設定" apart from its widgets: the copy of the look its ten pages
// edit, the facts about the loaded data they are shown, the values the pages show in
// another form than the record stores them (rotation angles, colour maps), and the look
// that OK hands back.
#include "settings/ViewSettings.h"

#include <array>

namespace vellum {

class DataSet;

inline constexpr int kSheetPageCount = 10;

// Page indices, in tab order.
namespace sheetpage {
inline constexpr int kStyle = 0;
inline constexpr int kGraphOptions = 1;
inline constexpr int kProjectionOptions = 2;
inline constexpr int kPosition = 3;
inline constexpr int kColour = 4;
inline constexpr int kGrid = 5;
inline constexpr int kGridValues = 6;
inline constexpr int kLegend = 7;
inline constexpr int kAxes = 8;
inline constexpr int kLabels = 9;
} // namespace sheetpage

// The tab captions, in tab order; both option pages are "ｵﾌﾟｼｮﾝ".
const std::array<const char*, kSheetPageCount>& sheetPageCaptions();

// The page a command opens the sheet at: -1 for the settings command itself (144), which
// opens the page last confirmed, and for numbers that do not open the sheet.
int sheetPageOfCommand(int command);

// What the pages are told about the loaded data.
struct SheetFacts {
    int dataType = 0;
    int shape = 0;
    std::array<double, 3> minimum{}, maximum{}; // the model's extents along axes 1, 2, 3
    double columnMinimum = 0.0;                 // the selected data column's; 0 without data
    double columnMaximum = 0.0;
};

SheetFacts sheetFactsOf(const DataSet& dataSet, const ViewSettings& look, int dataType, int shape);

// A colour-map code as the colour page shows it.
struct ColourMapChoice {
    int index = 8; // 0 to 10
    int invert = 0;

    friend bool operator==(const ColourMapChoice&, const ColourMapChoice&) = default;
};
ColourMapChoice colourMapChoiceOf(int code);
int colourMapCodeOf(const ColourMapChoice& choice);

class SheetForm {
public:
    SheetForm(const ViewSettings& look, const SheetFacts& facts);

    const SheetFacts& facts() const { return facts_; }

    // The pages' fields. A page writes its controls here when it is left or confirmed; a
    // page never shown keeps what it was given.
    ViewSettings look;
    // Rotation angles about axes 1, 2, 3 as shown: whole degrees 0 to 359.
    std::array<int, 3> angles{};
    // The colour maps of graph and projection.
    ColourMapChoice graphMap, projectionMap;
    // The axis-3 value source as chosen on the style page before OK: the grid page's
    // initial-value buttons follow it at once.
    int pendingAxis3Source = 1;

    // OK pressed on page `activePage`: the look to apply, with the angles and colour maps
    // in their stored form and the sheet start page set.
    ViewSettings confirmed(int activePage) const;

private:
    SheetFacts facts_;
};

} // namespace vellum
