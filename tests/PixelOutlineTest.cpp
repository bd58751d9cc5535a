// The light wireframe of a drag fitted to the pixels: which segments stay lines, which
// become one point per pixel, and which are left out.
#include "render/PixelOutline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vellum {
namespace {

TEST(PixelOutline, LongSegmentsStayLinesAndShortOnesLightEachPixelOnce) {
    // Window positions of eight vertices in a 10 x 10 viewport.
    const std::vector<float> xy{
        1.0f, 1.0f, 4.0f, 1.2f,   // 0-1: three pixels long
        5.1f, 5.1f, 5.6f, 5.8f,   // 2-3: inside pixel (5, 5)
        5.9f, 5.2f, 5.3f, 5.9f,   // 4-5: pixel (5, 5) again
        -3.0f, 2.0f, -0.7f, 9.0f, // 6-7: long, but left of the viewport beyond the margin
    };
    const std::vector<uint32_t> pairs{0, 1, 2, 3, 4, 5, 6, 7, 5, 2};
    PixelFitting fitting;
    fitting.width = 10;
    fitting.height = 10;
    PixelOutline out;
    std::vector<uint8_t> cells;
    fitOutlineToPixels(xy, pairs, fitting, out, cells);
    EXPECT_EQ(out.lines, (std::vector<uint32_t>{0, 1}));
    EXPECT_EQ(out.points, (std::vector<uint32_t>{2}));

    // A wider line reaches into the viewport from further out.
    fitting.margin = 1.0f;
    fitOutlineToPixels(xy, pairs, fitting, out, cells);
    EXPECT_EQ(out.lines, (std::vector<uint32_t>{0, 1, 6, 7}));

    // A pattern that starts with a gap lights nothing on a segment shorter than a pixel.
    fitting.shortSegmentsShow = false;
    fitOutlineToPixels(xy, pairs, fitting, out, cells);
    EXPECT_TRUE(out.points.empty());

    // Without pairs the vertices go two by two; a vertex past the end or not a number
    // is left out, as is a point outside the viewport.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<float> own{0.2f, 0.2f, 0.4f, 0.3f, nan, 1.0f, 3.0f, 3.0f, 10.2f, 3.0f, 10.4f, 3.1f};
    fitting.shortSegmentsShow = true;
    fitOutlineToPixels(own, {}, fitting, out, cells);
    EXPECT_TRUE(out.lines.empty());
    EXPECT_EQ(out.points, (std::vector<uint32_t>{0}));
    fitOutlineToPixels(own, {0, 99}, fitting, out, cells);
    EXPECT_TRUE(out.points.empty());
}

TEST(PixelOutline, WindowPositionsFollowTheMatricesAndTheViewport) {
    WindowMapping mapping;
    mapping.modelView = multiply(translationMatrix({0.5, 0.0, 0.0}), scaleMatrix(2.0));
    mapping.projection = identityMatrix();
    mapping.viewport = {0, 0, 200, 100};
    std::vector<float> xy;
    toWindow({0.0f, 0.0f, 0.0f, 0.25f, -0.5f, 3.0f}, mapping, xy);
    ASSERT_EQ(xy.size(), 4u);
    EXPECT_FLOAT_EQ(xy[0], 150.0f); // x 0.5 of the [-1, 1] range
    EXPECT_FLOAT_EQ(xy[1], 50.0f);
    EXPECT_FLOAT_EQ(xy[2], 200.0f);
    EXPECT_FLOAT_EQ(xy[3], 0.0f);
}

} // namespace
} // namespace vellum
