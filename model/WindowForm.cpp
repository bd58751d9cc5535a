#include "model/WindowForm.h"

#include "settings/SheetFields.h"

#include <algorithm>

namespace vellum {
namespace {

// A window system refuses windows larger than this, and the drawing buffer of one would
// not fit in memory.
constexpr int kLargestSide = 16384;
constexpr NumberRule kAnyInteger{true, false, 0.0, 0.0};

} // namespace

WindowForm::WindowForm(int width, int height, RGBColor background)
    : widthText_(std::to_string(width)), heightText_(std::to_string(height)), colour_(background),
      width_(width), height_(height) {}

std::string WindowForm::confirm() {
    const FieldRead width = readNumberField(kAnyInteger, widthText_);
    if (!width.value) return width.message;
    const FieldRead height = readNumberField(kAnyInteger, heightText_);
    if (!height.value) return height.message;
    width_ = static_cast<int>(*width.value);
    height_ = static_cast<int>(*height.value);
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
