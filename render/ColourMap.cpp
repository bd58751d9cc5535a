#include "render/ColourMap.h"

#include "data/DataSet.h"
#include "settings/ViewSettings.h"

#include <algorithm>

namespace vellum {
namespace {

float clampUnit(double value) {
    // NaN (a value from an empty range) shows as the start colour rather than garbage.
    if (!(value > 0.0)) return 0.0f;
    return value < 1.0 ? static_cast<float>(value) : 1.0f;
}

Colour make(double red, double green, double blue) {
    return Colour{clampUnit(red), clampUnit(green), clampUnit(blue)};
}

// The four bands of the blue-green-red map; `reversed` runs from red to blue.
Colour rainbow(double t, bool reversed) {
    double red, green, blue;
    if (t <= 0.33) {
        red = 0.0, green = 3.333 * t, blue = 1.0;
    } else if (t <= 0.5) {
        red = 0.0, green = 1.0, blue = 2.941 - 5.882 * t;
    } else if (t <= 0.67) {
        red = 5.882 * t - 2.941, green = 1.0, blue = 0.0;
    } else {
        red = 1.0, green = 3.333 - 3.333 * t, blue = 0.0;
    }
    return reversed ? make(blue, green, red) : make(red, green, blue);
}

double lerp(int from, int to, double t) { return (from + t * (to - from)) / 255.0; }

Colour between(const RGBColor& from, const RGBColor& to, double t) {
    return make(lerp(from.red, to.red, t), lerp(from.green, to.green, t), lerp(from.blue, to.blue, t));
}

} // namespace

Colour colourOf(const RGBColor& rgb) { return make(rgb.red / 255.0, rgb.green / 255.0, rgb.blue / 255.0); }

Colour colourForCode(int code, double t, const UserColours& look) {
    switch (code) {
    case 0: return make(1 - t, 1 - t, 1 - t);
    case 1: return make(t, t, t);
    case 2: return make(1 - t, 0, 0);
    case 3: return make(t, 0, 0);
    case 4: return make(1, t, t);
    case 5: return make(1, 1 - t, 1 - t);
    case 6: return make(0, 0, 1 - t);
    case 7: return make(0, 0, t);
    case 8: return make(t, t, 1);
    case 9: return make(1 - t, 1 - t, 1);
    case 10: return make(0, 1 - t, 0);
    case 11: return make(0, t, 0);
    case 12: return make(t, 1, t);
    case 13: return make(1 - t, 1, 1 - t);
    case 14: return make(t, 0, 1 - t);
    case 15: return make(1 - t, 0, t);
    case 16: return rainbow(t, false);
    case 17: return rainbow(t, true);
    case 18:
    case 19: return between(look.ORIGN1, look.ORIGN3, t);
    case 20:
    case 21:
        return t < 0.5 ? between(look.ORIGN1, look.ORIGN2, 2 * t) : between(look.ORIGN2, look.ORIGN3, 2 * t - 1);
    case kWhiteColourCode: return make(1, 1, 1);
    default: return make(0, 0, 0);
    }
}

ColourMap::ColourMap(int code, int column, const DataSet& dataSet, const ViewSettings& look)
    : code_(code), colours_(look.userColours) {
    if (column == kPlainValueColumn || column < 0) return;
    const size_t c = static_cast<size_t>(column);
    if (c >= dataSet.columnRange.size() || c >= dataSet.columnMinimum.size()) return;
    // t * range + minimum is the data value; its place between MIN and MAX is the colour.
    // An empty legend range puts every value at the start instead of dividing by zero.
    const double legendRange = look.MAX - look.MIN;
    if (legendRange == 0.0) {
        scale_ = 0.0;
        offset_ = 0.0;
        return;
    }
    scale_ = dataSet.columnRange[c] / legendRange;
    offset_ = (dataSet.columnMinimum[c] - look.MIN) / legendRange;
}

} // namespace vellum
