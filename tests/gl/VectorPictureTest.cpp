// SVG and PDF pictures: every example, drawn back to pixels by poppler and librsvg, looks
// like the headless program's picture of the same job; text stays text; the nearer of two
// overlapping faces stays in front whatever order they come in; a failed write leaves the
// old file alone.
#include "../BatchTestFolder.h"
#include "GlTestSupport.h"

#include "batch/DrawingArea.h"
#include "common/FileIo.h"
#include "model/Document.h"
#include "render/ImageFile.h"
#include "render/OffscreenPicture.h"
#include "tests/support/RecordingUi.h"
#include "vector/VectorPicture.h"

#include <png.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace vellum::testing {
namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

bool runTool(const std::string& command) {
    const int status = std::system((command + " 2>/dev/null").c_str());
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

RgbImage readPng(const std::string& path) {
    RgbImage image;
    std::string bytes;
    if (!readWholeFile(path, bytes)) return image;
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return image;
    png.format = PNG_FORMAT_RGB;
    png.flags = 0;
    image.width = int(png.width);
    image.height = int(png.height);
    image.pixels.resize(PNG_IMAGE_SIZE(png));
    // Transparent pixels would come out black; a picture's background is white.
    png_color white{255, 255, 255};
    if (!png_image_finish_read(&png, &white, image.pixels.data(), 0, nullptr)) image = RgbImage{};
    return image;
}

// The picture the file holds, drawn back to pixels at one pixel per unit of the file.
RgbImage rasterise(const std::string& path, const std::string& scratch) {
    const std::string png = scratch + ".png";
    std::error_code ec;
    fs::remove(png, ec);
    const bool ok = path.ends_with(".pdf")
                        ? runTool("pdftoppm -r 72 -png -singlefile " + quoted(path) + " " + quoted(scratch))
                        : runTool("rsvg-convert -b white -o " + quoted(png) + " " + quoted(path));
    return ok ? readPng(png) : RgbImage{};
}

const uint8_t* pixel(const RgbImage& image, int x, int y) {
    return image.pixels.data() + (size_t(y) * size_t(image.width) + size_t(x)) * 3;
}

// Layout and colours: the mean colour of every 8 x 8 block of the two pictures. Lines and
// glyphs are drawn smooth in one and in whole pixels in the other, so a block may differ a
// little; a face in the wrong place, a wrong colour or a missing piece moves many blocks.
struct BlockComparison {
    int blocks = 0, differing = 0, worst = 0;
};
BlockComparison compareBlocks(const RgbImage& a, const RgbImage& b, int tolerance) {
    BlockComparison c;
    constexpr int kBlock = 8;
    for (int by = 0; by + kBlock <= a.height; by += kBlock)
        for (int bx = 0; bx + kBlock <= a.width; bx += kBlock) {
            int difference = 0;
            for (int channel = 0; channel < 3; ++channel) {
                int sumA = 0, sumB = 0;
                for (int y = by; y < by + kBlock; ++y)
                    for (int x = bx; x < bx + kBlock; ++x) {
                        sumA += pixel(a, x, y)[channel];
                        sumB += pixel(b, x, y)[channel];
                    }
                difference = std::max(difference, std::abs(sumA - sumB) / (kBlock * kBlock));
            }
            ++c.blocks;
            c.differing += difference > tolerance;
            c.worst = std::max(c.worst, difference);
        }
    return c;
}

// Kept where the test ran, for a person to look at.
void keepForAPerson(const RgbImage& image, const std::string& name) {
    RecordingUi ui;
    std::error_code ec;
    ExportImage(ui, (fs::current_path(ec) / name).string(), image);
}

struct LoadedJob {
    Document doc;
    int width = 0, height = 0;
    bool ok = false;
};

void loadJob(const std::string& path, LoadedJob& job) {
    RecordingUi ui;
    job.doc.look.WINDOW = kInitialFrameEdges;
    const bool stl = path.ends_with(".stl");
    job.ok = (stl ? job.doc.ImportStl(ui, path) : job.doc.RunCommandLineFile(ui, path, {})) == 0;
    std::tie(job.width, job.height) = drawingAreaOfFrame(job.doc.look.WINDOW);
}

VectorRequest requestFor(const LoadedJob& job) {
    VectorRequest r;
    r.width = job.width;
    r.height = job.height;
    r.dataSet = job.doc.drawable();
    r.state = SceneState{job.doc.options.dataType, job.doc.modelShape()};
    return r;
}

// An example and how far its blocks may differ: smoothing lines changes a block little,
// but the flow's arrows are a field of one-pixel lines that cross nearly every block.
struct VectorExample {
    const char* job;
    int tolerance;
};
void PrintTo(const VectorExample& example, std::ostream* out) { *out << example.job; }

class VectorExamples : public ::testing::TestWithParam<VectorExample> {
protected:
    TempFolder folder;
};

TEST_P(VectorExamples, PdfAndSvgDrawBackToTheHeadlessPicture) {
    LoadedJob job;
    const char* example = GetParam().job;
    loadJob(std::string(VELLUM_SOURCE_DIR) + "/examples/" + example, job);
    ASSERT_TRUE(job.ok) << example;

    OffscreenRequest offscreen;
    offscreen.width = job.width;
    offscreen.height = job.height;
    offscreen.dataSet = job.doc.drawable();
    offscreen.state = SceneState{job.doc.options.dataType, job.doc.modelShape()};
    std::string error;
    const RgbImage expected = PaintOffscreen(job.doc.look, offscreen, error);
    ASSERT_FALSE(expected.pixels.empty()) << error;

    const std::string name = fs::path(example).stem().string();
    for (const char* extension : {".pdf", ".svg"}) {
        SCOPED_TRACE(std::string(example) + extension);
        const std::string path = folder.path() + name + extension;
        RecordingUi ui;
        ASSERT_EQ(ExportVectorPicture(ui, path, job.doc.look, requestFor(job)), 0);
        EXPECT_TRUE(ui.messages.empty());
        // The examples' pictures stay small enough to mail.
        EXPECT_LT(fs::file_size(path), 5u * 1024 * 1024);
        const RgbImage drawn = rasterise(path, folder.path() + name);
        ASSERT_EQ(drawn.width, expected.width);
        ASSERT_EQ(drawn.height, expected.height);
        const BlockComparison c = compareBlocks(drawn, expected, GetParam().tolerance);
        EXPECT_LT(c.differing * 100, c.blocks) << c.differing << " of " << c.blocks << " blocks differ, worst " << c.worst;
        if (::testing::Test::HasFailure()) {
            keepForAPerson(expected, "VectorExamples-" + name + "-expected.png");
            keepForAPerson(drawn, "VectorExamples-" + name + extension + "-drawn.png");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, VectorExamples,
                         ::testing::Values(VectorExample{"plate/plate.dat", 36}, VectorExample{"plate/plate-automesh.dat", 36},
                                           VectorExample{"element-values/beam.dat", 36},
                                           VectorExample{"vector/flow.dat", 56}, VectorExample{"solid/fin.dat", 36},
                                           VectorExample{"polar/disc.dat", 36}, VectorExample{"japanese/moment.dat", 36},
                                           VectorExample{"stl/flanged-tube.stl", 36}),
                         [](const ::testing::TestParamInfo<VectorExample>& info) {
                             std::string name = fs::path(info.param.job).stem().string();
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

TEST(VectorPicture, TitlesAndLabelsAreTextInThePdfAndTheSvg) {
    TempFolder folder;
    for (const char* example : {"japanese/moment.dat", "plate/plate.dat"}) {
        SCOPED_TRACE(example);
        LoadedJob job;
        loadJob(std::string(VELLUM_SOURCE_DIR) + "/examples/" + example, job);
        ASSERT_TRUE(job.ok);
        ASSERT_FALSE(job.doc.look.TITLE.empty());
        RecordingUi ui;
        const std::string pdf = folder.path() + "picture.pdf", txt = folder.path() + "picture.txt";
        const std::string svg = folder.path() + "picture.svg";
        ASSERT_EQ(ExportVectorPicture(ui, pdf, job.doc.look, requestFor(job)), 0);
        ASSERT_EQ(ExportVectorPicture(ui, svg, job.doc.look, requestFor(job)), 0);
        ASSERT_TRUE(runTool("pdftotext -enc UTF-8 " + quoted(pdf) + " " + quoted(txt)));
        std::string text, svgText;
        ASSERT_TRUE(readWholeFile(txt, text));
        ASSERT_TRUE(readWholeFile(svg, svgText));
        std::vector<std::string> names{job.doc.look.TITLE};
        for (const std::string& label : job.doc.look.LABEL)
            if (!label.empty()) names.push_back(label);
        for (const std::string& name : names) {
            EXPECT_NE(text.find(name), std::string::npos) << name << "\n" << text;
            EXPECT_NE(svgText.find("\">" + name + "</text>"), std::string::npos) << name;
        }
    }
}

// A title that is not valid UTF-8 and holds markup characters still gives an SVG that
// reads back, with the text escaped and the broken byte replaced.
TEST(VectorPicture, ADamagedTitleStillGivesAReadableSvg) {
    TempFolder folder;
    LoadedJob job;
    loadJob(std::string(VELLUM_SOURCE_DIR) + "/examples/plate/plate.dat", job);
    ASSERT_TRUE(job.ok);
    job.doc.look.TITLE = "A&B <x> \"q\" \xff\x01" "end";
    RecordingUi ui;
    const std::string svg = folder.path() + "damaged.svg";
    ASSERT_EQ(ExportVectorPicture(ui, svg, job.doc.look, requestFor(job)), 0);
    std::string bytes;
    ASSERT_TRUE(readWholeFile(svg, bytes));
    EXPECT_NE(bytes.find("A&amp;B &lt;x&gt; &quot;q&quot; \xEF\xBF\xBD" "end</text>"), std::string::npos);
    EXPECT_EQ(rasterise(svg, folder.path() + "damaged").width, job.width);
}

// Two squares one above the other, the nearer one listed first, seen turned.
TEST(VectorPicture, TheNearerFaceStaysInFrontWhateverItsOrder) {
    TempFolder folder;
    DataSet front = quadSheet(1, 1, 0.2, [](double, double) { return 1.0; });
    const DataSet back = quadSheet(1, 1, -0.2, [](double, double) { return 0.0; });
    for (NodeRecord node : back.nodes) {
        node.number += 10;
        front.nodes.push_back(node);
    }
    ElementRecord second = back.elements[0];
    for (uint32_t& n : second.nodes) n += 4;
    second.number = 2;
    front.elements.push_back(second);
    front.nodeCount = 8;
    front.elementCount = 2;
    front.minimum[2] = -0.2;
    front.maximum[2] = 0.2;
    front.extent[2] = 0.4;

    ViewSettings look;
    look.MIN = 0.0;
    look.MAX = 1.0;
    look.legendOn[0] = 0;
    look.axesOn = 0;
    look.gridOn = {0, 0, 0, 0, 0, 0};
    for (const std::array<int, 3> turn : {std::array<int, 3>{1800, 1800, 1800}, std::array<int, 3>{1750, 1820, 1790},
                                          std::array<int, 3>{1980, 1800, 1800}}) {
        look.DIGREE = turn;
        const bool flipped = turn[0] == 1980; // seen from below: the low square is the nearer one
        VectorRequest request;
        request.width = 400;
        request.height = 300;
        request.dataSet = &front;
        request.state = SceneState{kNodeValues, kSheetShape};
        request.withText = false;
        for (const char* extension : {".pdf", ".svg"}) {
            SCOPED_TRACE(std::string(extension) + " " + std::to_string(turn[0]));
            RecordingUi ui;
            const std::string path = folder.path() + "faces" + extension;
            ASSERT_EQ(ExportVectorPicture(ui, path, look, request), 0);
            const RgbImage drawn = rasterise(path, folder.path() + "faces");
            ASSERT_EQ(drawn.width, 400);
            const uint8_t* centre = pixel(drawn, 200, 150);
            const int nearChannel = flipped ? 2 : 0;
            EXPECT_GT(centre[nearChannel], 200) << int(centre[0]) << " " << int(centre[1]) << " " << int(centre[2]);
            EXPECT_LT(centre[1], 60);
        }
    }
}

// Half the size: the mean of every 2 x 2 pixels.
RgbImage halved(const RgbImage& image) {
    RgbImage out;
    out.width = image.width / 2;
    out.height = image.height / 2;
    out.pixels.resize(size_t(out.width) * size_t(out.height) * 3);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            for (int c = 0; c < 3; ++c)
                out.pixels[(size_t(y) * size_t(out.width) + size_t(x)) * 3 + size_t(c)] = uint8_t(
                    (pixel(image, 2 * x, 2 * y)[c] + pixel(image, 2 * x + 1, 2 * y)[c] + pixel(image, 2 * x, 2 * y + 1)[c] +
                     pixel(image, 2 * x + 1, 2 * y + 1)[c] + 2) / 4);
    return out;
}

std::string toolOutput(const std::string& command, const std::string& scratch) {
    std::string text;
    if (!runTool(command + " > " + quoted(scratch))) return text;
    readWholeFile(scratch, text);
    return text;
}

// A sheet of more faces than a file should carry as paths: the graph body goes in as one
// image, drawn like the headless picture, while the legend and the title stay vector.
TEST(VectorPicture, AVeryLargeGraphBodyGoesInAsOneImageAndTextStaysText) {
    TempFolder folder;
    const DataSet sheet = quadSheet(330, 330, 0.0, [](double x, double y) { return 0.5 + 0.5 * std::sin(6 * x) * std::cos(5 * y); });
    ViewSettings look;
    look.MIN = 0.0;
    look.MAX = 1.0;
    look.TITLE = "Large sheet";
    look.DIGREE = {1750, 1800, 1790};
    const SceneState state{kNodeValues, kSheetShape};
    OffscreenRequest offscreen;
    offscreen.width = 640;
    offscreen.height = 480;
    offscreen.dataSet = &sheet;
    offscreen.state = state;
    std::string error;
    const RgbImage expected = PaintOffscreen(look, offscreen, error);
    ASSERT_FALSE(expected.pixels.empty()) << error;

    VectorRequest request;
    request.width = 640;
    request.height = 480;
    request.dataSet = &sheet;
    request.state = state;
    for (const char* extension : {".pdf", ".svg"}) {
        SCOPED_TRACE(extension);
        const std::string path = folder.path() + "large" + extension;
        RecordingUi ui;
        ASSERT_EQ(ExportVectorPicture(ui, path, look, request), 0);
        EXPECT_LT(fs::file_size(path), 5u * 1024 * 1024);
        const RgbImage drawn = rasterise(path, folder.path() + "large");
        ASSERT_EQ(drawn.width, 640);
        const BlockComparison c = compareBlocks(drawn, expected, 36);
        EXPECT_LT(c.differing * 100, c.blocks) << c.differing << " of " << c.blocks << " blocks differ";
        if (::testing::Test::HasFailure()) keepForAPerson(drawn, std::string("VectorLarge") + extension + ".png");
    }
    const std::string pdf = folder.path() + "large.pdf", scratch = folder.path() + "out.txt";
    const std::string images = toolOutput("pdfimages -list " + quoted(pdf), scratch);
    EXPECT_NE(images.find(" image "), std::string::npos) << images;
    EXPECT_NE(toolOutput("pdftotext " + quoted(pdf) + " -", scratch).find("Large sheet"), std::string::npos);
}

// A report picture: twice the page, with everything on it twice as large.
TEST(VectorPicture, AScaledPageDrawsTheSamePictureLarger) {
    TempFolder folder;
    LoadedJob job;
    loadJob(std::string(VELLUM_SOURCE_DIR) + "/examples/element-values/beam.dat", job);
    ASSERT_TRUE(job.ok);
    VectorRequest request = requestFor(job);
    RecordingUi ui;
    const std::string once = folder.path() + "once.pdf", twice = folder.path() + "twice.pdf";
    ASSERT_EQ(ExportVectorPicture(ui, once, job.doc.look, request), 0);
    request.scale = 2.0;
    ASSERT_EQ(ExportVectorPicture(ui, twice, job.doc.look, request), 0);
    const RgbImage small = rasterise(once, folder.path() + "once");
    const RgbImage large = rasterise(twice, folder.path() + "twice");
    ASSERT_EQ(large.width, 2 * job.width);
    ASSERT_EQ(large.height, 2 * job.height);
    const BlockComparison c = compareBlocks(halved(large), small, 24);
    EXPECT_LT(c.differing * 100, c.blocks) << c.differing << " of " << c.blocks << " blocks differ";
}

TEST(VectorPicture, AFailedWriteShowsTheMessageAndKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempFolder folder;
    const std::string locked = folder.path() + "locked/";
    fs::create_directories(locked);
    const std::string path = locked + "picture.pdf";
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    ::chmod(locked.c_str(), 0555);
    ViewSettings look;
    VectorRequest request;
    request.width = 100;
    request.height = 80;
    RecordingUi ui;
    EXPECT_EQ(ExportVectorPicture(ui, path, look, request), 1);
    ::chmod(locked.c_str(), 0755);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"イメージのエクスポートに失敗しました"});
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path, bytes));
    EXPECT_EQ(bytes, "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(locked), fs::directory_iterator{}), 1);
}

TEST(VectorPicture, TheFormatComesFromTheExtensionInAnyCase) {
    EXPECT_EQ(vectorFormatForPath("/a/b.svg"), VectorFormat::Svg);
    EXPECT_EQ(vectorFormatForPath("B.PDF"), VectorFormat::Pdf);
    EXPECT_EQ(vectorFormatForPath("c.Svg"), VectorFormat::Svg);
    EXPECT_EQ(vectorFormatForPath("d.pdf.png"), VectorFormat::None);
    EXPECT_EQ(vectorFormatForPath("/dir.pdf/picture"), VectorFormat::None);
    EXPECT_EQ(vectorFormatForPath("pdf"), VectorFormat::None);
    RecordingUi ui;
    ViewSettings look;
    VectorRequest request;
    request.width = 10;
    request.height = 10;
    EXPECT_EQ(ExportVectorPicture(ui, "/tmp/never-written.gif", look, request), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"ファイルの拡張子が不明です"});
}

} // namespace
} // namespace vellum::testing
