#include "batch/DataExport.h"
#include "BatchTestFolder.h"
#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace vellum {
namespace {

DataSet twoQuads() {
    DataSet d;
    const double coordinates[6][3] = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0.5}, {1, 1, -1e-7}, {2, 1, 123456.789}};
    const int numbers[6] = {11, 12, 13, 21, 22, 23};
    for (int i = 0; i < 6; ++i) {
        NodeRecord n;
        n.number = numbers[i];
        n.coordinates = {coordinates[i][0], coordinates[i][1], coordinates[i][2]};
        d.nodes.push_back(n);
    }
    ElementRecord e;
    e.number = 7;
    e.nodeCount = 4;
    e.nodes = {0, 1, 4, 3};
    d.elements.push_back(e);
    e.number = 3;
    e.nodes = {1, 2, 5, 4};
    d.elements.push_back(e);
    return d;
}

TEST(ExportMesh, NodeLinesHaveTabsAndSixDecimals) {
    EXPECT_EQ(formatNodeFile(twoQuads()),
              "11\t0.000000\t0.000000\t0.000000\n12\t1.000000\t0.000000\t0.000000\n"
              "13\t2.000000\t0.000000\t0.000000\n21\t0.000000\t1.000000\t0.500000\n"
              "22\t1.000000\t1.000000\t-0.000000\n23\t2.000000\t1.000000\t123456.789000\n");
}

TEST(ExportMesh, ElementLinesNameNodesByNumberInSequenceOrder) {
    EXPECT_EQ(formatElementFile(twoQuads()), "7\t11\t12\t22\t21\n3\t12\t13\t23\t22\n");
}

TEST(ExportMesh, NumbersDoNotFollowTheLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
    const std::string text = formatNodeFile(twoQuads());
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_NE(text.find("\t0.500000\n"), std::string::npos);
}

TEST(ExportMesh, ExportNamesTheWrittenFileAndReportsFailure) {
    testing::TempFolder folder;
    DataSet d = twoQuads();
    RecordingUi ui;
    EXPECT_EQ(exportNodeFile(d, folder.path() + "out-nodes.dat", ui), 0);
    EXPECT_EQ(d.files.pointFilePath, folder.path() + "out-nodes.dat");
    EXPECT_EQ(d.files.pointFileName, "out-nodes.dat");
    EXPECT_EQ(folder.read("out-nodes.dat"), formatNodeFile(d));
    EXPECT_EQ(exportElementFile(d, folder.path() + "out-elements.dat", ui), 0);
    EXPECT_EQ(d.files.elementFileName, "out-elements.dat");
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(exportElementFile(d, folder.path() + "no/such/folder.dat", ui), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"データエクスポートに失敗しました"});
}

// What the readers make of the exported files must be the mesh that was exported.
TEST(ExportMesh, ExportedFilesReadBackAsTheSameMesh) {
    testing::TempFolder folder;
    RecordingUi ui;
    DataSet polar;
    // Rows of equal angle (degrees), meshed automatically, then turned into x and y.
    polar.files.pointFilePath = folder.write("polar.txt", "1 1 0\n2 2 0\n3 1 90\n4 2 90\n5 1 180\n6 2 180\n");
    polar.polarFlag = 1;
    ASSERT_EQ(polar.ReadNodes(ui), 0);
    ASSERT_EQ(polar.BuildMesh(ui), 0);
    ASSERT_EQ(polar.ConvertPolar(ui), 0);
    ASSERT_EQ(exportNodeFile(polar, folder.path() + "nodes.dat", ui), 0);
    ASSERT_EQ(exportElementFile(polar, folder.path() + "elements.dat", ui), 0);
    EXPECT_NE(folder.read("nodes.dat").find("4\t0.000000\t2.000000\t0.000000\n"), std::string::npos);

    DataSet back; // polar flag 0: the file holds x and y now
    back.files.pointFilePath = folder.path() + "nodes.dat";
    back.files.elementFilePath = folder.path() + "elements.dat";
    ASSERT_EQ(back.ReadNodes(ui), 0);
    ASSERT_EQ(back.ReadElements(ui), 0);
    ASSERT_EQ(back.nodes.size(), polar.nodes.size());
    for (size_t i = 0; i < polar.nodes.size(); ++i) {
        EXPECT_EQ(back.nodes[i].number, polar.nodes[i].number);
        for (size_t axis = 0; axis < 3; ++axis)
            EXPECT_NEAR(back.nodes[i].coordinates[axis], polar.nodes[i].coordinates[axis], 5e-7);
    }
    ASSERT_EQ(back.elements.size(), polar.elements.size());
    for (size_t e = 0; e < polar.elements.size(); ++e) {
        EXPECT_EQ(back.elements[e].number, polar.elements[e].number);
        ASSERT_EQ(back.elements[e].nodeCount, polar.elements[e].nodeCount);
        for (uint8_t k = 0; k < polar.elements[e].nodeCount; ++k)
            EXPECT_EQ(back.nodes[back.elements[e].nodes[k]].number, polar.nodes[polar.elements[e].nodes[k]].number);
    }
    EXPECT_TRUE(ui.messages.empty()) << ::testing::PrintToString(ui.messages);
}

} // namespace
} // namespace vellum
