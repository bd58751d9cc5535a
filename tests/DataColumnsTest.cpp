// The data-column dialog's rules and what its choice changes in the document.
#include "model/ColumnChoiceForm.h"
#include "model/Document.h"
#include "tests/support/RecordingUi.h"
#include "TemporaryFolder.h"
#include "WrittenFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace vellum {
namespace {

using Strings = std::vector<std::string>;
using test::written;

// A row of `count` nodes joined by one element, and one data row per node from `row(i)`.
struct ColumnsCase {
    test::TemporaryFolder folder;
    Document document;
    RecordingUi ui;

    ColumnsCase(int count, int dataType, const std::function<std::string(int)>& row) {
        std::string nodes, data;
        for (int i = 1; i <= count; ++i) {
            nodes += std::to_string(i) + " " + std::to_string(i) + " " + std::to_string(i % 2) + "\n";
            data += std::to_string(i) + " " + row(i) + "\n";
        }
        OpenChoice choice;
        choice.pointFilePath = written(folder.file("nodes.txt"), nodes);
        choice.elementFilePath = written(folder.file("elements.txt"), "1 1 2 3 4\n");
        choice.dataFilePath = written(folder.file("data.txt"), data);
        choice.dataType = dataType;
        EXPECT_EQ(document.Open(ui, choice), 0);
    }
};

TEST(DataColumns, NodeValuesDrawTheChosenColumnForEveryRowAndTheLegendFollows) {
    // Column 1 runs against the row order, so every node's value shows which column it took.
    ColumnsCase c(12'000, kNodeValues, [](int i) { return std::to_string(i) + " " + std::to_string(-i) + " 0.5"; });
    ColumnChoiceForm form(c.document);
    EXPECT_EQ(form.columnNames(), (Strings{"data1", "data2", "data3"}));
    EXPECT_FALSE(form.componentListsEnabled());
    EXPECT_EQ(form.choice(), (std::array<int, 3>{0, -1, -1}));
    EXPECT_EQ(form.listedRowCount(), 10'000u);
    EXPECT_EQ(form.header(0), "接点番号");
    EXPECT_EQ(form.header(3), "data3");
    EXPECT_EQ(form.cell(9'999, 0), "10000");
    EXPECT_EQ(form.cell(9'999, 2), "-10000.000000");
    EXPECT_EQ(form.cell(10'000, 0), "");

    form.select(0, 1);
    EXPECT_EQ(form.confirm(), "");
    ASSERT_EQ(c.document.ChangeDataColumns(c.ui, form.choice()), 0);
    const DataSet& d = c.document.dataSet;
    EXPECT_EQ(c.document.look.selectedColumn, 1);
    EXPECT_EQ(d.nodes.front().t, 1.0);
    EXPECT_EQ(d.nodes.back().t, 0.0); // row 12,000, beyond the listed rows
    EXPECT_EQ(c.document.look.MAX, -1.0);
    EXPECT_EQ(c.document.look.MIN, -12'000.0);

    // Nothing chosen keeps the drawn column; a column the data lack is refused.
    c.document.look.MAX = 5.0;
    ASSERT_EQ(c.document.ChangeDataColumns(c.ui, {-1, -1, -1}), 0);
    EXPECT_EQ(c.document.look.selectedColumn, 1);
    EXPECT_EQ(c.document.look.MAX, -1.0);
    EXPECT_EQ(c.document.ChangeDataColumns(c.ui, {3, -1, -1}), 1);
    EXPECT_EQ(c.ui.messages, Strings{"描画列に指定したデータ列がありません\nデータ列数を確認してください"});
    EXPECT_EQ(c.document.look.selectedColumn, 1);
}

TEST(DataColumns, VectorComponentsGiveANewMagnitudeAndAnIncompleteChoiceIsRefused) {
    ColumnsCase c(4, kVectorData, [](int i) { return "3 4 0 " + std::to_string(12 * i); });
    EXPECT_EQ(c.document.dataSet.columnMaximum[4], 5.0);
    // A stored choice the lists do not offer starts without a selection.
    c.document.dataSet.vectorColumns = {3, 0, 9};
    ColumnChoiceForm form(c.document);
    EXPECT_TRUE(form.componentListsEnabled());
    EXPECT_EQ(form.choice(), (std::array<int, 3>{3, 0, -1}));
    EXPECT_EQ(form.confirm(), "ベクトル成分のデータ列を３個選択してください");
    EXPECT_EQ(c.document.ChangeDataColumns(c.ui, form.choice()), 1);
    EXPECT_EQ(c.ui.messages, Strings{"ベクトル成分に指定したデータ列がありません\nデータ列数を確認してください"});
    EXPECT_EQ(c.document.dataSet.vectorColumns, (std::array<int32_t, 3>{3, 0, 9})); // unchanged

    form.select(2, 1);
    EXPECT_EQ(form.confirm(), "");
    ASSERT_EQ(c.document.ChangeDataColumns(c.ui, form.choice()), 0);
    const DataSet& d = c.document.dataSet;
    EXPECT_EQ(d.vectorColumns, (std::array<int32_t, 3>{3, 0, 1}));
    EXPECT_EQ(c.document.look.selectedColumn, 4);
    EXPECT_EQ(d.rows[3].values[4], std::sqrt(2329.0)); // the magnitude of 48, 3, 4
    EXPECT_EQ(c.document.look.MAX, d.columnMaximum[4]);
    EXPECT_EQ(c.document.look.MIN, 13.0);
    EXPECT_EQ(c.ui.messages.size(), 1u);
}

} // namespace
} // namespace vellum
