#include "model/WindowForm.h"

#include "common/Numbers.h"

#include <algorithm>

namespace vellum {
namespace {

// A window system refuses windows larger than this, and the drawing buffer of one would
// not fit in memory.
constexpr int kLargestSide = 16384;

} // namespace

WindowForm::WindowForm(int width, int height, RGBColor background)
    : widthText_(std::to_string(width)), heightText_(std::to_string(height)), colour_(background),
      width_(width), height_(height) {}

std::string WindowForm::confirm() {
    const std::optional<int32_t> width = parseWholeInt(widthText_);
    if (!width) return "Please enter an integer.";
    const std::optional<int32_t> height = parseWholeInt(heightText_);
    if (!height) return "Please enter an integer.";
    width_ = *width;
    height_ = *height;
    return {};
}

FrameRect WindowForm::placement(int x, int y, int workAreaWidth, int workAreaHeight) const {
    const int width = std::clamp(width_, 1, kLargestSide);
    const int height = std::clamp(height_, 1, kLargestSide);
    // The same rule as a look file's window size: the frame stays where it is only when
    // it fits.
    const WindowEdges edges{x + width, x, y, y + height, 1};
    return placeFrameWindow(edges, x, y, workAreaWidth, workAreaHeight);
}

} // namespace vellum
