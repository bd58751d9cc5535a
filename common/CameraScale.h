#pragma once
// The camera's fixed scales, shared by the drawing and by the arithmetic that moves the
// graph under the pointer, so that a move computed for the screen lands where it is drawn.

namespace vellum {

// The orthographic volume shows this many pixels per world unit in both directions,
// whatever the drawing area's size.
inline constexpr double kPixelsPerWorldUnit = 560.0 / 3.0;

// The graph is scaled by this factor times SCALE123 before POSITION moves it, so POSITION
// is in units of the scaled graph.
inline constexpr double kGraphZoomPerScale = 1.5;

// The change of POSITION that moves the graph by one pixel on screen at overall scale
// `scale123`.
inline double positionPerPixel(double scale123) {
    return 1.0 / (kPixelsPerWorldUnit * kGraphZoomPerScale * scale123);
}

} // namespace vellum
