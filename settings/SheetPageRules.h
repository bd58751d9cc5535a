#pragma once
// The rules of the settings sheet's pages that are not about widgets: which entries a list
// shows for the loaded data, how a list position maps to the stored code, which controls
// are available, and what the "初期値" buttons write.
#include "common/Texts.h"
#include "settings/SheetForm.h"

#include <array>
#include <string>
#include <vector>

namespace vellum {

// ---- Lists shared by the pages
inline constexpr std::array<const char*, 3> kLineStyleCaptions{TX("実線"), TX("短鎖線"), TX("長鎖線")};
inline constexpr std::array<const char*, 4> kValueStyleCaptions{TX("自動"), TX("整数"), TX("小数"), TX("指数")};
inline constexpr std::array<const char*, 11> kColourMapCaptions{
    TX("白→黒"), TX("赤→黒"), TX("白→赤"), TX("青→黒"), TX("白→青"), TX("緑→黒"), TX("白→緑"), TX("青→赤"), TX("青→緑→赤"), TX("任意の色で描画"),
    TX("任意の色で描画（中間色を用いる）")};

// ---- Style page: the graph and projection kinds
struct KindEntry {
    const char* caption;
    int code;
};
std::vector<KindEntry> graphKinds(int dataType);
std::vector<KindEntry> projectionKinds(int dataType);
// The list position a stored kind code selects: wireframe and "none" by their entries,
// any other code at the position of its own number; -1 when that lies beyond the list.
int kindPosition(const std::vector<KindEntry>& kinds, int code);
// The code a position stores; with nothing selected, the first entry's.
int kindCode(const std::vector<KindEntry>& kinds, int position);

struct StylePageEnables {
    std::array<bool, 3> axis3Sources{}; // flat, node file, data file
    bool perpendiculars = false;        // "節点から垂線をおろす"
    bool fillBetween = false;           // "垂線間を塗りつぶす"
    bool perpendicularLine = false;     // width, style and colour of the perpendiculars
    bool projection = false;            // projection kind and its hidden-line box
};
StylePageEnables stylePageEnables(const SheetFacts& facts, bool perpendicularsChecked);

// ---- Option pages (graph and projection)
inline constexpr const char* kGraphOptionsNote = TX("※　グラフの詳細を設定");
inline constexpr const char* kProjectionOptionsNote = TX("※　投影図の詳細を設定");

struct OptionModes {
    int wire = 2; // WIREMODE
    int contour = 0;
    int point = 0;
    int vector = 0;
};
struct OptionPageEnables {
    bool wireGraphColours = false; // the radio "現在のグラフ色に合わせる" of the wireframe
    bool wireColour = false;
    bool contourGroup = false;
    bool contourColour = false;
    bool pointGroup = false;
    bool pointColour = false;
    bool vectorGroup = false;
    bool vectorColour = false;
    bool vectorLength = false; // "ベクトル長を統一する" and "：ベクトル長"
};
OptionPageEnables optionPageEnables(int dataType, bool projection, const OptionModes& modes);

// ---- Colour page
struct ColourPageEnables {
    bool graphInvert = false;
    bool minimum = false, middle = false, maximum = false; // the user colour buttons
    bool projectionMap = false; // projection list and its invert box
};
ColourPageEnables colourPageEnables(int shape, int graphMapIndex, int projectionMapIndex);

// ---- Grid page
inline bool divisionRangeEnabled(bool followsGridSize) { return !followsGridSize; }
inline bool divisionCountsEnabled(int divisionLineStyle) { return divisionLineStyle == 0; }
inline bool divisionIntervalsEnabled(int divisionLineStyle) { return divisionLineStyle == 1; }
// What an "初期値" button of grid size or division range writes for axis 0..2: the
// model's extent, and for axis 3 what the pending axis-3 source draws there.
std::string gridInitialText(const SheetForm& form, int axis, bool maximum);

// ---- Legend page
bool legendRangeEnabled(const SheetFacts& facts);
// The data column's maximum or minimum as the page shows it and its "初期値" buttons copy.
std::string legendDataText(const SheetFacts& facts, bool maximum);

} // namespace vellum
