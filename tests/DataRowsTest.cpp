#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"
#include "TemporaryFolder.h"
#include "WrittenFile.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace vellum {
namespace {

using Strings = std::vector<std::string>;
using test::written;

struct DataFile {
    test::TemporaryFolder folder;
    DataSet dataSet;
    RecordingUi ui;

    int read(std::string_view bytes) {
        dataSet.files.dataFilePath = written(folder.file("data.dat"), bytes);
        return dataSet.ReadDataRows(ui, 0);
    }
    std::vector<double> values(size_t row) const {
        const DataRecord r = dataSet.rows[row];
        return {r.values.begin(), r.values.begin() + static_cast<std::ptrdiff_t>(r.valueCount)};
    }
};

TEST(ReadDataRows, ReadsUpToNineValuesPerRow) {
    DataFile file;
    ASSERT_EQ(file.read("1 1e3 1.5E-2 -7 .5\n"
                        "2\n"
                        "3 1 2 3 4 5 6 7 8 9 10 11\n"
                        "12 1.0 2.0"),
              0);
    ASSERT_EQ(file.dataSet.rows.size(), 3u);
    EXPECT_EQ(file.dataSet.rowCount, 3u);
    EXPECT_EQ(file.values(0), (std::vector<double>{1000.0, 0.015, -7.0, 0.5}));
    EXPECT_EQ(file.values(1), (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(file.dataSet.rows[2].number, 12);
    EXPECT_EQ(file.ui.captions, Strings{"データファイル展開中"});
    EXPECT_EQ(file.ui.positions, (std::vector<int>{30, 100}));
}

TEST(ReadDataRows, MissingFileAndOverflowAreRefused) {
    DataFile file;
    ASSERT_EQ(file.read("1 2 3\n"), 0);
    file.dataSet.files.dataFilePath = file.folder.path() + "/absent.dat";
    EXPECT_EQ(file.dataSet.ReadDataRows(file.ui, 0), 1);
    EXPECT_EQ(file.dataSet.rows.size(), 1u); // unchanged
    EXPECT_EQ(file.read("1 2 3\n2 3 -1e400\n"), 1);
    EXPECT_EQ(file.ui.messages,
              (Strings{"データファイルのオープンに失敗しました\nファイルの有無を確認してください",
                       file.folder.path() + "/data.dat の 2 行目に扱えない大きさの数値があります\n数値を確認してください"}));
    EXPECT_TRUE(file.dataSet.rows.empty());
}

TEST(ComputeColumnStatistics, CutsRowsToTheShortestAndComputesEachColumn) {
    DataFile file;
    ASSERT_EQ(file.read("12 1 2 3\n13 5 -1 0 9 9\n12 9 9 9 4\n"), 0);
    ASSERT_EQ(file.dataSet.ComputeColumnStatistics(file.ui, 0), 0);
    EXPECT_EQ(file.dataSet.columnCount, 3u);
    for (size_t row = 0; row < 3; ++row) EXPECT_EQ(file.dataSet.rows[row].valueCount, 3u);
    EXPECT_EQ(file.values(1), (std::vector<double>{5, -1, 0}));
    EXPECT_EQ(file.dataSet.columnMaximum, (std::vector<double>{9, 9, 9}));
    EXPECT_EQ(file.dataSet.columnMinimum, (std::vector<double>{1, -1, 0}));
    EXPECT_EQ(file.dataSet.columnRange, (std::vector<double>{8, 10, 9}));
    EXPECT_EQ(file.dataSet.columnMiddle, (std::vector<double>{5, 4, 4.5}));
    EXPECT_EQ(file.dataSet.findDataRow(12), 0u); // the first row of a number wins
    EXPECT_EQ(file.dataSet.findDataRow(13), 1u);
    EXPECT_EQ(file.ui.captions, (Strings{"データファイル展開中", "データ値解析中"}));
    EXPECT_EQ(file.ui.positions, (std::vector<int>{30, 100, 30, 50, 90, 100}));
}

TEST(ComputeColumnStatistics, ConstantColumnHasRangeZero) {
    DataFile file;
    ASSERT_EQ(file.read("1 4\n2 4\n"), 0);
    ASSERT_EQ(file.dataSet.ComputeColumnStatistics(file.ui, 0), 0);
    EXPECT_EQ(file.dataSet.columnRange, (std::vector<double>{0}));
    EXPECT_EQ(file.dataSet.columnMiddle, (std::vector<double>{4}));
}

TEST(AddMagnitudeColumn, AppendsTheVectorLengthAndCanRunAgain) {
    DataFile file;
    ASSERT_EQ(file.read("1 3 4 0 7\n2 0 0 0 1\n3 1 2 2 1\n"), 0);
    ASSERT_EQ(file.dataSet.ComputeColumnStatistics(file.ui, 2), 0);
    ASSERT_EQ(file.dataSet.AddMagnitudeColumn(file.ui), 0);
    EXPECT_EQ(file.values(0), (std::vector<double>{3, 4, 0, 7, 5}));
    EXPECT_EQ(file.values(1), (std::vector<double>{0, 0, 0, 1, 0}));
    EXPECT_EQ(file.values(2), (std::vector<double>{1, 2, 2, 1, 3}));
    EXPECT_EQ(file.dataSet.columnCount, 4u);
    EXPECT_EQ(file.dataSet.columnMaximum.size(), 5u);
    EXPECT_EQ(file.dataSet.columnMaximum[4], 5.0);
    EXPECT_EQ(file.dataSet.columnMinimum[4], 0.0);
    EXPECT_EQ(file.dataSet.columnMiddle[4], 2.5);
    EXPECT_EQ(file.ui.captions.back(), "ベクトルデータ解析中");

    const auto rows = file.dataSet.rows;
    const auto maximum = file.dataSet.columnMaximum;
    ASSERT_EQ(file.dataSet.AddMagnitudeColumn(file.ui), 0);
    ASSERT_EQ(file.dataSet.rows.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(file.values(i), (std::vector<double>(rows[i].values.begin(), rows[i].values.begin() + 5)));
    EXPECT_EQ(file.dataSet.columnMaximum, maximum);

    // Other components: the previous magnitude is replaced, not kept.
    file.dataSet.vectorColumns = {3, 1, 0};
    ASSERT_EQ(file.dataSet.AddMagnitudeColumn(file.ui), 0);
    EXPECT_EQ(file.values(2), (std::vector<double>{1, 2, 2, 1, std::sqrt(6.0)}));
    EXPECT_EQ(file.dataSet.findDataRow(3), 2u);
}

TEST(AddMagnitudeColumn, RefusesComponentsBeyondTheColumns) {
    DataFile file;
    ASSERT_EQ(file.read("1 3 4\n"), 0);
    ASSERT_EQ(file.dataSet.ComputeColumnStatistics(file.ui, 2), 0);
    EXPECT_EQ(file.dataSet.AddMagnitudeColumn(file.ui), 1);
    EXPECT_EQ(file.ui.messages, Strings{"ベクトル成分に指定したデータ列がありません\nデータ列数を確認してください"});
    EXPECT_EQ(file.values(0), (std::vector<double>{3, 4}));
    file.dataSet.vectorColumns = {0, -1, 1};
    EXPECT_EQ(file.dataSet.AddMagnitudeColumn(file.ui), 1);
}

// Rows are stored flat at the width of the widest row so far: a wider row arriving late,
// cutting and padding must keep every row's own values where they were.
TEST(DataRows, AWiderRowLateAndCutsAndPaddingKeepEachRowsValues) {
    DataRows rows;
    const double a[2] = {1, 2}, b[9] = {3, 4, 5, 6, 7, 8, 9, 10, 11}, c[3] = {12, 13, 14};
    rows.reserve(4, 2);
    rows.append(7, a, 2);
    rows.append(-3, b, 9);
    rows.append(7, c, 3);
    auto valuesOf = [&](size_t row, size_t count) {
        return std::vector<double>(rows.values(row), rows.values(row) + count);
    };
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows.numbers(), (std::vector<int32_t>{7, -3, 7}));
    EXPECT_EQ(rows.valueCount(0), 2u);
    EXPECT_EQ(rows.valueCount(1), 9u);
    EXPECT_EQ(valuesOf(0, 9), (std::vector<double>{1, 2, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(valuesOf(1, 9), (std::vector<double>(b, b + 9)));
    EXPECT_EQ(rows[2].number, 7);
    EXPECT_EQ(rows[2].values[2], 14.0);

    rows.setValueCount(3); // the longer row loses its rest for good, the shorter is padded
    EXPECT_EQ(valuesOf(0, 3), (std::vector<double>{1, 2, 0}));
    EXPECT_EQ(valuesOf(1, 3), (std::vector<double>{3, 4, 5}));
    EXPECT_EQ(valuesOf(2, 3), (std::vector<double>{12, 13, 14}));
    rows.setValueCount(4); // room for a magnitude: 0.0, never the values cut before
    for (size_t row = 0; row < 3; ++row) {
        EXPECT_EQ(rows.valueCount(row), 4u);
        EXPECT_EQ(rows.values(row)[3], 0.0) << row;
    }
    EXPECT_EQ(valuesOf(1, 4), (std::vector<double>{3, 4, 5, 0}));
    const double eleven[11] = {};
    rows.append(1, eleven, 11); // more than a row holds: the rest is dropped
    EXPECT_EQ(rows.valueCount(3), kMaxRowValues);
    EXPECT_EQ(valuesOf(2, 4), (std::vector<double>{12, 13, 14, 0}));
    rows.clear();
    EXPECT_TRUE(rows.empty());
}

} // namespace
} // namespace vellum
