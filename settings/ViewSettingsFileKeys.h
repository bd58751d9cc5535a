#pragma once
// The keys of the view settings file in the order they are written, each bound to the
// field it stores: the writer walks the list, the reader looks keys up in it.
#include "settings/SaveItemSelection.h"
#include "settings/ViewSettings.h"

#include <array>
#include <string_view>
#include <vector>

namespace vellum {

// PROBE and SERIES hold additions: readers that do not know it skip it, and it is written only
// when one of its settings is in use, so that a look without them is written as before.
enum class ViewFileSection { VERSION, GRAPH, GRAPH2, GRAPHPOSITION, COLOR, GRID, HANREI, ZAHYO, LABEL, PROBE, SERIES };
inline constexpr size_t kViewFileSectionCount = 11;
// The header lines, in the order written.
inline constexpr std::array<std::string_view, kViewFileSectionCount> kViewFileSectionHeaders{
    "[VERSION]", "[GRAPH]", "[GRAPH2]", "[GRAPHPOSITION]", "[COLOR]", "[GRID]", "[HANREI]", "[ZAHYO]", "[LABEL]",
    "[PROBE]", "[SERIES]"};

// An addition section is written only when `settings` uses it.
bool viewFileSectionInUse(ViewFileSection section, const ViewSettings& settings);

enum class ViewFileValueKind {
    Int,      // one integer; each value on the line applies in turn
    Real,     // one floating-point value; likewise
    Colour,   // three integers, applied only when all three are present, modulo 256
    Ints,     // `count` integers, k-th value to k-th component
    Reals,    // `count` floating-point values, likewise
    Range,    // minimum, then maximum: every value after the first sets the maximum
    GridOn,   // six flags, applied only when all six are present, each reduced to 0 or 1
    RestText, // the rest of the line after the key and its blank
    Names,    // `count` single-word texts
    LabelPos, // three floating-point values and an integer angle
    Window,   // right, left, top, bottom, show
};

struct ViewFileKey {
    ViewFileSection section;
    std::string_view key; // without the "="
    ViewFileValueKind kind;
    SaveItem item;
    bool always = false; // written whatever the selection says
    int* ints = nullptr;
    double* reals = nullptr;
    RGBColor* colour = nullptr;
    std::string* texts = nullptr;
    WindowEdges* window = nullptr;
    size_t count = 1;
};

// The keys bound to the fields of `settings` (the document values through its look) and
// the VERSION key bound to `version`.
std::vector<ViewFileKey> viewFileKeys(ViewSettings& settings, int& version);

} // namespace vellum
