#include "GlTestSupport.h"

#include "render/ContourDraw.h"
#include "render/ContourMesh.h"
#include "render/DrawingBox.h"
#include "render/GraphBody.h"
#include "render/SceneContext.h"
#include "render/KeptContours.h"
#include "tests/support/RecordingUi.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdint>

namespace vellum::testing {
namespace {

class CountingSink : public ContourSink {
public:
    void fill(const Point3*, int count, int) override { triangles += size_t(count - 2); }
    void line(const Point3&, const Point3&, int) override { lineVertices += 2; }
    size_t triangles = 0, lineVertices = 0;
};

// A sheet far denser than the pixels it covers, so most triangles hold no pixel centre,
// contoured over more triangles than one chunk holds.
class KeptContoursPicture : public RendererFixture {
protected:
    KeptContoursPicture() : RendererFixture(300, 300) {}
    void SetUp() override {
        RendererFixture::SetUp();
        dataSet_ = quadSheet(420, 420, 0.0,
                             [](double x, double y) { return 0.5 + 0.45 * std::sin(11 * x * y + 3 * x); });
        run_.divisions = 16;
    }
    // The kept contours drawn in a plain view turned about the y axis, read back; a zoom
    // of 0 looks through a perspective instead of a parallel projection.
    RgbImage draw(KeptContours& kept, bool cull, double turnDegrees, double zoom,
                  size_t cullOnHelperFrom = kCullOnHelperFrom) {
        glViewport(0, 0, width_, height_);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        if (zoom > 0.0) glOrtho(-0.7, 0.7, -0.7, 0.7, -5.0, 5.0);
        else glFrustum(-0.2, 0.2, -0.2, 0.2, 0.5, 5.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        if (zoom == 0.0) {
            glTranslated(0.0, 0.0, -1.6);
            zoom = 1.0;
        }
        glScaled(zoom, zoom, zoom);
        glRotated(turnDegrees, 0.0, 1.0, 0.0);
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        WindowMapping view;
        glGetDoublev(GL_MODELVIEW_MATRIX, view.modelView.data());
        glGetDoublev(GL_PROJECTION_MATRIX, view.projection.data());
        glGetIntegerv(GL_VIEWPORT, view.viewport.data());
        kept.draw(cull ? &view : nullptr, cullOnHelperFrom);
        return context_.readPixels();
    }

    ContourRun run_;
    RecordingUi ui_;
};

TEST_F(KeptContoursPicture, EveryPieceIsKeptOnceAndCullingOrBuffersNeverChangeAPixel) {
    CountingSink counted;
    traceContours(dataSet_, ui_, run_, counted);
    ASSERT_GT(counted.triangles, size_t{3 * 65536}); // several chunks of one band at least
    const ContourLevels levels(run_.divisions);
    KeptContours inMemory(contourColoursOf(levels, 16, 0, RGBColor{}, settings_.userColours), false);
    KeptContours inBuffers(contourColoursOf(levels, 16, 0, RGBColor{}, settings_.userColours), true);
    // The sheet lies at z = 0: x and y alone draw the same.
    KeptContours flat(contourColoursOf(levels, 16, 0, RGBColor{}, settings_.userColours), false, true);
    // Whole triangles as the indices of their nodes, drawn from the nodes' positions.
    KeptContours fromNodes(contourColoursOf(levels, 16, 0, RGBColor{}, settings_.userColours), false, false, true);
    for (KeptContours* kept : {&inMemory, &inBuffers, &flat, &fromNodes}) {
        traceContours(dataSet_, ui_, run_, *kept);
        kept->keepNodePositions(dataSet_.nodes);
        kept->finish();
    }
    // Traced in two halves at once, the second appended to the first.
    KeptContours halves(contourColoursOf(levels, 16, 0, RGBColor{}, settings_.userColours), false, true, true);
    KeptContours secondHalf(contourColoursOf(levels, 16, 0, RGBColor{}, settings_.userColours), false, true, true);
    traceContoursInTwo(dataSet_, ui_, run_, halves, secondHalf);
    halves.append(std::move(secondHalf));
    halves.keepNodePositions(dataSet_.nodes);
    halves.finish();
    EXPECT_EQ(fromNodes.fillTriangles(), counted.triangles);
    EXPECT_EQ(halves.fillTriangles(), counted.triangles);
    EXPECT_EQ(halves.lineVertices(), counted.lineVertices);
    EXPECT_EQ(inMemory.fillTriangles(), counted.triangles);
    EXPECT_EQ(inMemory.lineVertices(), counted.lineVertices);
    EXPECT_EQ(inBuffers.fillTriangles(), counted.triangles);

    // Seen whole, turned, zoomed in until the triangles are larger than pixels, and in
    // perspective.
    for (const auto& [turn, zoom] :
         {std::pair{0.0, 1.0}, std::pair{50.0, 1.0}, std::pair{20.0, 9.0}, std::pair{30.0, 0.0}}) {
        const RgbImage everything = draw(inBuffers, false, turn, zoom);
        const RgbImage culled = draw(inMemory, true, turn, zoom);
        ASSERT_EQ(culled.pixels.size(), everything.pixels.size());
        EXPECT_TRUE(culled.pixels == everything.pixels) << "turned " << turn << ", zoom " << zoom;
        // Culled here rather than on a helper thread.
        EXPECT_TRUE(draw(inMemory, true, turn, zoom, SIZE_MAX).pixels == everything.pixels);
        EXPECT_TRUE(draw(fromNodes, true, turn, zoom, SIZE_MAX).pixels == everything.pixels);
        EXPECT_TRUE(draw(inMemory, false, turn, zoom).pixels == everything.pixels);
        EXPECT_TRUE(draw(flat, true, turn, zoom).pixels == everything.pixels);
        EXPECT_TRUE(draw(fromNodes, true, turn, zoom).pixels == everything.pixels);
        EXPECT_TRUE(draw(fromNodes, false, turn, zoom).pixels == everything.pixels);
        EXPECT_TRUE(draw(halves, true, turn, zoom).pixels == everything.pixels);
    }
    inMemory.release();
    inBuffers.release();
    EXPECT_EQ(inBuffers.fillTriangles(), 0u);
}

// A trace started early is drawn only under the transform it culled for: started for another
// view (the window was turned in between), it is dropped and the contours traced afresh.
TEST_F(KeptContoursPicture, ContoursStartedForAnotherViewAreTracedAfresh) {
    settings_.graph.CONT = 1;
    settings_.graph.CONTNUM = 16;
    settings_.MIN = 0.0;
    settings_.MAX = 1.0;
    const DrawingBox box = ComputeDrawingBox(dataSet_, settings_, kNodeValues);
    const SceneContext scene{dataSet_, settings_, SceneState{kNodeValues, kSheetShape}, box, 1.0};
    const GraphPass pass = graphPassOf(settings_);
    ContourLayer layer;
    KeptContours unused(ContourColours{}, false);
    const auto drawOnce = [&](double turn, double startedAtTurn) {
        if (startedAtTurn >= 0.0) {
            draw(unused, false, startedAtTurn, 1.0); // sets that view's transform
            layer.startOnce(scene, pass, ui_);
        }
        draw(unused, false, turn, 1.0);
        layer.drawOnce(scene, pass, ui_);
        return context_.readPixels();
    };
    const RgbImage plain = drawOnce(0.0, -1.0);
    EXPECT_NE(plain.pixels, draw(unused, false, 0.0, 1.0).pixels); // something was drawn
    EXPECT_TRUE(drawOnce(0.0, 0.0).pixels == plain.pixels);
    EXPECT_TRUE(drawOnce(0.0, 50.0).pixels == plain.pixels);
    EXPECT_TRUE(drawOnce(50.0, 0.0).pixels == drawOnce(50.0, -1.0).pixels);
    // Started and never drawn: let go with the layer.
    layer.startOnce(scene, pass, ui_);
}

// The graded surface and the hidden-line fill leave out the triangles that light no pixel
// centre (culled on a helper thread for a mesh this large): the picture is the one every
// triangle gives.
TEST_F(KeptContoursPicture, CullingTheSurfaceOrTheHiddenFillNeverChangesAPixel) {
    settings_.MIN = 0.0;
    settings_.MAX = 1.0;
    settings_.graph.WIREMODE = 0;
    settings_.graph.CONT = 0;
    const DrawingBox box = ComputeDrawingBox(dataSet_, settings_, kNodeValues);
    const SceneContext scene{dataSet_, settings_, SceneState{kNodeValues, kSheetShape}, box, 1.0};
    KeptContours nothing(ContourColours{}, false);
    for (const auto& [mode, hide] : {std::pair{kGraphGradation, 0}, std::pair{kGraphContour, 1}}) {
        settings_.MODE = mode;
        settings_.HIDE = hide;
        const GraphPass pass = graphPassOf(settings_);
        GraphBody culled, whole;
        whole.setCulling(false);
        const auto drawn = [&](GraphBody* body, double turn, double zoom) {
            draw(nothing, false, turn, zoom); // the view's transform
            glClearColor(0.0f, 0.0f, 0.0f, 1.0f); // the white fill shows on black
            glClear(GL_COLOR_BUFFER_BIT);
            if (body) {
                body->prepare(scene, pass);
                body->drawUnderContours(scene, pass);
            }
            return context_.readPixels();
        };
        for (const auto& [turn, zoom] :
             {std::pair{0.0, 1.0}, std::pair{50.0, 1.0}, std::pair{20.0, 9.0}, std::pair{30.0, 0.0}}) {
            const RgbImage everything = drawn(&whole, turn, zoom);
            EXPECT_NE(everything.pixels, drawn(nullptr, turn, zoom).pixels) << "mode " << mode;
            EXPECT_TRUE(drawn(&culled, turn, zoom).pixels == everything.pixels)
                << "mode " << mode << ", turned " << turn << ", zoom " << zoom;
        }
        culled.release();
        whole.release();
    }
}

} // namespace
} // namespace vellum::testing
