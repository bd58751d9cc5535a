// Report pictures of the plate: a scaled picture reduced looks like the plain one, tiles
// join into the whole picture, and a transparent picture carries the graph's coverage in
// its alpha so that it composites back to the opaque picture.
#include "../BatchTestFolder.h"
#include "../support/RecordingUi.h"
#include "common/SilentUi.h"
#include "model/Document.h"
#include "render/ImageFile.h"
#include "render/OffscreenPicture.h"
#include "render/ReportPixels.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstdlib>
#include <fstream>

namespace vellum {
namespace {

struct Difference {
    double meanPerChannel = 0.0;
    double farOffShare = 0.0; // share of pixels with a channel off by more than 64
    int maximum = 0;
};

Difference compare(const RgbImage& a, const RgbImage& b) {
    Difference d;
    if (a.width != b.width || a.height != b.height || a.pixels.size() != b.pixels.size()) {
        d.meanPerChannel = d.farOffShare = 1e9;
        return d;
    }
    double sum = 0.0;
    size_t farOff = 0;
    for (size_t i = 0; i < a.pixels.size(); i += 3) {
        int worst = 0;
        for (size_t c = 0; c < 3; ++c) {
            const int off = std::abs(int(a.pixels[i + c]) - int(b.pixels[i + c]));
            sum += off;
            worst = std::max(worst, off);
        }
        farOff += worst > 64;
        d.maximum = std::max(d.maximum, worst);
    }
    d.meanPerChannel = sum / static_cast<double>(a.pixels.size());
    d.farOffShare = static_cast<double>(farOff) / static_cast<double>(a.pixels.size() / 3);
    return d;
}

// Each pixel the mean of its 3 x 3 neighbourhood: a line that lands half a pixel aside
// after a reduction compares equal to the line drawn at the small size.
RgbImage blurred(const RgbImage& image) {
    RgbImage out = image;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            for (int c = 0; c < 3; ++c) {
                int sum = 0, count = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int sx = x + dx, sy = y + dy;
                        if (sx < 0 || sy < 0 || sx >= image.width || sy >= image.height) continue;
                        sum += image.at(sx, sy)[c];
                        ++count;
                    }
                out.pixels[(static_cast<size_t>(y) * image.width + x) * 3 + c] = static_cast<uint8_t>(sum / count);
            }
    return out;
}

// A failing comparison leaves both pictures where the test ran, for a person to look at.
void keepOnFailure(const char* name, const RgbImage& expected, const RgbImage& actual) {
    if (!::testing::Test::HasFailure()) return;
    SilentUi ui;
    ExportImage(ui, std::string(name) + "-expected.png", expected);
    ExportImage(ui, std::string(name) + "-actual.png", actual);
}

class ReportPicture : public ::testing::Test {
protected:
    void SetUp() override {
        SilentUi ui;
        ASSERT_EQ(doc.RunCommandLineFile(ui, std::string(VELLUM_SOURCE_DIR) + "/examples/plate/plate.dat", {}), 0);
        ASSERT_NE(doc.drawable(), nullptr);
    }

    RgbaImage draw(int scale, bool antialias = false, bool transparent = false, int tileSide = 0) {
        OffscreenRequest request;
        request.width = kWidth;
        request.height = kHeight;
        request.dataSet = doc.drawable();
        request.state = SceneState{doc.options.dataType, doc.modelShape()};
        request.scale = scale;
        request.antialias = antialias;
        request.transparent = transparent;
        request.tileSide = tileSide;
        std::string error;
        RgbaImage image = PaintReportPicture(doc.look, request, error);
        EXPECT_FALSE(image.colour.pixels.empty()) << error;
        return image;
    }

