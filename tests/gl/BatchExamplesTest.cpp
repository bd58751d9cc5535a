// The headless program end to end: every example renders, the plate's picture shows its
// legend and its coloured surface, and failures exit 1 with their message.
#include "../BatchTestFolder.h"
#include "../PngHeader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace vellum {
namespace {

using test::pngSize;

namespace fs = std::filesystem;

// The program sits beside the tests folder of the same build.
std::string batchProgram() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return (self.parent_path().parent_path() / "vellumplot-batch").string();
}

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct Outcome {
    int exitCode = -1;
    std::string out, err;
};

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb; // top row first
    const uint8_t* at(int x, int y) const { return rgb.data() + (static_cast<size_t>(y) * width + x) * 3; }
};

uint32_t littleEndian(const std::string& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
    return v;
}

// The 24-bit bottom-up BMP the program writes.
Picture readBmp(const std::string& bytes) {
    Picture p;
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) return p;
    p.width = static_cast<int>(littleEndian(bytes, 18, 4));
    p.height = static_cast<int>(littleEndian(bytes, 22, 4));
    const size_t offset = littleEndian(bytes, 10, 4);
    const size_t row = (static_cast<size_t>(p.width) * 3 + 3) & ~size_t{3};
    if (bytes.size() < offset + row * p.height) return Picture{};
    p.rgb.resize(static_cast<size_t>(p.width) * p.height * 3);
    for (int y = 0; y < p.height; ++y) {
        const char* src = bytes.data() + offset + row * (p.height - 1 - y);
        for (int x = 0; x < p.width; ++x) {
            uint8_t* dst = p.rgb.data() + (static_cast<size_t>(y) * p.width + x) * 3;
            dst[0] = static_cast<uint8_t>(src[x * 3 + 2]);
            dst[1] = static_cast<uint8_t>(src[x * 3 + 1]);
            dst[2] = static_cast<uint8_t>(src[x * 3]);
        }
    }
    return p;
}

bool isSaturated(const uint8_t* p) {
    const int hi = std::max({p[0], p[1], p[2]}), lo = std::min({p[0], p[1], p[2]});
    return hi - lo > 120;
}

class BatchExamples : public ::testing::Test {
protected:
    testing::TempFolder folder;
    std::string examples = folder.path() + "examples/";

    void SetUp() override {
        ASSERT_TRUE(fs::exists(batchProgram())) << batchProgram();
        fs::copy(fs::path(VELLUM_SOURCE_DIR) / "examples", examples, fs::copy_options::recursive);
    }

    Outcome run(const std::string& arguments) {
        const std::string out = folder.path() + "stdout.txt", err = folder.path() + "stderr.txt";
        const std::string command = quoted(batchProgram()) + " " + arguments + " >" + quoted(out) + " 2>" + quoted(err);
        const int status = std::system(command.c_str());
        Outcome o;
        o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        o.out = folder.read("stdout.txt");
        o.err = folder.read("stderr.txt");
        return o;
    }

    std::string backup(const char* name) { return folder.read(std::string("data/vellumPLOT/") + name); }
};

TEST_F(BatchExamples, EveryExampleRendersAtTheFrameSize) {
    const std::vector<std::pair<std::string, std::string>> jobs = {
        {"plate/plate.dat", "plate/plate.png"},
        {"plate/plate-automesh.dat", "plate/plate-automesh.png"},
        {"element-values/beam.dat", "element-values/beam.png"},
        {"vector/flow.dat", "vector/flow.png"},
        {"solid/fin.dat", "solid/fin.png"},
        {"polar/disc.dat", "polar/disc.png"},
        {"japanese/moment.dat", "japanese/moment.png"},
    };
    for (const auto& [job, image] : jobs) {
        const Outcome o = run("--out " + quoted(folder.path() + "copy.bmp") + " " + quoted(examples + job));
        EXPECT_EQ(o.exitCode, 0) << job << "\n" << o.err;
        EXPECT_EQ(o.err, "") << job;
        // 780 x 560 frame less 80 pixels of bars.
        EXPECT_EQ(pngSize(folder.read("examples/" + image)), std::make_pair(780, 480)) << image;
        // The whole model and its decorations lie inside the frame: its edges are background.
        const Picture p = readBmp(folder.read("copy.bmp"));
        ASSERT_EQ(p.width, 780) << job;
        int edgePixels = 0;
        for (int x = 0; x < p.width; ++x)
            for (int y : {0, p.height - 1}) edgePixels += p.at(x, y)[0] != 255 || p.at(x, y)[1] != 255;
        for (int y = 0; y < p.height; ++y)
            for (int x : {0, p.width - 1}) edgePixels += p.at(x, y)[0] != 255 || p.at(x, y)[1] != 255;
        EXPECT_EQ(edgePixels, 0) << job << " is cut at the edge of the picture";
    }
    const Outcome stl = run("--out " + quoted(folder.path() + "tube.png") + " --size 640x400 " +
                            quoted(examples + "stl/flanged-tube.stl"));
    EXPECT_EQ(stl.exitCode, 0) << stl.err;
    EXPECT_EQ(pngSize(folder.read("tube.png")), std::make_pair(640, 400));
}

