#include "GlTestSupport.h"

#include "render/OffscreenPicture.h"
#include "tests/support/RecordingUi.h"

#include <GL/gl.h>

namespace vellum::testing {
namespace {

TEST(HeadlessContext, ClearsAndReadsBackTheWholeBufferTopRowFirst) {
    HeadlessGlContext context(64, 48);
    ASSERT_TRUE(context.ok()) << context.error();
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    // A red band over the top quarter, drawn in window coordinates.
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 36, 64, 12);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    const RgbImage image = context.readPixels();
    ASSERT_EQ(image.width, 64);
    ASSERT_EQ(image.height, 48);
    EXPECT_EQ(image.at(10, 2)[0], 255);
    EXPECT_EQ(image.at(10, 2)[2], 0);
    EXPECT_EQ(image.at(10, 40)[0], 0);
    EXPECT_EQ(image.at(10, 40)[2], 255);
    GLint depthBits = 0, stencilBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    EXPECT_GE(depthBits, 24);
    EXPECT_GE(stencilBits, 8);
}

TEST(HeadlessContext, ResizesAndSeveralContextsLiveTogether) {
    HeadlessGlContext first(32, 32);
    ASSERT_TRUE(first.ok()) << first.error();
    {
        HeadlessGlContext second(16, 8);
        ASSERT_TRUE(second.ok()) << second.error();
        EXPECT_EQ(second.readPixels().width, 16);
    }
    ASSERT_TRUE(first.makeCurrent());
    ASSERT_TRUE(first.resize(50, 20));
    EXPECT_EQ(first.readPixels().height, 20);
    EXPECT_FALSE(first.resize(0, 20));
    EXPECT_TRUE(first.readPixels().pixels.empty());
}

} // namespace
} // namespace vellum::testing

namespace vellum::testing {
namespace {

TEST(OffscreenPicture, PaintsOnceAtTheRequestedSizeOnTheBackgroundWithProgressWhileBuilding) {
    ViewSettings settings;
    settings.MAX = 1.0;
    settings.BACKCOLOR = {0, 0, 64};
    settings.legendOn[0] = 0;
    settings.graph.WIREMODE = 0;
    settings.SCALE123 = 0.25; // 70 pixels across
    DataSet dataSet = quadSheet(1, 1, 0.0, [](double, double) { return 0.5; });
    OffscreenRequest request;
    request.width = 120;
    request.height = 90;
    request.dataSet = &dataSet;
    request.state = SceneState{0, 0};
    std::string error;
    const RgbImage image = PaintOffscreen(settings, request, error);
    ASSERT_EQ(image.width, 120) << error;
    ASSERT_EQ(image.height, 90);
    EXPECT_EQ(image.at(60, 45)[1], 255); // green middle
    EXPECT_EQ(image.at(2, 2)[2], 64);    // background

    RecordingUi ui;
    request.progress = &ui;
    request.withText = false;
    settings.MODE = 1;
    EXPECT_EQ(PaintOffscreen(settings, request, error).at(60, 45)[1], 255);
    EXPECT_EQ(ui.captions, std::vector<std::string>{"等高線描画中"});
    EXPECT_EQ(ui.openProgressBars, 0);
    request.width = 0;
    EXPECT_TRUE(PaintOffscreen(settings, request, error).pixels.empty());
    EXPECT_FALSE(error.empty());
}

// The face, the display and a context readied on another thread while a job loads give the
// picture a lookup at drawing time gives, text and all.
TEST(OffscreenPicture, AWarmUpWhileLoadingGivesTheSamePicture) {
    OffscreenWarmUp warmUp;
    ViewSettings settings;
    settings.MAX = 1.0;
    settings.SCALE123 = 0.5;
    DataSet dataSet = quadSheet(3, 3, 0.0, [](double x, double) { return x + 0.5; });
    OffscreenRequest request;
    request.width = 320;
    request.height = 240;
    request.dataSet = &dataSet;
    request.state = SceneState{0, 0};
    std::string error;
    const RgbImage lookedUp = PaintOffscreen(settings, request, error);
    ASSERT_FALSE(lookedUp.pixels.empty()) << error;
    EXPECT_EQ(warmUp.font().path, findJapaneseGothicFont().path);
    request.font = &warmUp.font();
    EXPECT_TRUE(PaintOffscreen(settings, request, error).pixels == lookedUp.pixels);
    // The context made ahead draws the same; once taken, the next picture makes its own.
    request.warmUp = &warmUp;
    EXPECT_TRUE(PaintOffscreen(settings, request, error).pixels == lookedUp.pixels);
    EXPECT_EQ(warmUp.takeContext(320, 240), nullptr);
    EXPECT_TRUE(PaintOffscreen(settings, request, error).pixels == lookedUp.pixels);
}

} // namespace
} // namespace vellum::testing
