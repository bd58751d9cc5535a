// The frames of a result series from the headless program: each is the picture a plain
// job of that step draws, an unfit step is named and skipped, and an animation holds them all.
#include "../BatchTestFolder.h"
#include "cli/BatchOptions.h"
#include "cli/HeadlessJob.h"
#include "cli/SeriesFrames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace vellum {
namespace {

class SeriesFrames : public ::testing::Test {
protected:
    testing::TempFolder folder;
    void SetUp() override {
        std::string nodes;
        for (int j = 0; j <= 20; ++j)
            for (int i = 0; i <= 20; ++i)
                nodes += std::to_string(j * 21 + i + 1) + " " + std::to_string(i / 20.0) + " " + std::to_string(j / 20.0) + "\n";
        folder.write("job/nodes.txt", nodes);
        for (int step = 1; step <= 3; ++step) {
            std::string rows;
            for (int n = 1; n <= 441; ++n)
                rows += std::to_string(n) + " " + std::to_string(std::sin(n * 0.05 + step) * step) + "\n";
            folder.write("job/out/s" + std::to_string(step) + ".txt", rows);
        }
        folder.write("job/out/s4.txt", "1 1\n2 2\n"); // a step for two nodes only
    }
    int run(const std::string& job, const std::string& series, std::string& messages) {
        BatchOptions options;
        options.inputFile = folder.path() + job;
        options.seriesOutput = series.empty() ? "" : folder.path() + series;
        options.width = 200;
        options.height = 150;
        std::ostringstream err, out;
        const int status = runHeadlessJob(options, err, out);
        messages = err.str();
        return status;
    }
};

TEST_F(SeriesFrames, EveryFrameIsThePictureOfItsStepAndAnUnfitStepIsSkipped) {
    folder.write("job/series.dat", "PointFile=nodes.txt\nDataSeries=out/s*.txt\n");
    std::string messages;
    EXPECT_EQ(run("job/series.dat", "frames/f_%02d.png", messages), 0) << messages;
    EXPECT_EQ(messages, "データシリーズのステップを除きました（節点番号 3 のデータがありません）\nout/s4.txt\n");
    EXPECT_TRUE(folder.exists("frames/f_03.png"));
    EXPECT_FALSE(folder.exists("frames/f_04.png"));
    for (int step = 1; step <= 3; ++step) {
        const std::string name = "job/plain" + std::to_string(step) + ".dat";
        folder.write(name, "PointFile=nodes.txt\nDataFile=out/s" + std::to_string(step) + ".txt\nImageFile=plain.png\n");
        ASSERT_EQ(run(name, "", messages), 0) << messages;
        // Compared whole, but not printed whole when they differ.
        EXPECT_TRUE(folder.read("job/plain.png") == folder.read("frames/f_0" + std::to_string(step) + ".png")) << step;
    }
    EXPECT_TRUE(folder.read("frames/f_01.png") != folder.read("frames/f_02.png"));

    // One animation of the three steps.
    ASSERT_EQ(run("job/series.dat", "anim.gif", messages), 0) << messages;
    const std::string check = "/usr/bin/python3 -c \"from PIL import Image; im = Image.open('" + folder.path() +
                              "anim.gif'); print(im.n_frames, im.size)\" > " + folder.path() + "frames.txt 2>&1";
    ASSERT_EQ(std::system(check.c_str()), 0) << folder.read("frames.txt");
    EXPECT_EQ(folder.read("frames.txt"), "3 (200, 150)\n");
}

TEST(SeriesFrameNames, ThePatternsNumberIsFilledIn) {
    EXPECT_EQ(frameFileName("f_%04d.png", 7), "f_0007.png");
    EXPECT_EQ(frameFileName("100%%_%d.png", 12), "100%_12.png");
    EXPECT_EQ(frameFileName("f_%3d.png", 5), "f_  5.png");
    EXPECT_EQ(frameFileName("f.png", 1), "");
    EXPECT_EQ(frameFileName("f_%d_%d.png", 1), "");
    EXPECT_EQ(frameFileName("f_%s.png", 1), "");
}

} // namespace
} // namespace vellum
