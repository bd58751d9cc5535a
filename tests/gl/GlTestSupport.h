#pragma once
// A headless context with a renderer, hand-made data sets in drawing coordinates, and
// pixel checks that save the picture when they fail.
#include "data/DataSet.h"
#include "render/Camera.h"
#include "render/HeadlessGlContext.h"
#include "render/Renderer.h"
#include "settings/ViewSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace vellum::testing {

struct Rgb {
    int red, green, blue;
};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};

// A sheet of nx x ny quadrilaterals over [-0.5, 0.5]^2 at height z; node t = value(x, y)
// in drawing coordinates. Column 0 runs from 0 to 1 and the legend range matches it.
DataSet quadSheet(int nx, int ny, double z, const std::function<double(double, double)>& value);
// One node at a drawing position, with value t.
NodeRecord nodeAt(double x, double y, double z, double t = 0.0);
// Statistics of one column from 0 to 1, so normalised values are data values.
void setUnitColumn(DataSet& dataSet);

// In the fixture's 400 x 300 pixels with the camera at rest, the graph's origin is at
// (200, 150) and one drawing unit is 280 pixels (1.5 x 560 / 3).
inline constexpr int kCx = 200, kCy = 150;
inline int px(double x) { return kCx + int(std::lround(x * 280.0)); }
inline int py(double y) { return kCy - int(std::lround(y * 280.0)); }

class RendererFixture : public ::testing::Test {
protected:
    // `withText`: the renderer writes in the Japanese Gothic face; else it draws no text.
    RendererFixture(int width = 400, int height = 300, bool withText = false);
    void SetUp() override;
    void TearDown() override;

    // Paints the scene and reads it back.
    RgbImage paint(int dataType, int shape = 0);
    // Checks a pixel (x to the right, y down from the top) within `tolerance` per channel;
    // on failure the picture is written to a PNG whose path the message names.
    void expectPixel(const RgbImage& image, int x, int y, Rgb expected, int tolerance = 6);
    void expectBackground(const RgbImage& image, int x, int y) { expectPixel(image, x, y, kWhite, 0); }
    // The first and last column of the row that differ from white, or -1.
    std::pair<int, int> paintedSpan(const RgbImage& image, int y) const;

    int width_, height_;
    HeadlessGlContext context_;
    ViewSettings settings_;
    DataSet dataSet_;
    Renderer renderer_; // released in TearDown while the context is still current
};

} // namespace vellum::testing
