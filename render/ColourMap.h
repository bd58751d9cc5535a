#pragma once
// Turns a normalised data value into a colour. Every coloured piece of the picture goes
// through here: surfaces, filled elements, coloured lines, points, vectors, projection
// and the legend bar.
#include "settings/UserColours.h"

namespace vellum {

class DataSet;
class ViewSettings;

// Colour components in [0, 1].
struct Colour {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
};

// Column index that skips the re-mapping to the legend range: the value is used as is.
inline constexpr int kPlainValueColumn = 99;
// Colour-map code of plain white (the hidden-line fill).
inline constexpr int kWhiteColourCode = 200;

// The colour of map `code` at position t (0 the map's start, 1 its end). Components are
// clamped, so t outside [0, 1] saturates at the end colours.
Colour colourForCode(int code, double t, const UserColours& colours);

Colour colourOf(const RGBColor& rgb);

// One colour map bound to a data column: a value normalised within the column (0 at its
// minimum, 1 at its maximum) is first placed within the legend range MIN..MAX.
class ColourMap {
public:
    // The legend range and the user colours come from `settings`.
    ColourMap(int code, int column, const DataSet& dataSet, const ViewSettings& settings);
    Colour operator()(double t) const { return colourForCode(code_, scale_ * t + offset_, colours_); }
    // The position within the legend range that t maps to.
    double legendPosition(double t) const { return scale_ * t + offset_; }

private:
    int code_;
    double scale_ = 1.0, offset_ = 0.0;
    const UserColours& colours_;
};

} // namespace vellum
