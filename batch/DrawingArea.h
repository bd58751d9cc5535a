#pragma once
// The drawing area when there is no window to measure (the headless program, a run before
// the window is shown): the frame's size less the menu bar, toolbar and status bar.
#include "settings/ViewSettings.h"

#include <utility>

namespace vellum {

// The frame's size at start-up: 780 x 560 pixels at the origin.
inline constexpr WindowEdges kInitialFrameEdges{780, 0, 0, 560, 1};
// Height the menu bar, toolbar and status bar take from the frame.
inline constexpr int kFrameBarsHeight = 80;

// Width and height of the drawing area of a frame with these edges (a look file's WINDOW
// may have set them). Edges that leave no area, or one beyond 16384 pixels a side, give
// the area of the start-up frame.
std::pair<int, int> drawingAreaOfFrame(const WindowEdges& frame);

} // namespace vellum
