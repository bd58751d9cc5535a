#include "model/ViewCommands.h"

#include "common/CommandIds.h"

namespace vellum {
namespace {

// The mode commands choose modes 0 to 14 in order; the selection zoom is mode 15.
constexpr int kFirstModeCommand = command::kMouseTurnAxes12;
constexpr int kSelectionZoomCommand = command::kSelectionZoom;
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
    case command::kIsometricView: look.DIGREE = {2100, 1800, 2130}; return true;
    case command::kPlane12View: look.DIGREE = {1800, 1800, 1800}; return true;
    case command::kPlane23View: look.DIGREE = {1710, 1800, 1710}; return true;
    case command::kPlane31View: look.DIGREE = {1890, 1890, 1800}; return true;
    case command::kTurnAxis1Plus:
    case command::kTurnAxis1Minus:
    case command::kTurnAxis2Plus:
    case command::kTurnAxis2Minus:
    case command::kTurnAxis3Plus:
    case command::kTurnAxis3Minus: {
        // Pairs of commands turn one axis each way by five degrees.
        const int axis = (id - command::kTurnAxis1Plus) / 2;
        int& angle = look.DIGREE[static_cast<size_t>(axis)];
        const int step = (id - command::kTurnAxis1Plus) % 2 == 0 ? 5 : -5;
        // Far from the int limits the offset keeps angles positive; a file's extreme angle
        // is taken modulo 360 first so a step never overflows.
        if (angle > 1'000'000'000 || angle < -1'000'000'000) angle %= 360;
        angle += step;
        return true;
    }
    case command::kZoomIn: look.SCALE123 += 0.02; return true;
    case command::kZoomOut: look.SCALE123 -= 0.02; return true;
    default: return false;
    }
}

} // namespace vellum
