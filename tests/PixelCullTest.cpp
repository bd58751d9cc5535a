// Fill triangles that light no pixel are left out of a picture drawn once: the test must
// never drop a triangle that holds a pixel centre, and the batches must end where they
// would have ended with every triangle.
#include "render/ContourArrays.h"
#include "render/PixelCentres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vellum {
namespace {

constexpr std::array<double, 16> kIdentity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// glOrtho(0, width, 0, height, -1, 1) with an identity model-view: model x and y are
// window coordinates, so the pixel centres sit at (i + 0.5, j + 0.5).
PixelCentres windowCoordinates(int width, int height) {
    std::array<double, 16> ortho = kIdentity;
    ortho[0] = 2.0 / width;
    ortho[5] = 2.0 / height;
    ortho[12] = -1.0;
    ortho[13] = -1.0;
    return PixelCentres(kIdentity, ortho, {0, 0, width, height});
}

bool holdsCentreExactly(const float* a, const float* b, const float* c) {
    auto edge = [](const float* p, const float* q, double x, double y) {
        return (double(q[0]) - p[0]) * (y - p[1]) - (double(q[1]) - p[1]) * (x - p[0]);
    };
    const double minX = std::min({a[0], b[0], c[0]}), maxX = std::max({a[0], b[0], c[0]});
    const double minY = std::min({a[1], b[1], c[1]}), maxY = std::max({a[1], b[1], c[1]});
    for (double y = std::floor(minY) + 0.5; y <= maxY; y += 1.0)
        for (double x = std::floor(minX) + 0.5; x <= maxX; x += 1.0) {
            const double e0 = edge(a, b, x, y), e1 = edge(b, c, x, y), e2 = edge(c, a, x, y);
            if ((e0 >= 0 && e1 >= 0 && e2 >= 0) || (e0 <= 0 && e1 <= 0 && e2 <= 0)) return true;
        }
    return false;
}

TEST(PixelCentres, SkipsOnlyTrianglesClearOfEveryCentreInAnyTransform) {
    const PixelCentres window = windowCoordinates(100, 80);
    const float a[3] = {10.6f, 20.6f, 0}, b[3] = {10.9f, 20.6f, 0}, c[3] = {10.6f, 20.9f, 0};
    EXPECT_FALSE(window.mayLightPixel(a, b, c)); // inside one pixel, clear of its centre
    const float d[3] = {10.2f, 20.2f, 0}, e[3] = {10.8f, 20.2f, 0}, f[3] = {10.2f, 20.8f, 0};
    EXPECT_TRUE(window.mayLightPixel(d, e, f)); // holds the centre (10.5, 20.5)
    const float g[3] = {10.56f, 20.2f, 0}, h[3] = {10.9f, 20.2f, 0}, k[3] = {10.56f, 20.9f, 0};
    EXPECT_TRUE(window.mayLightPixel(g, h, k)); // a hair's breadth from it: kept to be safe
    // Its bounding box holds the centre, the triangle does not.
    const float m[3] = {10.1f, 20.9f, 0}, n[3] = {10.9f, 20.9f, 0}, o[3] = {10.9f, 20.4f, 0};
    EXPECT_FALSE(window.mayLightPixel(m, n, o));
    // Behind the eye the mapping is no plain one: kept.
    std::array<double, 16> perspective = kIdentity;
    perspective[11] = -1.0;
    perspective[15] = 0.0;
    const float ahead[3] = {0.1f, 0.1f, 1.0f};
    EXPECT_TRUE(PixelCentres(kIdentity, perspective, {0, 0, 10, 10}).mayLightPixel(ahead, ahead, ahead));

    // Every triangle that holds a centre is kept, in both windings and at every size, also
    // after a turn, a zoom and a shift of the model.
    std::mt19937 random(7);
    std::uniform_real_distribution<float> where(0.0f, 50.0f), size(-1.5f, 1.5f);
    const double turn = 0.3;
    const std::array<double, 16> modelView{std::cos(turn) * 1.7, std::sin(turn) * 1.7, 0, 0,
                                           -std::sin(turn) * 1.7, std::cos(turn) * 1.7, 0, 0, 0, 0, 1, 0,
                                           3.25, -1.5, 0, 1};
    std::array<double, 16> ortho = kIdentity;
    ortho[0] = 2.0 / 100;
    ortho[5] = 2.0 / 80;
    ortho[12] = ortho[13] = -1.0;
    const PixelCentres turned(modelView, ortho, {0, 0, 100, 80});
    int skipped = 0;
    for (int i = 0; i < 200000; ++i) {
        float p[3][3];
        const float x = where(random), y = where(random);
        for (auto& corner : p) {
            corner[0] = x + size(random);
            corner[1] = y + size(random);
            corner[2] = 0.0f;
        }
        float w[3][3];
        for (int j = 0; j < 3; ++j) {
            const double px = p[j][0], py = p[j][1];
            w[j][0] = float(modelView[0] * px + modelView[4] * py + modelView[12]);
            w[j][1] = float(modelView[1] * px + modelView[5] * py + modelView[13]);
            w[j][2] = 0.0f;
        }
        const bool kept = turned.mayLightPixel(p[0], p[1], p[2]);
        if (holdsCentreExactly(w[0], w[1], w[2])) {
            ASSERT_TRUE(kept) << "triangle " << i;
        }
        if (!kept) ++skipped;
    }
    EXPECT_GT(skipped, 20000); // and it does skip the small ones
}

TEST(ContourBatcher, SkippingFillsKeepsEveryLineAndEndsTheBatchesAtTheSamePlaces) {
    struct Batch {
        size_t fills, lines;
    };
    const ContourLevels levels(4);
    const ContourColours colours = contourColoursOf(levels, 0, 0, {0, 0, 0}, UserColours{});
    const PixelCentres window = windowCoordinates(100, 100);
    auto run = [&](const PixelCentres* centres) {
        std::vector<Batch> batches;
        ContourBatcher batcher(colours, 30, [&](const std::vector<float>& fills, const std::vector<float>& lines) {
            batches.push_back({fills.size() / ContourBatcher::kFloatsPerVertex,
                               lines.size() / ContourBatcher::kFloatsPerVertex});
        });
        batcher.skipFillsBetweenPixels(centres);
        for (int i = 0; i < 40; ++i) {
            const double x = i * 2.0 + 0.6; // every other one a speck clear of the centres
            const double s = i % 2 ? 0.2 : 1.0;
            const Point3 quad[4] = {{x, 0.6, 0}, {x + s, 0.6, 0}, {x + s, 0.6 + s, 0}, {x, 0.6 + s, 0}};
            batcher.fill(quad, 4, 1);
            if (i % 3 == 0) batcher.line(quad[0], quad[2], 2);
        }
        batcher.finish();
        return batches;
    };
    const std::vector<Batch> all = run(nullptr), drawn = run(&window);
    ASSERT_EQ(all.size(), drawn.size());
    size_t allFills = 0, drawnFills = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(drawn[i].lines, all[i].lines) << "batch " << i;
        allFills += all[i].fills;
        drawnFills += drawn[i].fills;
    }
    EXPECT_EQ(allFills, 40u * 6);
    EXPECT_EQ(drawnFills, 20u * 6);
}

} // namespace
} // namespace vellum
