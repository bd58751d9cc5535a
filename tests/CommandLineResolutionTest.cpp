#include "batch/FileNameResolution.h"
#include "BatchTestFolder.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

TEST(PathParts, FolderNameAndExtension) {
    EXPECT_EQ(folderOf("/jobs/run.dat"), "/jobs/");
    EXPECT_EQ(folderOf("jobs\\run.dat"), "jobs/");
    EXPECT_EQ(folderOf("run.dat"), "");
    EXPECT_EQ(finalComponent("/a/b.c/d.txt"), "d.txt");
    EXPECT_EQ(extensionOf("/a/b.c/d"), "");
    EXPECT_EQ(extensionOf("/a/run.Dat"), ".Dat");
    EXPECT_EQ(withoutQuotes("\"/a b/c.dat\""), "/a b/c.dat");
}

class Resolve : public ::testing::Test {
protected:
    testing::TempFolder folder;
    std::string jobs = folder.path() + "jobs/";
    std::string first = folder.path() + "first";
    std::string second = folder.path() + "second";
};

TEST_F(Resolve, AbsoluteNamesAreTakenAsTheyAreAndKeepOnlyTheirFinalComponent) {
    std::string name = "/nowhere/mesh/nodes.txt", path;
    EXPECT_EQ(resolveFileName(name, path, jobs, std::vector<std::string>{first + "/"}), Resolution::Found);
    EXPECT_EQ(path, "/nowhere/mesh/nodes.txt");
    EXPECT_EQ(name, "nodes.txt");
}

TEST_F(Resolve, TheFolderOfTheFileComesFirstThenTheRegisteredFoldersInOrder) {
    folder.write("jobs/sub/a.txt", "1 0 0\n");
    folder.write("first/b.txt", "1 0 0\n");
    folder.write("second/b.txt", "1 0 0\n");
    folder.write("second/c.txt", "1 0 0\n");
    const auto list = std::vector<std::string>{first + "/", second + "/"};

    std::string name = "sub\\a.txt", path;
    EXPECT_EQ(resolveFileName(name, path, jobs, list), Resolution::Found);
    EXPECT_EQ(path, jobs + "sub/a.txt");
    EXPECT_EQ(name, "sub\\a.txt"); // the name keeps what the file said

    name = "b.txt";
    EXPECT_EQ(resolveFileName(name, path, jobs, list), Resolution::Found);
    EXPECT_EQ(path, first + "/b.txt");

    name = "c.txt";
    EXPECT_EQ(resolveFileName(name, path, jobs, list), Resolution::Found);
    EXPECT_EQ(path, second + "/c.txt");
    EXPECT_EQ(name, "c.txt");
}

TEST_F(Resolve, MissingFilesAreNotFoundOnlyWhenFoldersAreRegistered) {
    std::string name = "none.txt", path;
    EXPECT_EQ(resolveFileName(name, path, jobs, std::vector<std::string>{first + "/"}), Resolution::NotFound);
    EXPECT_EQ(resolveFileName(name, path, jobs, {}), Resolution::Untested);
    EXPECT_EQ(path, jobs + "none.txt"); // left for the reader to fail on
}

TEST_F(Resolve, AFolderOfTheSameNameIsNoFile) {
    folder.write("jobs/dir.txt/x", "");
    std::string name = "dir.txt", path;
    EXPECT_EQ(resolveFileName(name, path, jobs, std::vector<std::string>{first + "/"}), Resolution::NotFound);
}

} // namespace
} // namespace vellum
