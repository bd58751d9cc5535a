#include "cli/BatchOptions.h"
#include "batch/DrawingArea.h"
#include "model/Document.h"
#include "cli/RunSummary.h"
#include "data/DataSet.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

TEST(BatchOptions, ReadsEveryOptionInBothForms) {
    auto p = parseBatchOptions({"--out", "a.png", "--size=800x600", "--summary", "job.dat"});
    EXPECT_EQ(p.error, "");
    EXPECT_EQ(p.options.outImage, "a.png");
    EXPECT_EQ(p.options.width, 800);
    EXPECT_EQ(p.options.height, 600);
    EXPECT_TRUE(p.options.summary);
    EXPECT_EQ(p.options.inputFile, "job.dat");

    p = parseBatchOptions({"--out=b.jpg", "--size", "10X20", "--", "-odd.dat"});
    EXPECT_EQ(p.options.outImage, "b.jpg");
    EXPECT_EQ(p.options.height, 20);
    EXPECT_EQ(p.options.inputFile, "-odd.dat");

    p = parseBatchOptions({"--shard", "2/3", "--range=-1.5,2e3", "--print-range", "--jobs", "list.txt"});
    EXPECT_EQ(p.error, "");
    EXPECT_EQ(std::make_pair(p.options.shardIndex, p.options.shardCount), std::make_pair(2, 3));
    EXPECT_EQ(std::make_pair(p.options.rangeMinimum, p.options.rangeMaximum), std::make_pair(-1.5, 2000.0));
    EXPECT_TRUE(p.options.printRange);
    EXPECT_EQ(p.options.jobsFile, "list.txt");

    p = parseBatchOptions({"--probe", "0,0", "--probe=16383,7", "a.dat"});
    EXPECT_EQ(p.options.probes, (std::vector<std::pair<int, int>>{{0, 0}, {16383, 7}}));

    EXPECT_TRUE(parseBatchOptions({"--help"}).options.help);
    EXPECT_EQ(parseBatchOptions({"--version"}).error, "");
}

TEST(BatchOptions, RefusesWhatItCannotUse) {
    EXPECT_EQ(parseBatchOptions({}).error, "no file given");
    EXPECT_EQ(parseBatchOptions({"a.dat", "b.dat"}).error, "only one file can be given: b.dat");
    EXPECT_EQ(parseBatchOptions({"--colour", "a.dat"}).error, "unknown option: --colour");
    EXPECT_EQ(parseBatchOptions({"a.dat", "--out"}).error, "--out needs a value");
    EXPECT_EQ(parseBatchOptions({"a.dat", "--out="}).error, "--out needs a file name");
    for (const char* bad : {"800", "0x600", "800x", "x600", "800x600x2", "-5x5", "99999x10", "8 00x600"})
        EXPECT_NE(parseBatchOptions({"a.dat", "--size", bad}).error, "") << bad;
    for (const char* bad : {"3/3", "-1/2", "1/0", "1", "a/b", "1/2/3"})
        EXPECT_NE(parseBatchOptions({"a.dat", "--shard", bad}).error, "") << bad;
    for (const char* bad : {"2,1", "1", "x,2", "1,inf", "nan,1"})
        EXPECT_NE(parseBatchOptions({"a.dat", "--range", bad}).error, "") << bad;
    EXPECT_NE(parseBatchOptions({"--jobs", "list.txt", "a.dat"}).error, "");
    for (const char* bad : {"3", "3,", ",4", "-1,2", "16384,0", "1,2,3", "1.5,2"})
        EXPECT_NE(parseBatchOptions({"a.dat", "--probe", bad}).error, "") << bad;
}

TEST(BatchOptions, DrawingAreaIsTheFrameLessItsBars) {
    EXPECT_EQ(drawingAreaOfFrame(kInitialFrameEdges), std::make_pair(780, 480));
    EXPECT_EQ(drawingAreaOfFrame(WindowEdges{900, 100, 20, 700, 1}), std::make_pair(800, 600));
    // No area, an area too large, or edges far apart enough to wrap: the start-up frame.
    EXPECT_EQ(drawingAreaOfFrame(WindowEdges{100, 100, 0, 500, 1}), std::make_pair(780, 480));
    EXPECT_EQ(drawingAreaOfFrame(WindowEdges{640, 0, 0, 80, 1}), std::make_pair(780, 480));
    EXPECT_EQ(drawingAreaOfFrame(WindowEdges{2147483647, -2147483647 - 1, 0, 500, 1}), std::make_pair(780, 480));
}

TEST(RunSummaryJson, NumbersReadBackExactlyAndTextIsEscaped) {
    Document document;
    DataSet& d = document.dataSet;
    d.files.pointFilePath = "/data/\"odd\"\\n.txt";
    d.files.pointFileName = "n.txt";
    d.nodes.resize(2);
    d.minimum = {0.1, -2.5, 0};
    d.maximum = {1e-300, 3, 1.0 / 3.0};
    d.columnCount = 1;
    d.columnMinimum = {-1.25};
    d.columnMaximum = {2};
    document.loaded = 1;
    EXPECT_EQ(formatRunSummary(document, "/out/a.png"),
              "{\"nodeFile\": \"/data/\\\"odd\\\"\\\\n.txt\", \"elementFile\": \"\", \"dataFile\": \"\", "
              "\"viewFile\": \"\", \"imageFile\": \"/out/a.png\", \"nodes\": 2, \"elements\": 0, \"dataRows\": 0, "
              "\"dataType\": 0, \"shape\": 0, \"columnCount\": 1, \"min\": [0.1, -2.5, 0], "
              "\"max\": [1e-300, 3, 0.3333333333333333], \"columns\": [{\"min\": -1.25, \"max\": 2}], "
              "\"selectedColumn\": 0, \"vectorColumns\": [0, 1, 2], \"extremes\": null, \"loaded\": true}");
    EXPECT_EQ(jsonString("a\x01" "b"), "\"a\\u0001b\"");
}

} // namespace
} // namespace vellum
