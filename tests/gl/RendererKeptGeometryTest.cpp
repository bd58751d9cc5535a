// The renderer keeps its geometry between paints: what is built, when, and that a paint
// hands the OpenGL state back as it found it.
#include "GlTestSupport.h"

#include "common/SilentUi.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace vellum::testing {
namespace {

class KeptGeometry : public RendererFixture {
protected:
    static constexpr int kBetweenLines = kCy + 17; // a row clear of the wireframe
    void SetUp() override {
        RendererFixture::SetUp();
        dataSet_ = quadSheet(8, 8, 0.1, [](double x, double) { return x + 0.5; });
        settings_.SUISEN1 = 1;
        settings_.MODE2 = 0; // the projection as a gradient
        settings_.gridOn = {1, 0, 1, 0, 0, 1};
    }
    const RenderStats& stats() const { return renderer_.stats(); }
};

TEST_F(KeptGeometry, ARepaintACameraMoveAndADragsEndBuildNothing) {
    settings_.MODE = 1;
    settings_.DIGREE = {1740, 1800, 1770};
    const RgbImage first = paint(0);
    const RenderStats built = stats();
    EXPECT_EQ(built.graphBuilds, 1);
    EXPECT_EQ(built.projectionBuilds, 1);
    EXPECT_EQ(built.graphContourBuilds, 1);
    EXPECT_EQ(built.projectionContourBuilds, 0);
    EXPECT_EQ(built.gridBuilds, 1);
    // Nothing changed: the last picture is put back whole.
    EXPECT_EQ(paint(0).pixels, first.pixels);
    EXPECT_EQ(stats().framesReused, 1);

    settings_.DIGREE = {1700, 1820, 1790};
    settings_.POSITION = {0.1, -0.2, 0.0};
    settings_.SCALE123 = 0.7;
    EXPECT_NE(paint(0).pixels, first.pixels);
    settings_.dragging = 1; // the light wireframe, no projection, no contours
    const RgbImage dragged = paint(0);
    EXPECT_EQ(stats().graphBuilds, 2); // the light wireframe, made once for every drag
    settings_.DIGREE[0] += 5;
    paint(0);
    settings_.dragging = 0;
    settings_.DIGREE = {1740, 1800, 1770};
    settings_.POSITION = {0.0, 0.0, 0.0};
    settings_.SCALE123 = 1.0;
    EXPECT_EQ(paint(0).pixels, first.pixels); // drawn again from the kept geometry
    EXPECT_EQ(stats().total(), built.total() + 1);
    EXPECT_EQ(stats().framesReused, 1);
    EXPECT_NE(dragged.pixels, first.pixels);

    // Released objects are built again, to the same picture.
    renderer_.releaseGlResources();
    EXPECT_EQ(paint(0).pixels, first.pixels);
    EXPECT_EQ(stats().total(), 2 * built.total() + 1);
}

TEST_F(KeptGeometry, ADataChangeRebuildsWhatItFeedsAndALookChangeOnlyItsOwnPiece) {
    settings_.MODE2 = 1; // the projection's contours, hidden under the graph
    expectPixel(paint(0), px(-0.45), kBetweenLines, kBlue, 60);
    RenderStats expected = stats();

    for (NodeRecord& node : dataSet_.nodes) node.t = 1.0 - node.t;
    dataSet_.markChanged();
    expectPixel(paint(0), px(-0.45), kBetweenLines, kRed, 60);
    ++expected.graphBuilds, ++expected.projectionBuilds, ++expected.projectionContourBuilds, ++expected.gridBuilds;
    EXPECT_EQ(stats(), expected);

    settings_.projection.CONTNUM = 8;
    paint(0);
    ++expected.projectionContourBuilds;
    EXPECT_EQ(stats(), expected);

    settings_.colorMode = 0; // the graph's map only: white to black
    expectPixel(paint(0), px(-0.45), kBetweenLines, kBlack, 60);
    ++expected.graphBuilds;
    EXPECT_EQ(stats(), expected);

    // Widths and line colours are applied as drawn.
    settings_.graph.WIRECOLOR = {255, 0, 0};
    settings_.graph.WIREWID = 5;
    const RgbImage wide = paint(0);
    expectPixel(wide, px(-0.5), kBetweenLines, kRed, 0);
    EXPECT_EQ(stats(), expected);
}

// A new picture of a large mesh need not wait for the contours later paints keep: they are
// drawn once until the window keeps them, and the picture is the same either way.
TEST_F(KeptGeometry, ALargeMeshsContoursShowBeforeTheyAreKept) {
    settings_.MODE = 1;
    settings_.DIGREE = {1740, 1800, 1770};
    settings_.graph.CONTNUM = 12;
    SilentUi ui;
    const SceneState state{0, 0};
    const auto prepareLater = [&] {
        renderer_.prepare(&dataSet_, settings_, state, ui, Renderer::LargeContours::afterPaint);
    };
    // A small mesh keeps its contours at once.
    prepareLater();
    EXPECT_FALSE(renderer_.contoursLeftForLater());
    EXPECT_EQ(stats().graphContourBuilds, 1);

    dataSet_ = quadSheet(150, 150, 0.1, [](double x, double y) { return 0.5 + 0.45 * std::sin(9 * x * y + 2 * x); });
    prepareLater();
    EXPECT_TRUE(renderer_.contoursLeftForLater());
    const RenderStats before = stats();
    EXPECT_EQ(before.graphContourBuilds, 1);
    const RgbImage drawnOnce = paint(0);
    settings_.DIGREE[0] += 30; // a turn before they are kept draws them once again
    const RgbImage turnedOnce = paint(0);
    EXPECT_EQ(stats().graphContourBuilds, 1);

    renderer_.prepare(&dataSet_, settings_, state, ui);
    EXPECT_FALSE(renderer_.contoursLeftForLater());
    EXPECT_EQ(stats().graphContourBuilds, 2);
    settings_.DIGREE[0] -= 30;
    EXPECT_TRUE(paint(0).pixels == drawnOnce.pixels);
    EXPECT_EQ(stats().graphContourBuilds, 2);
    EXPECT_NE(drawnOnce.pixels, turnedOnce.pixels);
    // Kept for these settings: a later prepare leaves nothing for later.
    prepareLater();
    EXPECT_FALSE(renderer_.contoursLeftForLater());
}

// Everything a window's other painting could notice, by name.
std::map<std::string, std::vector<double>> glStateNow() {
    std::map<std::string, std::vector<double>> state;
    auto doubles = [&](const char* name, GLenum what, size_t count) {
        std::vector<double> v(16);
        glGetDoublev(what, v.data());
        v.resize(count);
        state[name] = v;
    };
    doubles("viewport", GL_VIEWPORT, 4);
    doubles("projection", GL_PROJECTION_MATRIX, 16);
    doubles("model-view", GL_MODELVIEW_MATRIX, 16);
    doubles("matrix mode", GL_MATRIX_MODE, 1);
    doubles("line width", GL_LINE_WIDTH, 1);
    doubles("point size", GL_POINT_SIZE, 1);
    doubles("stipple", GL_LINE_STIPPLE_PATTERN, 1);
    doubles("stipple repeat", GL_LINE_STIPPLE_REPEAT, 1);
    doubles("colour", GL_CURRENT_COLOR, 4);
    doubles("clear colour", GL_COLOR_CLEAR_VALUE, 4);
    doubles("depth function", GL_DEPTH_FUNC, 1);
    doubles("polygon offset", GL_POLYGON_OFFSET_FACTOR, 1);
    doubles("polygon units", GL_POLYGON_OFFSET_UNITS, 1);
    doubles("array buffer", GL_ARRAY_BUFFER_BINDING, 1);
    doubles("index buffer", GL_ELEMENT_ARRAY_BUFFER_BINDING, 1);
    for (const auto& [name, cap] : std::map<std::string, GLenum>{
             {"depth test", GL_DEPTH_TEST}, {"line stipple on", GL_LINE_STIPPLE}, {"blend", GL_BLEND},
             {"offset fill", GL_POLYGON_OFFSET_FILL}, {"vertex array", GL_VERTEX_ARRAY},
             {"colour array", GL_COLOR_ARRAY}, {"normal array", GL_NORMAL_ARRAY}})
        state[name] = {glIsEnabled(cap) ? 1.0 : 0.0};
    return state;
}

TEST_F(KeptGeometry, APaintHandsBackTheStateItFoundAndIsNotSpoiltByIt) {
    // What a window may have left: another viewport and matrices, wide stippled lines,
    // a colour, blending that would blacken every fragment, no depth test, bound buffers.
    glViewport(3, 4, 100, 80);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(scaleMatrix(0.5).data());
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(translationMatrix({0.25, 0.0, 0.0}).data());
    glLineWidth(5.0f);
    glPointSize(7.0f);
    glLineStipple(3, 0x0F0F);
    glColor4f(0.1f, 0.2f, 0.3f, 0.4f);
    glClearColor(0.5f, 0.25f, 0.125f, 1.0f);
    glDisable(GL_DEPTH_TEST);
    glDepthFunc(GL_GREATER);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ZERO, GL_ZERO);
    glPolygonOffset(2.0f, 3.0f);
    glEnableClientState(GL_NORMAL_ARRAY);
    GLuint buffers[2];
    glGenBuffers(2, buffers);
    glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers[1]);
    const auto before = glStateNow();

    settings_.MODE = 1;
    settings_.legendOn[0] = 1;
    settings_.axesOn = 1;
    const RgbImage image = paint(0);
    EXPECT_EQ(glStateNow(), before);
    expectPixel(image, px(-0.45), kBetweenLines, kBlue, 60);
    expectPixel(image, 2, 2, kWhite, 0);
    // The window paints over the picture; an unchanged paint puts the picture back whole,
    // and that too leaves the state alone.
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(paint(0).pixels, image.pixels);
    EXPECT_EQ(stats().framesReused, 1);
    EXPECT_EQ(glStateNow(), before);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    glDeleteBuffers(2, buffers);
}

} // namespace
} // namespace vellum::testing
