// The rules of the cross-section, window, saved-item and path dialogs, without a window.
#include "BatchGraph.h"
#include "BatchTestFolder.h"
#include "model/PathListForm.h"
#include "model/SaveItemForm.h"
#include "model/SectionForm.h"
#include "model/WindowForm.h"
#include "settings/ViewSettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vellum {
namespace {

TEST(SectionForm, EditsStartWithTheBoxResetToTheExactRangeAndRefuseAnEmptyBox) {
    DataSet d;
    d.minimum = {0.1234567, -2.0, 0.0};
    d.maximum = {12.3456789, 2.0, 1e-7};
    d.ResetSectionBox();
    d.sectionBox[3] = 0.30000000000000004; // kept to the last digit by an unchanged OK
    SectionForm form(d);
    EXPECT_EQ(form.text(0, 0), "0.1234567");
    EXPECT_EQ(form.text(1, 1), "0.30000000000000004");
    ASSERT_EQ(form.confirm(), "");
    EXPECT_EQ(form.box(), d.sectionBox);

    // "初期値" shows the range as "%G" does, yet stands for the exact range: the nodes at
    // its ends stay inside.
    form.setText(0, 0, "5");
    form.resetAxis(0);
    form.resetAxis(2);
    EXPECT_EQ(form.text(0, 0), "0.123457");
    EXPECT_EQ(form.text(0, 1), "12.3457");
    EXPECT_EQ(form.text(2, 1), "1E-07");
    ASSERT_EQ(form.confirm(), "");
    EXPECT_EQ(form.box()[0], 0.1234567);
    EXPECT_EQ(form.box()[1], 12.3456789);
    EXPECT_EQ(form.box()[5], 1e-7);

    // Texts that are not numbers, then a minimum above its maximum: refused, box kept.
    const std::array<double, 6> accepted = form.box();
    for (const char* bad : {"", "1.5x", "inf", "nan", "0x10", "1e999"}) {
        form.setText(1, 0, bad);
        EXPECT_EQ(form.confirm(), "Please enter a number.") << bad;
    }
    form.setText(1, 0, " 2.5 ");
    EXPECT_EQ(form.confirm(), "２軸の最小値が最大値より大きくなっています．\nこのままでは何も描画されません．");
    EXPECT_EQ(form.box(), accepted);
    form.setText(1, 0, "+2"); // a slice as thin as a plane is fine
    form.setText(1, 1, "2");
    ASSERT_EQ(form.confirm(), "");
    EXPECT_EQ(form.box()[2], 2.0);
}

TEST(SectionForm, TheDocumentCutsTheModelWithTheBoxAndRunsBothPasses) {
    testing::TempFolder folder;
    testing::BatchGraph graph;
    ASSERT_EQ(graph.runFile(std::string(VELLUM_SOURCE_DIR) + "/examples/plate/plate.dat"), 0);
    const uint64_t revision = graph.dataSet.revision();
    graph.ui.captions.clear();
    // The plate spans 0 to 2 along axis 1 in steps of 0.05; nodes at 1.0 stay inside.
    std::array<double, 6> box = graph.dataSet.sectionBox;
    box[1] = 1.0;
    graph.document.ApplySectionBox(graph.ui, box);
    EXPECT_EQ(graph.dataSet.sectionBox, box);
    const auto shown = [](const auto& records) {
        return std::count_if(records.begin(), records.end(), [](const auto& r) { return r.visible == 1.0; });
    };
    EXPECT_EQ(shown(graph.dataSet.nodes), 21 * 21);
    EXPECT_EQ(shown(graph.dataSet.elements), 20 * 20);
    EXPECT_NE(graph.dataSet.revision(), revision);
    EXPECT_EQ(graph.ui.captions, (std::vector<std::string>{"要素定義再構築中", "要素定義再構築中"}));
    EXPECT_TRUE(graph.ui.messages.empty());
}

TEST(WindowForm, SizesAreIntegersAndTheFrameMovesHomeWhenItReachesTheEdge) {
    WindowForm form(780, 560, RGBColor{255, 255, 255});
    EXPECT_EQ(form.widthText(), "780");
    EXPECT_EQ(form.heightText(), "560");
    form.setWidthText("9.5");
    EXPECT_EQ(form.confirm(), "Please enter an integer.");
    form.setWidthText("1000");
    form.setHeightText("");
    EXPECT_EQ(form.confirm(), "Please enter an integer.");
    form.setHeightText(" 700 ");
    ASSERT_EQ(form.confirm(), "");
    EXPECT_EQ(form.placement(100, 50, 1280, 1024), (FrameRect{100, 50, 1000, 700}));
    // x + width reaching the work area's width moves the frame to the top left corner.
    EXPECT_EQ(form.placement(280, 50, 1280, 1024), (FrameRect{0, 0, 1000, 700}));
    EXPECT_EQ(form.placement(100, 324, 1280, 1024), (FrameRect{0, 0, 1000, 700}));
    // No window can be as large as this, nor smaller than a pixel.
    form.setWidthText("2000000000");
    form.setHeightText("-5");
    ASSERT_EQ(form.confirm(), "");
    EXPECT_EQ(form.placement(100, 50, 1280, 1024), (FrameRect{0, 0, 16384, 1}));
}

TEST(SaveItemForm, GroupBoxesCheckAndGreyTheirItemsAndOkWritesEveryFlag) {
    testing::TempFolder folder;
    // Out of the box only the window group is checked, which checks the window size.
    SaveItemForm form{SaveItemSelection{}};
    EXPECT_TRUE(form.checked(SaveItem::graphpos4));
    EXPECT_FALSE(form.enabled(SaveItem::graphpos4));
    EXPECT_EQ(SaveItemSelection{}.flag(SaveItem::graphpos4), 0);

    // "グリッド" checks and greys its three items; clearing it leaves them checked but free.
    form.setChecked(SaveItem::graphgrid2, false);
    form.setChecked(SaveItem::graphgrid0, true);
    for (SaveItem item : {SaveItem::graphgrid1, SaveItem::graphgrid2, SaveItem::graphgrid3}) {
        EXPECT_TRUE(form.checked(item));
        EXPECT_FALSE(form.enabled(item));
    }
    form.setChecked(SaveItem::graphgrid3, false); // a grey box does not change
    EXPECT_TRUE(form.checked(SaveItem::graphgrid3));
    form.setChecked(SaveItem::graphgrid0, false);
    EXPECT_TRUE(form.checked(SaveItem::graphgrid2));
    EXPECT_TRUE(form.enabled(SaveItem::graphgrid2));
    EXPECT_TRUE(form.enabled(SaveItem::graphgrid0));
    form.setChecked(SaveItem::graphpos1, false);

    // OK writes all 46 flags; the next view reads them back, and a written look file then
    // names the window size but no rotation.
    {
        Profile profile = Profile::openUserProfile();
        form.selection().store(profile);
        ASSERT_TRUE(profile.save());
    }
    SaveItemSelection read;
    read.load(Profile::openUserProfile());
    EXPECT_EQ(read, form.selection());
    EXPECT_EQ(read.flag(SaveItem::graphpos4), 1);
    EXPECT_EQ(read.flag(SaveItem::graphgrid0), 0);
    const std::string file = formatViewSettingsFile(ViewSettings{}, read);
    EXPECT_NE(file.find("WINDOW="), std::string::npos);
    EXPECT_EQ(file.find("DIGREE="), std::string::npos);
    EXPECT_NE(file.find("POSITION="), std::string::npos);
}

TEST(PathListForm, AddMoveAndRemoveFollowTheSelectionAndOkRegistersTheList) {
    testing::TempFolder folder;
    PathListForm form(RegisteredPaths{{"/a", "/b", "/c"}, 0});
    form.select(1);
    form.insert("/new");
    EXPECT_EQ(form.paths(), (std::vector<std::string>{"/a", "/new", "/b", "/c"}));
    EXPECT_EQ(form.selection(), 2); // "/b" moved down and is still selected
    form.select(-1);
    form.insert("/home/u/Desktop");
    form.insert("/home/u/Desktop");
    EXPECT_EQ(form.paths().size(), 6u);
    EXPECT_EQ(form.paths()[5], "/home/u/Desktop");

    // The first row does not go up nor the last one down; with no selection nothing moves.
    const std::vector<std::string> before = form.paths();
    form.select(0);
    form.moveUp();
    form.select(5);
    form.moveDown();
    form.select(-1);
    form.moveUp();
    form.removeSelected();
    EXPECT_EQ(form.paths(), before);
    form.select(2);
    form.moveUp();
    EXPECT_EQ(form.paths()[1], "/b");
    EXPECT_EQ(form.selection(), -1);
    form.select(1);
    form.moveDown();
    EXPECT_EQ(form.paths()[2], "/b");

    // Removing one of three and confirming: num 2, path0 and path1 in order, the old
    // third value left behind but never read.
    PathListForm three(RegisteredPaths{{"/a", "/b", "/c"}, 0});
    {
        Profile profile = Profile::openUserProfile();
        three.result().store(profile);
        profile.save();
    }
    three.select(0);
    three.removeSelected();
    three.removeSelected();
    three.setFullPath(true);
    {
        Profile profile = Profile::openUserProfile();
        three.result().store(profile);
        ASSERT_TRUE(profile.save());
    }
    const Profile profile = Profile::openUserProfile();
    EXPECT_EQ(profile.getInt("PATH", "num", -1), 2);
    EXPECT_EQ(profile.getString("PATH", "path0", ""), "/b");
    EXPECT_EQ(profile.getString("PATH", "path1", ""), "/c");
    EXPECT_EQ(profile.getInt("PATH", "fullPath", -1), 1);
    EXPECT_EQ(searchListFromProfile(profile), (std::vector<std::string>{"/b/", "/c/"}));
}

} // namespace
} // namespace vellum
