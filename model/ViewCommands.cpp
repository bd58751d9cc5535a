#include "model/ViewCommands.h"

namespace vellum {
namespace {

// Commands 224 to 238 choose modes 0 to 14; 223 chooses the selection zoom, mode 15.
constexpr int kFirstModeCommand = 224;
constexpr int kSelectionZoomCommand = 223;
constexpr int kSelectionZoomMode = 15;

} // namespace

int mouseModeOf(int id) {
    if (id == kSelectionZoomCommand) return kSelectionZoomMode;
    if (id >= kFirstModeCommand && id < kFirstModeCommand + kSelectionZoomMode) return id - kFirstModeCommand;
    return -1;
}

int mouseModeCommand(int mode) {
    if (mode == kSelectionZoomMode) return kSelectionZoomCommand;
    return mode >= 0 && mode < kSelectionZoomMode ? kFirstModeCommand + mode : -1;
}

bool applyViewCommand(ViewSettings& look, int id) {
    if (const int mode = mouseModeOf(id); mode >= 0) {
        look.mouseMode = mode;
        return true;
    }
    switch (id) {
    case 201: look.DIGREE = {2100, 1800, 2130}; return true;
    case 202: look.DIGREE = {1800, 1800, 1800}; return true;
    case 203: look.DIGREE = {1710, 1800, 1710}; return true;
    case 204: look.DIGREE = {1890, 1890, 1800}; return true;
    case 205: case 206: case 207: case 208: case 209: case 210: {
        // Pairs of commands turn one axis each way by five degrees.
        const int axis = (id - 205) / 2;
        int& angle = look.DIGREE[static_cast<size_t>(axis)];
        const int step = (id - 205) % 2 == 0 ? 5 : -5;
        // Far from the int limits the offset keeps angles positive; a file's extreme angle
        // is taken modulo 360 first so a step never overflows.
        if (angle > 1'000'000'000 || angle < -1'000'000'000) angle %= 360;
        angle += step;
        return true;
    }
    case 265: look.SCALE123 += 0.02; return true;
    case 266: look.SCALE123 -= 0.02; return true;
    default: return false;
    }
}

} // namespace vellum
