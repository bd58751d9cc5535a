#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"
#include "data/Visibility.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

// A row of unit squares along axis 1: nodes 0..n at x = 0..n on two rows (y 0 and 1),
// element e joins columns e and e + 1 and has material e + 1.
DataSet strip(int squares) {
    DataSet d;
    for (int row = 0; row < 2; ++row)
        for (int x = 0; x <= squares; ++x) {
            NodeRecord n;
            n.number = row * 100 + x;
            n.coordinates = {double(x), double(row), 0.0};
            d.nodes.push_back(n);
        }
    const uint32_t top = uint32_t(squares) + 1;
    for (int e = 0; e < squares; ++e) {
        ElementRecord el;
        el.number = e + 1;
        el.material = e + 1;
        el.nodeCount = 4;
        el.nodes = {uint32_t(e), uint32_t(e + 1), top + uint32_t(e + 1), top + uint32_t(e)};
        d.elements.push_back(el);
    }
    d.sectionBox = {0, double(squares), 0, 1, 0, 0};
    return d;
}

std::vector<double> elementFlags(const DataSet& d) {
    std::vector<double> flags;
    for (const ElementRecord& e : d.elements) flags.push_back(e.visible);
    return flags;
}
std::vector<double> nodeFlags(const DataSet& d) {
    std::vector<double> flags;
    for (const NodeRecord& n : d.nodes) flags.push_back(n.visible);
    return flags;
}

TEST(SectionPass, BoxOfTheDataRangesShowsEverythingAndLimitsStayInside) {
    DataSet d = strip(3);
    d.nodes[0].visible = 0.0;
    d.elements[1].visible = 0.0;
    RecordingUi ui;
    RunSectionPass(d, ui);
    EXPECT_EQ(nodeFlags(d), std::vector<double>(8, 1.0));
    EXPECT_EQ(elementFlags(d), std::vector<double>(3, 1.0));
    EXPECT_EQ(ui.captions, std::vector<std::string>{"要素定義再構築中"});
    EXPECT_EQ(ui.positions, (std::vector<int>{10, 80, 100}));
    EXPECT_EQ(ui.openProgressBars, 0);
}

TEST(SectionPass, ElementWithANodeOutsideDisappearsWhole) {
    DataSet d = strip(3);
    d.sectionBox[0] = 0.5; // node column 0 is outside
    RecordingUi ui;
    RunSectionPass(d, ui);
    EXPECT_EQ(elementFlags(d), (std::vector<double>{0, 1, 1}));
    EXPECT_EQ(nodeFlags(d), (std::vector<double>{0, 1, 1, 1, 0, 1, 1, 1}));
}

TEST(SectionPass, MinimumAboveMaximumHidesEverything) {
    DataSet d = strip(2);
    d.sectionBox[2] = 2.0;
    d.sectionBox[3] = -2.0;
    RecordingUi ui;
    RunSectionPass(d, ui);
    EXPECT_EQ(nodeFlags(d), std::vector<double>(6, 0.0));
    EXPECT_EQ(elementFlags(d), std::vector<double>(2, 0.0));
}

TEST(SectionPass, ProgressInQuartersForLargerModels) {
    DataSet d = strip(9);
    RecordingUi ui;
    RunSectionPass(d, ui);
    EXPECT_EQ(ui.positions, (std::vector<int>{10, 0, 20, 40, 60, 80, 100}));
}

TEST(SpecificElementPass, HidesListedMaterialsAndTheirOwnNodes) {
    DataSet d = strip(3);
    RecordingUi ui;
    RunSpecificElementPass(d, ui, {1});
    EXPECT_EQ(elementFlags(d), (std::vector<double>{0, 1, 1}));
    // Column 0 was used only by the hidden element; column 1 is shared.
    EXPECT_EQ(nodeFlags(d), (std::vector<double>{0, 1, 1, 1, 0, 1, 1, 1}));
    EXPECT_EQ(ui.positions, (std::vector<int>{40, 80, 100}));
}

TEST(SpecificElementPass, NeverShowsAnElementAndLeavesNodesWhenNothingMatches) {
    DataSet d = strip(3);
    d.elements[2].visible = 0.0;
    d.nodes[0].visible = 0.0;
    RecordingUi ui;
    RunSpecificElementPass(d, ui, {42});
    EXPECT_EQ(elementFlags(d), (std::vector<double>{1, 1, 0}));
    EXPECT_EQ(d.nodes[0].visible, 0.0);
    EXPECT_EQ(ui.positions, (std::vector<int>{40, 100}));
}

TEST(SpecificElementPass, AfterTheSectionPassNodesOfHiddenElementsGo) {
    DataSet d = strip(9);
    d.sectionBox[1] = 8.5; // element 9 (material 9) is cut by the section
    RecordingUi ui;
    ApplyVisibility(d, ui, {1});
    EXPECT_EQ(d.elements[0].visible, 0.0);
    EXPECT_EQ(d.elements[8].visible, 0.0);
    EXPECT_EQ(d.nodes[0].visible, 0.0);
    EXPECT_EQ(d.nodes[9].visible, 0.0);  // x = 9 outside the box
    EXPECT_EQ(d.nodes[8].visible, 1.0);  // shared with element 8
    EXPECT_EQ(d.nodes[1].visible, 1.0);
    EXPECT_EQ(ui.captions.size(), 2u);
    EXPECT_EQ(std::vector<int>(ui.positions.begin() + 7, ui.positions.end()),
              (std::vector<int>{0, 10, 20, 30, 40, 50, 100}));
}

TEST(SectionPass, BrokenNodeReferenceHidesTheElement) {
    DataSet d = strip(2);
    d.elements[0].nodes[2] = 999;
    RecordingUi ui;
    ApplyVisibility(d, ui, {});
    EXPECT_EQ(elementFlags(d), (std::vector<double>{0, 1}));
}

} // namespace
} // namespace vellum
