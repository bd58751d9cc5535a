#pragma once
// A renderer that writes in the Japanese Gothic face, on an 800 x 600 headless picture,
// and the screen place of a point of the screen-fixed frame.
#include "GlTestSupport.h"

#include "tests/support/RecordingUi.h"
#include "render/TextRenderer.h"

#include <cmath>

namespace vellum::testing {

class TextScene : public RendererFixture {
protected:
    static constexpr int kWidth = 800, kHeight = 600;
    TextScene() : RendererFixture(kWidth, kHeight, true) {}

    void SetUp() override {
        RendererFixture::SetUp();
        if (!text().hasFont()) GTEST_SKIP() << "no Japanese face installed";
        dataSet_ = quadSheet(1, 1, 0.0, [](double x, double) { return x + 0.5; });
        settings_.MODE = 4;
        settings_.graph.WIREMODE = 0;
    }
    TextRenderer& text() { return *renderer_.text(); }

    // Pixel of a point of the frame after the look-at only (world units).
    static int screenX(double x) { return kWidth / 2 + int(std::lround(x * kPixelsPerWorldUnit)); }
    static int screenY(double y) { return kHeight / 2 - int(std::lround(y * kPixelsPerWorldUnit)); }

    // Pixels in the rectangle that are not white.
    static int inkIn(const RgbImage& image, int x0, int y0, int x1, int y1) {
        int ink = 0;
        for (int y = std::max(0, y0); y <= std::min(image.height - 1, y1); ++y)
            for (int x = std::max(0, x0); x <= std::min(image.width - 1, x1); ++x) {
                const uint8_t* p = image.at(x, y);
                if (p[0] != 255 || p[1] != 255 || p[2] != 255) ++ink;
            }
        return ink;
    }

    // Thin lines land on one of two pixel rows or columns: the darkest pixel within one
    // pixel of (x, y) must be close to `expected`.
    void expectLineNear(const RgbImage& image, int x, int y, Rgb expected, int tolerance = 60) {
        int bestX = x, bestY = y, best = 1 << 30;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const uint8_t* p = image.at(x + dx, y + dy);
                const int distance = std::abs(p[0] - expected.red) + std::abs(p[1] - expected.green) +
                                     std::abs(p[2] - expected.blue);
                if (distance < best) best = distance, bestX = x + dx, bestY = y + dy;
            }
        expectPixel(image, bestX, bestY, expected, tolerance);
    }

    // Mean column of the ink in the rows y0..y1, or -1 when there is none.
    static double inkCentreX(const RgbImage& image, int y0, int y1) {
        double sum = 0.0;
        int count = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = 0; x < image.width; ++x) {
                const uint8_t* p = image.at(x, y);
                if (p[0] != 255 || p[1] != 255 || p[2] != 255) sum += x, ++count;
            }
        return count == 0 ? -1.0 : sum / count;
    }

    RecordingUi ui_;
};

} // namespace vellum::testing