TEST_F(BatchExamples, ThePlateShowsItsLegendAndItsColouredSurface) {
    const Outcome o = run("--out " + quoted(folder.path() + "plate.bmp") + " " + quoted(examples + "plate/plate.dat"));
    ASSERT_EQ(o.exitCode, 0) << o.err;
    const Picture p = readBmp(folder.read("plate.bmp"));
    ASSERT_EQ(p.width, 780);
    ASSERT_EQ(p.height, 480);

    // The legend: a colour bar at the right, red (the maximum) above blue (the minimum).
    int redTop = -1, blueBottom = -1;
    for (int y = 0; y < p.height; ++y)
        for (int x = p.width * 8 / 10; x < p.width * 95 / 100; ++x) {
            const uint8_t* c = p.at(x, y);
            if (redTop < 0 && c[0] > 200 && c[1] < 80 && c[2] < 80) redTop = y;
            if (c[2] > 200 && c[0] < 80 && c[1] < 80) blueBottom = y;
        }
    EXPECT_GE(redTop, 0);
    EXPECT_GT(blueBottom, redTop + 100);

    // The plate: strong colours fill much of the middle of the picture.
    int coloured = 0, total = 0;
    for (int y = p.height / 5; y < p.height * 4 / 5; ++y)
        for (int x = p.width / 4; x < p.width * 3 / 4; ++x, ++total) coloured += isSaturated(p.at(x, y));
    EXPECT_GT(coloured, total / 10);
    if (::testing::Test::HasFailure()) {
        // Kept where the test ran, for a person to look at.
        std::error_code ec;
        fs::copy_file(folder.path() + "plate.bmp", "BatchExamples-plate.bmp", fs::copy_options::overwrite_existing, ec);
    }
}

TEST_F(BatchExamples, SummaryAndBackupsDescribeTheRun) {
    const Outcome o = run("--summary --size 320x200 " + quoted(examples + "plate/plate-automesh.dat"));
    ASSERT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out.rfind("{\"nodeFile\": \"" + examples + "plate/nodes.txt\", \"elementFile\": \"\", ", 0), 0u) << o.out;
    EXPECT_NE(o.out.find("\"nodes\": 861, \"elements\": 800, \"dataRows\": 861, \"dataType\": 0"), std::string::npos);
    EXPECT_NE(o.out.find("\"loaded\": true}\n"), std::string::npos);
    EXPECT_EQ(pngSize(folder.read("examples/plate/plate-automesh.png")), std::make_pair(320, 200));

    // The backups name every file by full path and read back into the same graph.
    const std::string commands = backup("bkCmdLine.dat");
    EXPECT_NE(commands.find("PointFile=" + examples + "plate/nodes.txt\n"), std::string::npos) << commands;
    EXPECT_NE(commands.find("ElementFile=\n"), std::string::npos);
    EXPECT_NE(commands.find("ViewFile=" + folder.path() + "data/vellumPLOT/bkView.ini\n"), std::string::npos);
    EXPECT_NE(backup("bkView.ini").find("DIGREE= 2100 1800 2130\r\n"), std::string::npos);
    const Outcome again = run("--summary --out " + quoted(folder.path() + "again.png") + " " +
                              quoted(folder.path() + "data/vellumPLOT/bkCmdLine.dat"));
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_NE(again.out.find("\"nodes\": 861, \"elements\": 800, \"dataRows\": 861, \"dataType\": 0"), std::string::npos);
}

TEST_F(BatchExamples, AFailedRunExitsOneWithItsMessageAndLeavesNoImageOrBackup) {
    folder.write("bad/job.dat", "PointFile=none.txt\nImageFile=out.png\nAutoExit=1\n");
    const Outcome o = run("--summary --out " + quoted(folder.path() + "x.png") + " " + quoted(folder.path() + "bad/job.dat"));
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err, "節点ファイルのオープンに失敗しました\nファイルの有無を確認してください\n節点ファイルを確認してください\n"
                     "対象ファイル: " + folder.path() + "bad/none.txt（ファイルがありません）\n");
    EXPECT_NE(o.out.find("\"loaded\": false"), std::string::npos);
    EXPECT_FALSE(folder.exists("x.png"));
    EXPECT_FALSE(folder.exists("bad/out.png"));
    EXPECT_FALSE(folder.exists("data/vellumPLOT/bkCmdLine.dat"));

    const Outcome unknown = run("--out " + quoted(folder.path() + "x.gif") + " " + quoted(examples + "polar/disc.dat"));
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, "ファイルの拡張子が不明です\n対象ファイル: " + folder.path() + "x.gif\n");

    EXPECT_EQ(run("--size 0x10 a.dat").exitCode, 1);
    EXPECT_EQ(run("").exitCode, 1);
    const Outcome help = run("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("usage: vellumplot-batch", 0), 0u);
}

