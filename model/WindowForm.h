#pragma once
// The rules of the window dialog "Window設定", apart from its widgets: the frame's size
// as integer texts, the background colour, and where the frame goes on OK.
#include "common/RGBColor.h"
#include "settings/ViewSettingsFile.h"

#include <string>

namespace vellum {

class WindowForm {
public:
    WindowForm(int width, int height, RGBColor background);

    const std::string& widthText() const { return widthText_; }
    const std::string& heightText() const { return heightText_; }
    void setWidthText(std::string text) { widthText_ = std::move(text); }
    void setHeightText(std::string text) { heightText_ = std::move(text); }
    RGBColor colour() const { return colour_; }
    void setColour(RGBColor colour) { colour_ = colour; }

    // OK pressed: the message to show while the dialog stays open, or empty when both
    // sizes are integers.
    std::string confirm();

    // After confirm(): the frame at its corner (x, y) with the new size, or at (0, 0)
    // when that size reaches the right or the bottom edge of the work area. A size beyond
    // what a window can have is taken at the nearest it can (1 to 16384 pixels).
    FrameRect placement(int x, int y, int workAreaWidth, int workAreaHeight) const;

private:
    std::string widthText_, heightText_;
    RGBColor colour_;
    int width_ = 0, height_ = 0;
};

} // namespace vellum
