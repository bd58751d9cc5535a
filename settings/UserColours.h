#pragma once
// The three colours of the user's own colour maps: minimum, middle and maximum.
#include "common/RGBColor.h"

namespace vellum {

struct UserColours {
    RGBColor ORIGN1{0, 0, 0};
    RGBColor ORIGN2{128, 128, 128};
    RGBColor ORIGN3{255, 255, 255};

    friend bool operator==(const UserColours&, const UserColours&) = default;
};

} // namespace vellum
