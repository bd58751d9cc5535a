#pragma once
// Drawing large sets of triangles on a software rasteriser with those that light no pixel
// centre left out: the picture is the same, and a million-node mesh drawn into a window
// hands the rasteriser a fraction of its triangles. Culling is then most of the drawing
// thread's work while the rasteriser's own threads wait for it, so a large set is culled
// on a helper thread a chunk at a time while the drawing thread draws the chunks already
// culled, in order.
#include "common/HandOff.h"
#include "render/PixelCentres.h"
#include "render/PixelOutline.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace vellum {

// Triangles from which culling runs on a helper thread.
inline constexpr size_t kCullOnHelperFrom = 2 * 65536;
// Triangles culled and drawn as one piece.
inline constexpr size_t kCulledChunkTriangles = 65536;

// With several samples a pixel a sliver may cover samples and no pixel centre, and
// culling would let the background show through: none of these cull then.
//
// The current transform when culling is worth its pass over the triangles: on a software
// rasteriser (hardware draws them all faster) without several samples a pixel.
std::optional<WindowMapping> cullingTransformNow();
// The pixel centres of the current view, or none with several samples a pixel.
std::optional<PixelCentres> singleSampledPixelCentres();

// Appends the triangles of `indices` (three vertex indices each, into `positions` of
// `floats` 2 or 3 floats a vertex) that may light a pixel centre to `kept`, emptied first.
template <class Index>
void cullIndexedTriangles(const float* positions, size_t floats, const Index* indices, size_t indexCount,
                          const PixelCentres& culling, std::vector<Index>& kept) {
    kept.clear();
    // Reserved, not sized: only the pages the kept triangles reach are touched.
    kept.reserve(indexCount);
    for (size_t i = 0; i + 3 <= indexCount; i += 3) {
        const Index* t = indices + i;
        if (culling.mayLightPixel(positions + size_t{t[0]} * floats, positions + size_t{t[1]} * floats,
                                  positions + size_t{t[2]} * floats, floats))
            kept.insert(kept.end(), t, t + 3);
    }
}

// Calls `visit` with a function that takes each drawing step in order, and carries the
// steps out on this thread (which owns the context). With `onHelper`, `visit` runs on a
// helper thread, where the culling it does between steps goes on while this thread draws;
// at most `ahead` steps wait. Otherwise each step is carried out as it is given.
template <class Visit>
void drawCullingAhead(bool onHelper, size_t ahead, const Visit& visit) {
    if (!onHelper) {
        visit([](const std::function<void()>& step) { step(); });
        return;
    }
    HandOff handOff(ahead);
    handOff.run([&] { visit([&handOff](std::function<void()> step) { handOff.push(std::move(step)); }); });
}

} // namespace vellum
