// The pick answers for the picture as drawn: at every pixel the face it finds is the one
// whose colour the picture shows there; and the extremes' markers are drawn.
#include "GlTestSupport.h"
#include "render/ColourMap.h"
#include "render/ProbePicker.h"

namespace vellum::testing {
namespace {

class ProbePicture : public RendererFixture {};

// Two sheets one above the other, each element its own flat colour, seen from above at
// a slant: where they overlap only the upper one shows and must be the one found.
TEST_F(ProbePicture, TheFaceFoundIsTheFaceDrawnAtEveryPixel) {
    DataSet lower = quadSheet(6, 6, -0.15, [](double, double) { return 0.0; });
    dataSet_ = quadSheet(6, 6, 0.15, [](double, double) { return 0.0; });
    const auto lowerBase = uint32_t(dataSet_.nodes.size());
    for (NodeRecord node : lower.nodes) {
        node.number += 1000;
        dataSet_.nodes.push_back(node);
    }
    for (ElementRecord element : lower.elements) {
        element.number += 1000;
        for (uint32_t& n : element.nodes) n += lowerBase;
        dataSet_.elements.push_back(element);
    }
    for (size_t e = 0; e < dataSet_.elements.size(); ++e)
        dataSet_.elements[e].t = double(e % 37) / 36.0; // neighbours differ in colour
    settings_.graph.WIREMODE = 0;
    settings_.DIM = kDimNodeCoordinate;
    settings_.DIGREE = {1800 + 330, 1800, 1800 + 20};
    settings_.POSITION = {0.05, 0.1, 0.0};
    const RgbImage image = paint(kElementValues);

    const ColourMap colours(settings_.colorMode, settings_.selectedColumn, dataSet_, settings_);
    ProbePicker picker;
    int painted = 0, wrong = 0, lowerFound = 0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const size_t at = (size_t(y) * size_t(width_) + size_t(x)) * 3;
            const int r = image.pixels[at], g = image.pixels[at + 1], b = image.pixels[at + 2];
            const bool background = r == 255 && g == 255 && b == 255;
            const ProbeHit hit = picker.pick(dataSet_, settings_, SceneState{kElementValues, 0}, width_, height_, x, y);
            if (!background) ++painted;
            if (hit.hit != !background) {
                ++wrong;
                continue;
            }
            if (!hit.hit) continue;
            if (dataSet_.elements[hit.target.element].number > 1000) ++lowerFound;
            const Colour c = colours(dataSet_.elements[hit.target.element].t);
            if (std::abs(r - int(c.red * 255 + 0.5)) > 8 || std::abs(g - int(c.green * 255 + 0.5)) > 8 ||
                std::abs(b - int(c.blue * 255 + 0.5)) > 8)
                ++wrong;
        }
    ASSERT_GT(painted, 20000);
    EXPECT_GT(lowerFound, 500); // the lower sheet shows beside the upper one
    // Only pixels on an edge, where the rasteriser and the pick may take different sides.
    EXPECT_LT(wrong, painted / 50) << wrong << " of " << painted << " pixels";

    // The node found is the face's corner nearest the pixel.
    const Point3 corner{dataSet_.nodes[8].position[0], dataSet_.nodes[8].position[1], dataSet_.nodes[8].position[2]};
    const auto at = pixelOf(graphMatrix(settings_.DIGREE, settings_.POSITION, settings_.SCALE123), width_, height_, corner);
    const ProbeHit near = picker.pick(dataSet_, settings_, SceneState{kElementValues, 0}, width_, height_, at[0] + 2, at[1] - 1);
    ASSERT_TRUE(near.hit);
    EXPECT_EQ(near.target.node, 8u);
}

TEST_F(ProbePicture, TheExtremesAreMarkedWhereTheirNodesAre) {
    dataSet_ = quadSheet(8, 8, 0.0, [](double x, double y) { return 0.5 + 0.4 * x + 0.5 * y; });
    for (size_t i = 0; i < dataSet_.nodes.size(); ++i) dataSet_.rows.append(dataSet_.nodes[i].number, &dataSet_.nodes[i].t, 1);
    dataSet_.dataMap.build(dataSet_.nodes, [](const NodeRecord& n) { return n.number; });
    dataSet_.markChanged();
    settings_.graph.WIREMODE = 0;
    const RgbImage plain = paint(kNodeValues);
    settings_.showExtremes = 1;
    const RgbImage marked = paint(kNodeValues);
    // The largest value is at the corner (0.5, 0.5), the smallest at (-0.5, -0.5); the
    // markers are darker than the surface's own red and blue there.
    expectPixel(marked, px(0.5) - 1, py(0.5) + 1, Rgb{217, 0, 0}, 12);
    expectPixel(marked, px(-0.5) + 1, py(-0.5) - 1, Rgb{0, 0, 217}, 12);
    expectPixel(plain, kCx, kCy, Rgb{marked.pixels[(size_t(kCy) * size_t(width_) + kCx) * 3],
                                     marked.pixels[(size_t(kCy) * size_t(width_) + kCx) * 3 + 1],
                                     marked.pixels[(size_t(kCy) * size_t(width_) + kCx) * 3 + 2]},
                 0);
}

} // namespace
} // namespace vellum::testing