// A node file without a node stops the run: no blank picture, and the backups of the last
// good graph are not replaced by an empty one.
TEST_F(BatchExamples, AnEmptyNodeFileExitsOneAndKeepsTheLastBackups) {
    ASSERT_EQ(run(quoted(examples + "plate/plate.dat")).exitCode, 0);
    const std::string view = backup("bkView.ini"), commands = backup("bkCmdLine.dat");
    folder.write("empty/nodes.txt", "\n   \n");
    folder.write("empty/job.dat", "PointFile=nodes.txt\nElementFile=\nImageFile=out.png\nAutoExit=1\n");
    const Outcome o = run(quoted(folder.path() + "empty/job.dat"));
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err, "節点ファイルに節点データがありません\n節点ファイルを確認してください\n対象ファイル: " + folder.path() +
                         "empty/nodes.txt\n");
    EXPECT_FALSE(folder.exists("empty/out.png"));
    EXPECT_EQ(backup("bkView.ini"), view);
    EXPECT_EQ(backup("bkCmdLine.dat"), commands);
}

TEST_F(BatchExamples, ALookFilesWindowSizeSetsTheDrawingArea) {
    folder.write("win/look.ini", "[GRAPHPOSITION]\r\nWINDOW= 500 100 50 450 1\r\n");
    fs::copy(examples + "polar/disc-nodes.txt", folder.path() + "win/n.txt");
    folder.write("win/job.dat", "PointFile=n.txt\nViewFile=look.ini\nPolarCoordinates=1\nImageFile=w.png\n");
    const Outcome o = run(quoted(folder.path() + "win/job.dat"));
    ASSERT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(pngSize(folder.read("win/w.png")), std::make_pair(400, 320));
}

} // namespace
} // namespace vellum

namespace vellum {
namespace {

// A script asks what lies under pixels of the picture, and the summary names the extremes
// that a look file marks on it.
TEST_F(BatchExamples, ProbesAndExtremesOfAGeneratedGrid) {
    std::string nodes, values;
    for (int j = 0; j <= 20; ++j)
        for (int i = 0; i <= 20; ++i) {
            const int number = j * 21 + i + 1;
            const double x = i / 10.0, y = j / 10.0;
            nodes += std::to_string(number) + " " + std::to_string(x) + " " + std::to_string(y) + "\n";
            values += std::to_string(number) + " " + std::to_string(x * y) + "\n";
        }
    folder.write("grid/nodes.txt", nodes);
    folder.write("grid/values.txt", values);
    folder.write("grid/look.ini", "[PROBE]\r\nEXTREMES= 1\r\n");
    folder.write("grid/job.dat", "PointFile=nodes.txt\nDataFile=values.txt\nViewFile=look.ini\n");
    const Outcome o = run("--summary --size 400x300 --probe 200,150 --probe 0,0 --out " + quoted(folder.path() + "g.bmp") +
                          " " + quoted(folder.path() + "grid/job.dat"));
    ASSERT_EQ(o.exitCode, 0) << o.err;
    std::istringstream lines(o.out);
    std::string summary, centre, corner;
    std::getline(lines, summary);
    std::getline(lines, centre);
    std::getline(lines, corner);
    EXPECT_NE(summary.find("\"extremes\": {\"max\": {\"node\": 441, \"value\": 4, \"coordinates\": [2, 2, 0]}, "
                           "\"min\": {\"node\": 1, \"value\": 0, \"coordinates\": [0, 0, 0]}}"),
              std::string::npos)
        << summary;
    EXPECT_EQ(corner, "{\"pixel\": [0, 0], \"hit\": false}");
    // The node found in the middle of the picture holds the value of its own coordinates.
    double x = -1, y = -1, value = -1;
    int node = 0;
    ASSERT_EQ(std::sscanf(centre.c_str(),
                          "{\"pixel\": [200, 150], \"hit\": true, \"node\": %d, \"element\": null, \"coordinates\": "
                          "[%lf, %lf, 0], \"values\": [%lf]}",
                          &node, &x, &y, &value),
              4)
        << centre;
    EXPECT_EQ(node, int(std::lround(y * 10)) * 21 + int(std::lround(x * 10)) + 1);
    EXPECT_NEAR(value, x * y, 1e-6);
    const Picture p = readBmp(folder.read("g.bmp"));
    ASSERT_EQ(p.width, 400);
    EXPECT_FALSE(p.at(200, 150)[0] == 255 && p.at(200, 150)[1] == 255 && p.at(200, 150)[2] == 255);
    // The largest value's marker: a darker red than any the colour map gives.
    int marker = 0;
    for (int py = 0; py < p.height; ++py)
        for (int px = 0; px < p.width; ++px)
            if (std::abs(p.at(px, py)[0] - 217) < 10 && p.at(px, py)[1] < 10 && p.at(px, py)[2] < 10) ++marker;
    EXPECT_GE(marker, 16);
}

} // namespace
} // namespace vellum
