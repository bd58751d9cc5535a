#include "batch/RegisteredPaths.h"
#include "common/FileIo.h"
#include "common/UserPaths.h"
#include "settings/Profile.h"
#include "settings/ProfileValues.h"
#include "settings/SaveItemSelection.h"
#include "TemporaryFolder.h"
#include "tests/support/RecordingUi.h"

#include <gtest/gtest.h>

#include <set>

namespace vellum {
namespace {

// Every test gets its own profile folder; the real profile is never touched.
class ProfileTest : public ::testing::Test {
protected:
    ProfileTest() : config_("XDG_CONFIG_HOME", folder_.path() + "/config") {}

    test::TemporaryFolder folder_;
    test::EnvironmentOverride config_;
};

TEST_F(ProfileTest, LivesUnderTheConfigFolderAndIsCreatedOnSave) {
    EXPECT_EQ(profilePath(), folder_.path() + "/config/vellumPLOT/vellumPLOT.ini");
    Profile profile = Profile::openUserProfile();
    EXPECT_EQ(profile.getInt("Window", "show", 1), 1); // no file yet: defaults
    profile.setInt("Window", "show", 3);
    ASSERT_TRUE(profile.save());
    EXPECT_EQ(Profile::openUserProfile().getInt("Window", "show", 1), 3);
}

TEST_F(ProfileTest, NamesCompareWithoutCase) {
    {
        Profile profile(profilePath());
        profile.setInt("PATH", "num", 2);
        profile.setString("path", "Path0", "/data/一");
        profile.setInt("NewFileOpen", "RadianData", 1);
        ASSERT_TRUE(profile.save());
    }
    Profile profile(profilePath());
    EXPECT_EQ(profile.getInt("path", "NUM", 0), 2);
    EXPECT_EQ(profile.getString("Path", "path0", ""), "/data/一");
    EXPECT_EQ(profile.getInt("NEWFILEOPEN", "radianData", 0), 1);
    // Setting a value under another spelling replaces it rather than adding a second.
    profile.setInt("Path", "NUM", 5);
    ASSERT_TRUE(profile.save());
    std::string bytes;
    ASSERT_TRUE(readWholeFile(profilePath(), bytes));
    EXPECT_EQ(bytes.find("NUM"), std::string::npos);
    EXPECT_EQ(Profile(profilePath()).getInt("path", "num", 0), 5);
}

TEST_F(ProfileTest, IntegersAreTheirLeadingDigitsAndMissingValuesGiveTheDefault) {
    ASSERT_TRUE(makeFolders(folder_.path() + "/config/vellumPLOT"));
    ASSERT_TRUE(writeFileAtomically(profilePath(), "[A]\nword = abc\nprefix = 12px\nneg = -4\nempty =\n"));
    Profile profile(profilePath());
    EXPECT_EQ(profile.getInt("A", "word", 7), 0);
    EXPECT_EQ(profile.getInt("A", "prefix", 7), 12);
    EXPECT_EQ(profile.getInt("A", "neg", 7), -4);
    EXPECT_EQ(profile.getInt("A", "empty", 7), 0);
    EXPECT_EQ(profile.getInt("A", "missing", 7), 7);
    EXPECT_EQ(profile.getInt("B", "word", 7), 7);
    EXPECT_EQ(profile.getString("A", "missing", "x"), "x");
}

TEST_F(ProfileTest, JunkAndUnwritableProfilesAreSurvived) {
    ASSERT_TRUE(makeFolders(folder_.path() + "/config/vellumPLOT"));
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 131) & 0xFF);
    ASSERT_TRUE(writeFileAtomically(profilePath(), junk));
    Profile profile(profilePath());
    EXPECT_EQ(profile.getInt("SAVEVIEW", "graph1", 1), 1);

    // A file where the folder should be: the profile cannot be saved, and says so.
    ASSERT_TRUE(writeFileAtomically(folder_.file("blocked"), "x"));
    Profile blocked(folder_.file("blocked") + "/vellumPLOT/vellumPLOT.ini");
    blocked.setInt("A", "b", 1);
    EXPECT_FALSE(blocked.save());

