// Result series: steps found by pattern in natural order, checked against the mesh, shown
// one after another on the same graph, with a legend range of their own or over them all.
#include "BatchGraph.h"
#include "BatchTestFolder.h"
#include "batch/DataSeries.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

TEST(SeriesNames, NaturalOrderAndWildcards) {
    std::vector<std::string> names{"step_10.txt", "step_2.txt", "step_1.txt", "step_02.txt", "step_b.txt", "step_.txt"};
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return naturalLess(a, b); });
    EXPECT_EQ(names, (std::vector<std::string>{"step_.txt", "step_1.txt", "step_2.txt", "step_02.txt", "step_10.txt",
                                               "step_b.txt"}));
    EXPECT_TRUE(wildcardMatch("step_*.txt", "step_10.txt"));
    EXPECT_TRUE(wildcardMatch("s?ep_*", "step_"));
    EXPECT_FALSE(wildcardMatch("step_*.txt", "step_10.txt.bak"));
    EXPECT_FALSE(wildcardMatch("step_?.txt", "step_10.txt"));
    EXPECT_TRUE(wildcardMatch("*a*b*c*", std::string(2000, 'a') + "bc")); // no exponential backtracking
}

// A 3 x 3 sheet with a series of node values; step 3 lacks node 9.
class Series : public ::testing::Test, protected testing::BatchGraph {
protected:
    testing::TempFolder folder;
    void SetUp() override {
        folder.write("job/nodes.txt", "1 0 0\n2 1 0\n3 2 0\n4 0 1\n5 1 1\n6 2 1\n7 0 2\n8 1 2\n9 2 2\n");
        folder.write("job/elements.txt", "1 1 2 5 4\n2 2 3 6 5\n3 4 5 8 7\n4 5 6 9 8\n");
        for (int step : {1, 2, 10}) {
            std::string rows;
            for (int n = 1; n <= 9; ++n) rows += std::to_string(n) + " " + std::to_string(n * step) + "\n";
            folder.write("job/results/step_" + std::to_string(step) + ".txt", rows);
        }
        folder.write("job/results/step_3.txt", "1 -50\n2 0\n3 0\n4 0\n5 0\n6 0\n7 0\n8 0\n");
    }
};

TEST_F(Series, StepsAreCheckedShownAndWrittenBack) {
    const std::string job = folder.write(
        "job/job.dat", "PointFile=nodes.txt\nElementFile=elements.txt\nDataFile=other.txt\nDataSeries=results/step_*.txt\n");
    ASSERT_EQ(runFile(job), 0) << ::testing::PrintToString(ui.messages);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"データシリーズがあるため DataFile の指定は使いません\nother.txt"});
    ASSERT_EQ(document.series.steps.size(), 4u);
    EXPECT_EQ(document.series.steps[3].name, "results/step_10.txt");
    EXPECT_EQ(dataSet.files.dataFilePath, folder.path() + "job/results/step_1.txt");
    EXPECT_DOUBLE_EQ(view.MAX, 9.0);

    // The check names the step that does not fit; the others stay.
    std::vector<size_t> unfit;
    for (size_t s = 0; s < document.series.steps.size(); ++s) {
        const std::string why = checkSeriesStep(dataSet, options.dataType, document.series.steps[s].path);
        if (!why.empty()) unfit.push_back(s);
        if (s == 2) {
            EXPECT_EQ(why, "節点番号 9 のデータがありません");
        }
    }
    EXPECT_EQ(unfit, std::vector<size_t>{2});
    document.DropSeriesSteps(unfit);
    ASSERT_EQ(document.series.steps.size(), 3u);

    // A step changes the data, and with it the legend; the camera and the pins stay.
    view.DIGREE = {1810, 1820, 1830};
    document.pins.push_back(ProbeTarget{8, kNoIndex});
    ASSERT_EQ(document.ShowSeriesStep(ui, 2), 0);
    EXPECT_DOUBLE_EQ(view.MAX, 90.0);
    EXPECT_DOUBLE_EQ(view.MIN, 10.0);
    EXPECT_EQ(view.DIGREE, (std::array<int, 3>{1810, 1820, 1830}));
    EXPECT_EQ(document.pins.size(), 1u);
    EXPECT_EQ(readProbe(dataSet, options.dataType, 0, document.pins[0]).values, std::vector<double>{90});

    // A step that cannot be read says so and leaves the step shown before.
    const std::string step10 = folder.read("job/results/step_10.txt");
    ASSERT_EQ(document.ShowSeriesStep(ui, 1), 0);
    folder.write("job/results/step_10.txt", "");
    ui.messages.clear();
    EXPECT_EQ(document.ShowSeriesStep(ui, 2), 1);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"データファイルにデータ値がありません"}));
    EXPECT_EQ(document.loaded, 1);
    EXPECT_EQ(document.series.shown, 1u);
    EXPECT_DOUBLE_EQ(view.MAX, 18.0);
    folder.write("job/results/step_10.txt", cp932ToUtf8(step10));

    // One range over every step, found one step at a time.
    view.seriesFixedRange = 1;
    document.ApplySeriesLegend();
    EXPECT_DOUBLE_EQ(view.MAX, 90.0);
    EXPECT_DOUBLE_EQ(view.MIN, 1.0);
    ASSERT_EQ(document.ShowSeriesStep(ui, 0), 0);
    EXPECT_DOUBLE_EQ(view.MAX, 90.0);

    // The export names the series again; read back, it is the same series.
    ASSERT_EQ(document.WriteCommandLineFile(ui, folder.path() + "job/again.dat"), 0);
    EXPECT_NE(cp932ToUtf8(folder.read("job/again.dat")).find("\nDataFile=results/step_1.txt\nDataSeries=results/step_*.txt\n"),
              std::string::npos);
    testing::BatchGraph again;
    ASSERT_EQ(again.runFile(folder.path() + "job/again.dat"), 0);
    EXPECT_TRUE(again.ui.messages.empty()) << ::testing::PrintToString(again.ui.messages);
    EXPECT_EQ(again.document.series.steps.size(), 4u);

    // A job whose pattern matches nothing fails and says which pattern.
    testing::BatchGraph none;
    EXPECT_EQ(none.runFile(folder.write("job/none.dat", "PointFile=nodes.txt\nDataSeries=missing_*.txt\n")), 1);
    EXPECT_EQ(none.ui.messages, std::vector<std::string>{"データシリーズに一致するファイルがありません\nmissing_*.txt"});
}

} // namespace
} // namespace vellum
