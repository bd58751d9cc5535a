// Element values are drawn as shared, indexed corners with flat shading. The picture must
// be the one of every corner of a face carrying the element's colour: a wavy sheet seen
// steeply folds over itself, so the depth of every pixel decides which face shows.
#include "GlTestSupport.h"
#include "render/BodyArrays.h"
#include "render/ColourMap.h"

#include <GL/gl.h>

namespace vellum::testing {
namespace {

class ElementFacePicture : public RendererFixture {
protected:
    // The graph's faces drawn the plain way, each corner with its element's colour, under
    // the renderer's own camera and depth state.
    RgbImage plainPicture() {
        const ColourMap colours(settings_.colorMode, 0, dataSet_, settings_);
        BodyPlacement placement;
        placement.liftElements = settings_.DIM == kDimDataValue;
        placement.liftScale = settings_.SCALE[2];
        const ColouredVertices faces = elementFaces(dataSet_, colours, placement);
        std::vector<uint8_t> bytes(faces.colours.size());
        for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(std::lround(faces.colours[i] * 255.0f));

        glViewport(0, 0, width_, height_);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        const OrthoVolume o = orthoForWindow(width_, height_);
        glOrtho(o.left, o.right, o.bottom, o.top, o.nearPlane, o.farPlane);
        glMatrixMode(GL_MODELVIEW);
        glLoadMatrixd(graphMatrix(settings_.DIGREE, settings_.POSITION, settings_.SCALE123).data());
        glShadeModel(GL_SMOOTH);
        glDepthFunc(GL_LEQUAL);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(1.0f, 1.0f);
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glClearDepth(1.0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, faces.positions.data());
        glColorPointer(3, GL_UNSIGNED_BYTE, 0, bytes.data());
        glDrawArrays(GL_TRIANGLES, 0, GLsizei(faces.count()));
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        glFinish();
        return context_.readPixels();
    }

    void expectPlainPicture(const char* what) {
        const RgbImage drawn = paint(kElementValues);
        const RgbImage plain = plainPicture();
        ASSERT_EQ(drawn.pixels.size(), plain.pixels.size());
        size_t differing = 0, painted = 0;
        for (size_t i = 0; i < drawn.pixels.size(); i += 3) {
            differing += !std::equal(&drawn.pixels[i], &drawn.pixels[i] + 3, &plain.pixels[i]);
            painted += plain.pixels[i] != 255 || plain.pixels[i + 1] != 255 || plain.pixels[i + 2] != 255;
        }
        EXPECT_EQ(differing, 0u) << what;
        EXPECT_GT(painted, size_t(width_ * height_ / 8)) << what;
    }
};

TEST_F(ElementFacePicture, SharedCornersWithFlatShadingPaintTheFacesPixelForPixel) {
    dataSet_ = quadSheet(48, 36, 0.0, [](double, double) { return 0.0; });
    for (NodeRecord& n : dataSet_.nodes) n.position[2] = 0.35 * std::sin(9.0 * n.position[0]) * std::cos(7.0 * n.position[1]);
    for (size_t e = 0; e < dataSet_.elements.size(); ++e) dataSet_.elements[e].t = double((e * 37) % 101) / 100.0;
    settings_.MODE = kGraphGradation;
    settings_.graph.WIREMODE = 0;
    settings_.DIGREE = {1800 + 75, 1800, 1800 + 35};
    settings_.DIM = kDimNodeCoordinate;
    expectPlainPicture("faces at their nodes");

    // Each element floating at its own value shares no corner with another.
    settings_.DIM = kDimDataValue;
    settings_.colorMode = 16;
    dataSet_.markChanged();
    expectPlainPicture("faces at their values");
}

} // namespace
} // namespace vellum::testing