    // A command's save says so, naming the file; a profile that saves says nothing.
    RecordingUi ui;
    EXPECT_EQ(saveProfile(ui, blocked), 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "プロファイルに書き込めません\n" + blocked.path());
    EXPECT_EQ(saveProfile(ui, profile), 0);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(ProfileTest, SavedItemsHaveTheirNamesAndDefaults) {
    const auto& table = saveItemTable();
    std::set<std::string_view> names;
    int groups = 0, onByDefault = 0;
    for (const SaveItemInfo& info : table) {
        names.insert(info.profileName);
        groups += info.isGroup ? 1 : 0;
        onByDefault += info.defaultValue;
        EXPECT_EQ(info.defaultValue, info.isGroup ? (info.profileName == "graphpos5" ? 1 : 0)
                                                  : (info.profileName == "graphpos4" ? 0 : 1))
            << info.profileName;
        EXPECT_TRUE(saveItemInfo(info.group).isGroup) << info.profileName;
    }
    EXPECT_EQ(names.size(), kSaveItemCount);
    EXPECT_EQ(groups, 10);
    EXPECT_EQ(onByDefault, 36);
    EXPECT_EQ(saveItemInfo(SaveItem::graphgrid3).caption, "グリッドサイズ");
    EXPECT_EQ(saveItemInfo(SaveItem::graphgrid3).checkBoxId, 1101);
    EXPECT_EQ(saveItemInfo(SaveItem::graphgrid3).group, SaveItem::graphgrid0);
    EXPECT_EQ(saveItemInfo(SaveItem::graphpos4).group, SaveItem::graphpos5);
}

TEST_F(ProfileTest, SavedItemSelectionSurvivesARestart) {
    SaveItemSelection fresh;
    {
        Profile empty(profilePath());
        fresh.load(empty);
    }
    EXPECT_EQ(fresh, SaveItemSelection());
    EXPECT_FALSE(fresh.on(SaveItem::graphpos4));

    SaveItemSelection changed;
    changed.set(SaveItem::graphpos4, 1);
    changed.set(SaveItem::graphpos1, 0);
    {
        Profile profile(profilePath());
        changed.store(profile);
        ASSERT_TRUE(profile.save());
    }
    SaveItemSelection loaded;
    loaded.load(Profile(profilePath()));
    EXPECT_EQ(loaded, changed);
    EXPECT_EQ(Profile(profilePath()).getInt("saveview", "GRAPHPOS1", 1), 0);
}

TEST_F(ProfileTest, RegisteredPathsKeepTheirOrderAndTheRunAddsSlashes) {
    RegisteredPaths paths;
    paths.paths = {"/data/a", "/", "/data/a", "/data/c/"};
    paths.fullPath = 1;
    {
        Profile profile(profilePath());
        paths.store(profile);
        ASSERT_TRUE(profile.save());
    }
    RegisteredPaths loaded;
    loaded.load(Profile(profilePath()));
    EXPECT_EQ(loaded.paths, paths.paths);
    EXPECT_EQ(loaded.fullPath, 1);
    EXPECT_EQ(searchListFromProfile(Profile(profilePath())),
              (std::vector<std::string>{"/data/a/", "/", "/data/a/", "/data/c//"}));

    // Removing one of three: num is 2 and path0, path1 hold the rest; path2 may stay unread.
    paths.paths = {"/x", "/y", "/z"};
    {
        Profile profile(profilePath());
        paths.store(profile);
        paths.paths.erase(paths.paths.begin() + 1);
        paths.store(profile);
        ASSERT_TRUE(profile.save());
    }
    Profile profile(profilePath());
    EXPECT_EQ(profile.getInt("PATH", "num", 0), 2);
    EXPECT_EQ(profile.getString("PATH", "path0", ""), "/x");
    EXPECT_EQ(profile.getString("PATH", "path1", ""), "/z");
    loaded.load(profile);
    EXPECT_EQ(loaded.paths, (std::vector<std::string>{"/x", "/z"}));
}

TEST_F(ProfileTest, NoRegisteredPathsAndADamagedCount) {
    RegisteredPaths loaded;
    loaded.paths = {"stale"};
    loaded.load(Profile(profilePath()));
    EXPECT_TRUE(loaded.paths.empty());
    EXPECT_EQ(loaded.fullPath, 0);

    Profile profile(profilePath());
    profile.setInt("PATH", "num", 2000000000);
    loaded.load(profile); // bounded: no endless reading of empty values
    EXPECT_LE(loaded.paths.size(), 10000u);
    profile.setInt("PATH", "num", -3);
    loaded.load(profile);
    EXPECT_TRUE(loaded.paths.empty());
}

TEST_F(ProfileTest, OpenDialogAndWindowValues) {
    OpenDialogDefaults open;
    PolarOptions polar;
    WindowEdges window;
    {
        Profile empty(profilePath());
        open.load(empty);
        polar.load(empty);
        window = loadWindowPlacement(empty);
    }
    EXPECT_EQ(open.dimension + open.autoMesh + open.dataType, 0);
    EXPECT_EQ(polar.polarCoordinates + polar.radianData, 0);
    EXPECT_EQ(window, (WindowEdges{640, 0, 0, 480, 1}));

    open = OpenDialogDefaults{1, 1, 3};
    polar = PolarOptions{1, 1};
    {
        Profile profile(profilePath());
        open.store(profile);
        polar.store(profile);
        storeWindowPlacement(profile, WindowEdges{900, 10, 20, 700, 3});
        ASSERT_TRUE(profile.save());
    }
    std::string bytes;
    ASSERT_TRUE(readWholeFile(profilePath(), bytes));
    EXPECT_NE(bytes.find("RadianData"), std::string::npos); // the spelling it is written with
    Profile profile(profilePath());
    OpenDialogDefaults openBack;
    PolarOptions polarBack;
    openBack.load(profile);
    polarBack.load(profile);
    EXPECT_EQ(openBack.dimension, 1);
    EXPECT_EQ(openBack.autoMesh, 1);
    EXPECT_EQ(openBack.dataType, 3);
    EXPECT_EQ(polarBack.radianData, 1);
    EXPECT_EQ(loadWindowPlacement(profile), (WindowEdges{900, 10, 20, 700, 3}));
}

} // namespace
} // namespace vellum