    static constexpr int kWidth = 390, kHeight = 240;
    Document doc;
};

TEST_F(ReportPicture, AScaleFourPictureReducedLooksLikeTheScaleOnePicture) {
    const RgbImage plain = draw(1).colour;
    const RgbaImage large = draw(4);
    ASSERT_EQ(large.colour.width, kWidth * 4);
    ASSERT_EQ(large.colour.height, kHeight * 4);
    const RgbImage reduced = reduceByFactor(large, 4).colour;
    const Difference d = compare(blurred(plain), blurred(reduced));
    // Lines, points and text grew with the picture: were any of them left at one device
    // pixel, they would fade to a quarter in the reduction and leave the plain lines far
    // off; a legend or a text not scaled would lie elsewhere altogether.
    EXPECT_LT(d.meanPerChannel, 3.0);
    EXPECT_LT(d.farOffShare, 0.002);
    keepOnFailure("ReportPicture-scale", plain, reduced);
}

TEST_F(ReportPicture, TilesJoinIntoThePictureDrawnWhole) {
    const RgbImage whole = draw(2).colour;
    // Tiles of 100 pixels cut through the legend's numbers, the grid values and the title.
    const RgbImage tiled = draw(2, false, false, 100).colour;
    const Difference d = compare(whole, tiled);
    // Faces and text land on the same pixels; a line that crosses a tile's edge is clipped
    // there and may step a pixel differently along its length. A tile placed one pixel off,
    // or text lost at an edge, is far beyond these.
    EXPECT_LT(d.meanPerChannel, 0.15);
    EXPECT_LT(d.farOffShare, 0.002);
    keepOnFailure("ReportPicture-tiles", whole, tiled);
}

TEST_F(ReportPicture, ATransparentPictureCarriesTheGraphsCoverageInItsAlpha) {
    const RgbaImage opaque = draw(1, true);
    const RgbaImage clear = draw(1, true, true);
    ASSERT_TRUE(clear.hasAlpha());
    ASSERT_FALSE(opaque.hasAlpha());
    for (const auto& [x, y] : {std::pair{0, 0}, {kWidth - 1, 0}, {0, kHeight - 1}, {kWidth - 1, kHeight - 1}})
        EXPECT_EQ(clear.alphaAt(x, y), 0) << x << "," << y;
    // The middle of the plate is covered.
    EXPECT_EQ(clear.alphaAt(kWidth * 2 / 5, kHeight / 2), 255);
    int partial = 0;
    for (uint8_t a : clear.alpha) partial += a > 0 && a < 255;
    EXPECT_GT(partial, 100) << "smoothed edges should be partly transparent";

    // Laid over the background again, the picture is the opaque one.
    RgbImage composited = clear.colour;
    const RGBColor& back = doc.look.BACKCOLOR;
    const int backs[3] = {back.red, back.green, back.blue};
    for (size_t i = 0; i < clear.alpha.size(); ++i)
        for (int c = 0; c < 3; ++c) {
            const double a = clear.alpha[i] / 255.0;
            composited.pixels[i * 3 + c] =
                static_cast<uint8_t>(std::lround(clear.colour.pixels[i * 3 + c] * a + backs[c] * (1.0 - a)));
        }
    const Difference d = compare(opaque.colour, composited);
    EXPECT_LE(d.maximum, 3);
    keepOnFailure("ReportPicture-alpha", opaque.colour, composited);

    // The PNG holds the same alpha, as RGBA.
    std::string bytes;
    ASSERT_TRUE(encodePng(clear, bytes));
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()));
    EXPECT_TRUE(png.format & PNG_FORMAT_FLAG_ALPHA);
    png.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(png));
    ASSERT_TRUE(png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr));
    ASSERT_EQ(rgba.size(), clear.alpha.size() * 4);
    size_t mismatched = 0;
    for (size_t i = 0; i < clear.alpha.size(); ++i)
        mismatched += rgba[i * 4 + 3] != clear.alpha[i] || rgba[i * 4] != clear.colour.pixels[i * 3];
    EXPECT_EQ(mismatched, 0u);
}

// Filled contours of a mesh finer than the pixels, smoothed: every sample of the sheet is
// covered by some band, so the smoothed picture differs from the plain one only along band
// edges and lines. Leaving out slivers that miss every pixel centre, as a plain picture
// may, let the white background through a smoothed one almost everywhere.
TEST(SmoothedContours, AMeshFinerThanThePixelsLeavesNoHoles) {
    testing::TempFolder folder;
    constexpr int kSide = 240;
    std::string nodes, elements, values;
    for (int j = 0; j < kSide; ++j)
        for (int i = 0; i < kSide; ++i) {
            const int n = j * kSide + i + 1;
            const double x = i / double(kSide - 1), y = j / double(kSide - 1);
            nodes += std::to_string(n) + " " + std::to_string(x) + " " + std::to_string(y) + " 0\n";
            values += std::to_string(n) + " " + std::to_string(std::sin(7 * x) * std::cos(5 * y)) + "\n";
            if (i + 1 < kSide && j + 1 < kSide)
                elements += std::to_string(n) + " " + std::to_string(n) + " " + std::to_string(n + 1) + " " +
                            std::to_string(n + 1 + kSide) + " " + std::to_string(n + kSide) + "\n";
        }
    folder.write("n.txt", nodes);
    folder.write("e.txt", elements);
    folder.write("v.txt", values);
    folder.write("look.ini", "[GRAPH]\r\nMODE= 1\r\nCONTNUM= 16\r\nWIREMODE= 0\r\n");
    folder.write("job.dat", "DataType=0\nPointFile=n.txt\nElementFile=e.txt\nDataFile=v.txt\nViewFile=look.ini\n");
    SilentUi ui;
    Document doc;
    ASSERT_EQ(doc.RunCommandLineFile(ui, folder.path() + "job.dat", {}), 0);

    auto draw = [&doc](bool antialias) {
        OffscreenRequest request;
        request.width = 160;
        request.height = 120;
        request.dataSet = doc.drawable();
        request.state = SceneState{doc.options.dataType, doc.modelShape()};
        request.antialias = antialias;
        std::string error;
        RgbaImage image = PaintReportPicture(doc.look, request, error);
        EXPECT_FALSE(image.colour.pixels.empty()) << error;
        return image.colour;
    };
    const RgbImage plain = draw(false), smoothed = draw(true);
    EXPECT_LT(compare(plain, smoothed).farOffShare, 0.15);
    keepOnFailure("smoothed-contours", plain, smoothed);
}

} // namespace
} // namespace vellum
