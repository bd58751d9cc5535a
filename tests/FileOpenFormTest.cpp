#include "model/FileOpenForm.h"
#include "common/Codes.h"
#include "settings/Profile.h"
#include "settings/ProfileValues.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

FileSet chosenBefore() {
    FileSet f;
    f.pointFilePath = "/d/n.txt";
    f.pointFileName = "n.txt";
    f.elementFilePath = "/d/e.txt";
    f.elementFileName = "e.txt";
    f.dataFilePath = "/d/v.txt";
    f.dataFileName = "v.txt";
    return f;
}

TEST(FileOpenForm, OkChecksTheFilesInOrderAndForgetsWhatTheOptionsExclude) {
    FileOpenForm empty(FileSet{}, RunOptions{}, 0, 0);
    EXPECT_EQ(empty.confirm(), "節点ファイルを選択してください");
    empty.setNodeFile("/d/nodes.dat");
    EXPECT_EQ(empty.nodeName(), "nodes.dat");
    EXPECT_EQ(empty.confirm(), "要素ファイルを選択してください");
    empty.setAutoMesh(true);
    EXPECT_EQ(empty.confirm(), "データファイルを選択してください");
    empty.setDataType(kNoDataFile);
    EXPECT_EQ(empty.confirm(), "");

    // Files chosen earlier are emptied by the automatic mesh and by "no data file".
    FileOpenForm form(chosenBefore(), RunOptions{}, 0, 0);
    form.setAutoMesh(true);
    form.setDataType(kNoDataFile);
    EXPECT_EQ(form.confirm(), "");
    EXPECT_EQ(form.choice().elementFilePath, "");
    EXPECT_EQ(form.choice().elementFileName, "");
    EXPECT_EQ(form.choice().dataFilePath, "");
    EXPECT_EQ(form.choice().pointFilePath, "/d/n.txt");
}

TEST(FileOpenForm, ButtonsFollowTheOptionsAndRadiansOutliveThePolarBox) {
    RunOptions options;
    options.autoMesh = 1;
    options.dataType = kNoDataFile;
    FileOpenForm form(chosenBefore(), options, 1, 1);
    EXPECT_FALSE(form.elementBrowseEnabled());
    EXPECT_FALSE(form.dataBrowseEnabled());
    EXPECT_TRUE(form.radiansEnabled());
    form.setAutoMesh(false);
    form.setDataType(kElementValues);
    form.setPolar(false);
    EXPECT_TRUE(form.elementBrowseEnabled());
    EXPECT_TRUE(form.dataBrowseEnabled());
    EXPECT_FALSE(form.radiansEnabled());
    EXPECT_EQ(form.choice().radians, 1);
}

TEST(FileOpenForm, TheConfirmedChoiceBecomesTheProfileDefaults) {
    test::TemporaryFolder folder;
    OpenChoice choice;
    choice.shape = kSolidShape;
    choice.autoMesh = 1;
    choice.dataType = kVectorData;
    choice.polar = 1;
    choice.radians = 1;
    {
        Profile profile(folder.file("p.ini"));
        storeOpenChoice(profile, choice);
        ASSERT_TRUE(profile.save());
    }
    Profile profile(folder.file("p.ini"));
    OpenDialogDefaults defaults;
    defaults.load(profile);
    PolarOptions polar;
    polar.load(profile);
    EXPECT_EQ(defaults.dimension, kSolidShape);
    EXPECT_EQ(defaults.autoMesh, 1);
    EXPECT_EQ(defaults.dataType, kVectorData);
    EXPECT_EQ(polar.polarCoordinates, 1);
    EXPECT_EQ(polar.radianData, 1);
    EXPECT_EQ(profile.getInt("newfileopen", "RADIANDATA", 0), 1);
}

} // namespace
} // namespace vellum
