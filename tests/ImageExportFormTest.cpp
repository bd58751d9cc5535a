// The image export's options: what each file type may ask, the numbers it accepts, the
// size of the picture, and the choices kept in the profile.
#include "model/ImageExportForm.h"
#include "settings/Profile.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

TEST(ImageExportForm, TheFileTypeDecidesWhatMayBeAsked) {
    ImageExportChoice all;
    all.antialias = all.transparent = true;
    struct Case {
        const char* path;
        bool vector, antialias, transparent;
    };
    for (const Case& c : {Case{"/a/fig.png", false, true, true}, Case{"/a/fig.PNG", false, true, true},
                          Case{"/a/fig.jpg", false, true, false}, Case{"/a/fig.bmp", false, true, false},
                          Case{"/a/fig.svg", true, false, true}, Case{"/a/fig.Pdf", true, false, true},
                          Case{"/a.png/fig", false, true, false}}) {
        ImageExportForm form(all, c.path, 780, 480);
        ASSERT_EQ(form.confirm(), "") << c.path;
        EXPECT_EQ(form.isVector(), c.vector) << c.path;
        EXPECT_EQ(form.antialias(), c.antialias) << c.path;
        EXPECT_EQ(form.transparent(), c.transparent) << c.path;
        // A JPEG with smooth edges is still more than the window's pixels.
        EXPECT_FALSE(form.plain()) << c.path;
    }
    // Transparency asked for a JPEG counts as off: the export stays the window's pixels.
    ImageExportChoice clearOnly;
    clearOnly.transparent = true;
    ImageExportForm jpeg(clearOnly, "/a/fig.jpg", 780, 480);
    ASSERT_EQ(jpeg.confirm(), "");
    EXPECT_TRUE(jpeg.plain());
    EXPECT_FALSE(ImageExportForm(clearOnly, "/a/fig.png", 780, 480).plain());
}

TEST(ImageExportForm, TheSizeIsAScaleOrAWidthWithTheViewsProportions) {
    ImageExportForm form(ImageExportChoice{}, "/a/fig.png", 780, 480);
    EXPECT_EQ(form.scaleText(), "1");
    EXPECT_EQ(form.pixelWidthText(), "780"); // no width chosen yet: the view's
    for (const char* bad : {"0", "9", "1.5", "x"}) {
        form.setScaleText(bad);
        EXPECT_NE(form.confirm(), "") << bad;
    }
    form.setScaleText("9");
    EXPECT_EQ(form.confirm(), "Please enter an integer between 1 and 8.");
    form.setScaleText("4");
    ASSERT_EQ(form.confirm(), "");
    EXPECT_EQ(form.pictureWidth(), 3120);
    EXPECT_EQ(form.pictureHeight(), 1920);

    // Six inches at 300 dots per inch: the height follows the view's proportions.
    form.setSizeMode(ImageExportChoice::kByPixelWidth);
    form.setPixelWidthText("1800");
    ASSERT_EQ(form.confirm(), "");
    EXPECT_DOUBLE_EQ(form.pixelRatio(), 1800.0 / 780.0);
    EXPECT_EQ(form.pictureWidth(), 1800);
    EXPECT_EQ(form.pictureHeight(), 1108);
    EXPECT_EQ(form.choice().scale, 4) << "the scale is kept for the next time";
    form.setPixelWidthText("6241");
    EXPECT_EQ(form.confirm(), "Please enter an integer between 16 and 6240.");
    // The view's own width is the window's picture again.
    form.setPixelWidthText("780");
    ASSERT_EQ(form.confirm(), "");
    EXPECT_TRUE(form.plain());
}

TEST(ImageExportForm, TheChoicesAreKeptInTheProfile) {
    test::TemporaryFolder folder;
    const std::string path = folder.path() + "/vellumPLOT.ini";
    ImageExportChoice chosen;
    chosen.sizeMode = ImageExportChoice::kByPixelWidth;
    chosen.scale = 3;
    chosen.pixelWidth = 2400;
    chosen.antialias = true;
    chosen.transparent = true;
    {
        Profile profile(path);
        chosen.store(profile);
        ASSERT_TRUE(profile.save());
    }
    ImageExportChoice read;
    read.load(Profile(path));
    EXPECT_EQ(read, chosen);

    // Values a hand-edited profile may hold are brought into range.
    {
        Profile profile(path);
        profile.setInt("imageexport", "Scale", 40);
        profile.setInt("ImageExport", "SizeMode", 7);
        ASSERT_TRUE(profile.save());
    }
    read.load(Profile(path));
    EXPECT_EQ(read.scale, 8);
    EXPECT_EQ(read.sizeMode, ImageExportChoice::kByScale);
    // A remembered width wider than this view can be drawn is offered at the widest.
    chosen.pixelWidth = 100000;
    EXPECT_EQ(ImageExportForm(chosen, "/a/fig.png", 300, 200).pixelWidthText(), "2400");
}

} // namespace
} // namespace vellum
