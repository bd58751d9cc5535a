#include "GlTestSupport.h"

#include "common/StreamUi.h"
#include "render/ImageFile.h"
#include "render/TextRenderer.h"

#include <filesystem>
#include <iostream>
#include <sstream>

namespace vellum::testing {

void setUnitColumn(DataSet& dataSet) {
    dataSet.columnCount = 1;
    dataSet.columnMinimum = {0.0};
    dataSet.columnMaximum = {1.0};
    dataSet.columnRange = {1.0};
    dataSet.columnMiddle = {0.5};
}

NodeRecord nodeAt(double x, double y, double z, double t) {
    NodeRecord node;
    node.coordinates = {x, y, z};
    node.position = {x, y, z};
    node.t = t;
    return node;
}

DataSet quadSheet(int nx, int ny, double z, const std::function<double(double, double)>& value) {
    DataSet d;
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i) {
            const double x = -0.5 + double(i) / nx, y = -0.5 + double(j) / ny;
            d.nodes.push_back(nodeAt(x, y, z, value(x, y)));
            d.nodes.back().number = j * (nx + 1) + i + 1;
        }
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            ElementRecord e;
            e.number = j * nx + i + 1;
            const uint32_t a = uint32_t(j * (nx + 1) + i);
            e.nodes = {a, a + 1, a + uint32_t(nx) + 2, a + uint32_t(nx) + 1};
            e.nodeCount = 4;
            e.faces[0] = 1;
            e.faceCount = 1;
            d.elements.push_back(e);
        }
    d.nodeCount = uint32_t(d.nodes.size());
    d.elementCount = uint32_t(d.elements.size());
    d.minimum = {-0.5, -0.5, z};
    d.maximum = {0.5, 0.5, z};
    d.extent = {1.0, 1.0, 0.0};
    d.centre = {0.0, 0.0, 0.0}; // positions are taken as they are, whatever the height
    d.overallExtent = 1.0;
    setUnitColumn(d);
    return d;
}

RendererFixture::RendererFixture(int width, int height, bool withText)
    : width_(width), height_(height), context_(width, height),
      renderer_(withText ? TextRenderer::withJapaneseGothic() : nullptr) {}

void RendererFixture::SetUp() {
    ASSERT_TRUE(context_.ok()) << context_.error();
    settings_.MIN = 0.0;
    settings_.MAX = 1.0;
    // The bare graph: decorations belong to their own tests.
    settings_.legendOn[0] = 0;
    settings_.axesOn = 0;
    settings_.gridOn = {0, 0, 0, 0, 0, 0};
    renderer_.resize(width_, height_);
}

void RendererFixture::TearDown() {
    if (context_.ok() && context_.makeCurrent()) renderer_.releaseGlResources();
}

RgbImage RendererFixture::paint(int dataType, int shape) {
    renderer_.paint(&dataSet_, settings_, SceneState{dataType, shape});
    return context_.readPixels();
}

void RendererFixture::expectPixel(const RgbImage& image, int x, int y, Rgb expected, int tolerance) {
    ASSERT_GE(x, 0);
    ASSERT_LT(x, image.width);
    ASSERT_GE(y, 0);
    ASSERT_LT(y, image.height);
    const uint8_t* p = image.at(x, y);
    const bool close = std::abs(p[0] - expected.red) <= tolerance && std::abs(p[1] - expected.green) <= tolerance &&
                       std::abs(p[2] - expected.blue) <= tolerance;
    if (close) return;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       (std::string(info->test_suite_name()) + "." + info->name() + ".actual.png");
    std::ostringstream log;
    StreamUi ui(log);
    ExportImage(ui, path.string(), image);
    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is (" << int(p[0]) << ", " << int(p[1]) << ", " << int(p[2])
                  << "), expected (" << expected.red << ", " << expected.green << ", " << expected.blue
                  << ") within " << tolerance << "; picture: " << path.string();
}

std::pair<int, int> RendererFixture::paintedSpan(const RgbImage& image, int y) const {
    int first = -1, last = -1;
    for (int x = 0; x < image.width; ++x) {
        const uint8_t* p = image.at(x, y);
        if (p[0] == 255 && p[1] == 255 && p[2] == 255) continue;
        if (first < 0) first = x;
        last = x;
    }
    return {first, last};
}

} // namespace vellum::testing
