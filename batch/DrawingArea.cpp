#include "batch/DrawingArea.h"

namespace vellum {

std::pair<int, int> drawingAreaOfFrame(const WindowEdges& frame) {
    constexpr long long kMaxSide = 16384;
    // Edges come from files: take the differences wide so that they cannot wrap.
    const long long width = static_cast<long long>(frame.right) - frame.left;
    const long long height = static_cast<long long>(frame.bottom) - frame.top - kFrameBarsHeight;
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        return drawingAreaOfFrame(kInitialFrameEdges);
    return {static_cast<int>(width), static_cast<int>(height)};
}

} // namespace vellum
