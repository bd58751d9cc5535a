#pragma once

namespace vellum {

// Three components 0 to 255; OpenGL receives each divided by 255.
struct RGBColor {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const RGBColor&, const RGBColor&) = default;
};

} // namespace vellum
