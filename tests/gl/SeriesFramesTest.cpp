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

// Shards of a series, run one after another as N machines would, write every frame once,
// each byte for byte the frame of one whole run, with the range printed once and given to all.
TEST_F(SeriesFrames, ShardsWriteEveryFrameOnceWithTheSameRange) {
    folder.write("job/series.dat", "PointFile=nodes.txt\nDataSeries=out/s*.txt\n");
    BatchOptions options;
    options.inputFile = folder.path() + "job/series.dat";
    options.width = 200;
    options.height = 150;
    options.printRange = true;
    std::ostringstream err, range;
    ASSERT_EQ(runHeadlessJob(options, err, range), 0) << err.str();
    double minimum = 0, maximum = 0;
    ASSERT_EQ(std::sscanf(range.str().c_str(), "{\"min\": %lf, \"max\": %lf}", &minimum, &maximum), 2) << range.str();
    EXPECT_LT(minimum, 0.0);
    EXPECT_GT(maximum, 2.0);
    EXPECT_FALSE(folder.exists("whole"));

    options.printRange = false;
    options.hasRange = true;
    options.rangeMinimum = minimum;
    options.rangeMaximum = maximum;
    options.seriesOutput = folder.path() + "whole/f_%d.png";
    ASSERT_EQ(runHeadlessJob(options, err, range), 0) << err.str();
    for (const int shards : {2, 3}) {
        for (int shard = 0; shard < shards; ++shard) {
            options.shardIndex = shard;
            options.shardCount = shards;
            options.seriesOutput = folder.path() + "shards" + std::to_string(shards) + "/f_%d.png";
            ASSERT_EQ(runHeadlessJob(options, err, range), 0) << err.str();
        }
        for (int frame = 1; frame <= 3; ++frame) {
            const std::string name = "/f_" + std::to_string(frame) + ".png";
            EXPECT_TRUE(folder.read("shards" + std::to_string(shards) + name) == folder.read("whole" + name))
                << shards << " shards, frame " << frame;
        }
        EXPECT_FALSE(folder.exists("shards" + std::to_string(shards) + "/f_4.png"));
    }
    // The given range is the one the series' own pass finds.
    options.shardCount = 1;
    options.shardIndex = 0;
    options.hasRange = false;
    options.fixedRange = true;
    options.seriesOutput = folder.path() + "fixed/f_%d.png";
    ASSERT_EQ(runHeadlessJob(options, err, range), 0) << err.str();
    EXPECT_TRUE(folder.read("fixed/f_2.png") == folder.read("whole/f_2.png"));
}

// A list of jobs runs in one process: each as a single run, a failing one reported and the
// others still done.
TEST_F(SeriesFrames, AJobListReportsEveryJobAndGoesOnAfterAFailure) {
    folder.write("job/a.dat", "PointFile=nodes.txt\nDataFile=out/s1.txt\nImageFile=a.png\n");
    folder.write("job/b.dat", "PointFile=none.txt\nImageFile=b.png\n");
    folder.write("job/c.dat", "PointFile=nodes.txt\nDataFile=out/s2.txt\nImageFile=c.png\n");
    folder.write("list.txt", "# three jobs\njob/a.dat\n\njob/b.dat\r\n" + folder.path() + "job/c.dat\n");
    BatchOptions options;
    options.jobsFile = folder.path() + "list.txt";
    options.width = 200;
    options.height = 150;
    std::ostringstream err, out;
    EXPECT_EQ(runJobList(options, err, out), 1);
    EXPECT_EQ(out.str(), "{\"file\": \"" + folder.path() + "job/a.dat\", \"status\": 0, \"image\": \"" + folder.path() +
                             "job/a.png\"}\n{\"file\": \"" + folder.path() + "job/b.dat\", \"status\": 1, \"image\": null}\n"
                             "{\"file\": \"" + folder.path() + "job/c.dat\", \"status\": 0, \"image\": \"" + folder.path() +
                             "job/c.png\"}\n");
    EXPECT_NE(err.str().find("節点ファイルを確認してください"), std::string::npos);
    // The second of two shards takes the second job only.
    options.shardIndex = 1;
    options.shardCount = 2;
    std::ostringstream second;
    EXPECT_EQ(runJobList(options, err, second), 1);
    EXPECT_EQ(second.str(), "{\"file\": \"" + folder.path() + "job/b.dat\", \"status\": 1, \"image\": null}\n");
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
