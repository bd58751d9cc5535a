// Failures of the file system forced on purpose: a folder that refuses writes, a full
// disk, a file that goes away between being found and being read, a profile that cannot
// be read. Each gives its message, and nothing that was saved before is lost.
#include "BatchGraph.h"
#include "BatchTestFolder.h"
#include "cli/HeadlessJob.h"
#include "common/FileIo.h"
#include "common/UserPaths.h"
#include "render/ImageFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vellum {
namespace {

namespace fs = std::filesystem;

constexpr const char* kJob = "PointFile=nodes.txt\nElementFile=elements.txt\nDataFile=values.txt\n";

void writeSheet(const testing::TempFolder& folder) {
    folder.write("nodes.txt", "1 0 0 0\n2 1 0 0\n3 0 1 0\n4 1 1 0\n");
    folder.write("elements.txt", "1 1 2 4 3\n");
    folder.write("values.txt", "1 1\n2 2\n3 3\n4 4\n");
    folder.write("job.dat", kJob);
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> contentsOf(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::string bytes;
        readWholeFile(entry.path().string(), bytes);
        files[entry.path().filename().string()] = bytes;
    }
    return files;
}

// A small file system of its own under `path`, mounted for the life of the object. Only
// where the tests may mount (the superuser, who also ignores permission bits); elsewhere
// `mounted()` is false.
class SmallDisk {
public:
    SmallDisk(const std::string& path, const char* options) : path_(path) {
        fs::create_directories(path);
        mounted_ = ::geteuid() == 0 && ::mount("tmpfs", path.c_str(), "tmpfs", 0, options) == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return mounted_; }
    bool makeReadOnly() { return ::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }
    // Takes every free block, so that the next write finds the disk full.
    void fill() const {
        std::ofstream filler(path_ + "/filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {}
    }

private:
    std::string path_;
    bool mounted_ = false;
};

// A folder this process cannot write into: read-only permission bits, or for the
// superuser a small read-only file system. The old files are written before it locks.
class LockedFolder {
public:
    explicit LockedFolder(const std::string& path) : path_(path), disk_(path, "size=256k") {}
    ~LockedFolder() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::replace, ec);
    }
    bool lock() {
        if (disk_.mounted()) return disk_.makeReadOnly();
        if (::geteuid() == 0) return false;
        fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
        return true;
    }

private:
    std::string path_;
    SmallDisk disk_;
};

class InjectedFailures : public ::testing::Test, protected testing::BatchGraph {
protected:
    testing::TempFolder folder;
    void SetUp() override {
        writeSheet(folder);
        ASSERT_EQ(runFile(folder.path() + "job.dat"), 0) << ::testing::PrintToString(ui.messages);
    }

    // The files a person may have saved in `target` before.
    static void writeOldFiles(const std::string& target) {
        for (const char* name : {kBackupViewFile, kBackupCommandFile, "look.ini", "job.dat", "nodes.txt", "picture.png"})
            ASSERT_TRUE(writeFileAtomically(target + name, std::string("saved before: ") + name));
    }

    // Runs every writer into `target`; returns the messages and the detail lines.
    std::pair<std::vector<std::string>, std::vector<std::string>> writeEverything(const std::string& target) {
        ui.messages.clear();
        ui.details.clear();
        EXPECT_EQ(document.WriteBackups(ui, target), 1);
        EXPECT_EQ(document.WriteViewSettingsFile(ui, target + "look.ini"), 1);
        EXPECT_EQ(document.WriteCommandLineFile(ui, target + "job.dat"), 1);
        EXPECT_EQ(document.ExportNodeFile(ui, target + "nodes.txt"), 1);
        const RgbImage image{2, 1, {255, 0, 0, 0, 0, 255}};
        EXPECT_EQ(ExportImage(ui, target + "picture.png", image), 1);
        return {ui.messages, ui.details};
    }

    const std::vector<std::string> kWriterMessages{
        "設定ファイルのエクスポートに失敗しました", "コマンドライン処理用のファイル作成に失敗しました",
        "設定ファイルのエクスポートに失敗しました", "コマンドライン処理用のファイル作成に失敗しました",
        "データエクスポートに失敗しました",         "イメージのエクスポートに失敗しました",
    };
};

TEST_F(InjectedFailures, WritersIntoAFolderThatRefusesWritesSayItAndKeepTheOldFiles) {
    const std::string target = folder.path() + "locked/";
    LockedFolder locked(target);
    writeOldFiles(target);
    const auto before = contentsOf(target);
    if (!locked.lock()) GTEST_SKIP() << "no way to lock a folder here";

    const auto [messages, details] = writeEverything(target);
    EXPECT_EQ(messages, kWriterMessages);
    // The backups say they are the backups, where they go and why they could not be written.
    EXPECT_EQ(details, (std::vector<std::string>{
                           "終了時のバックアップ: " + target + "bkView.ini（フォルダに書き込めません）",
                           "終了時のバックアップ: " + target + "bkCmdLine.dat（フォルダに書き込めません）"}));
    EXPECT_EQ(contentsOf(target), before);
}

TEST_F(InjectedFailures, AFullDiskFailsEveryWriterAndLeavesTheOldFilesWhole) {
    const std::string target = folder.path() + "full/";
    SmallDisk disk(target, "size=64k");
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
    writeOldFiles(target);
    disk.fill();
    auto before = contentsOf(target);

    const auto [messages, details] = writeEverything(target);
    EXPECT_EQ(messages, kWriterMessages);
    // Nothing in the way is seen before writing: the path alone is named.
    EXPECT_EQ(details, (std::vector<std::string>{"終了時のバックアップ: " + target + "bkView.ini",
                                                 "終了時のバックアップ: " + target + "bkCmdLine.dat"}));
    // No half-written file, no temporary file left behind.
    EXPECT_EQ(contentsOf(target), before);

    // With room again the same writers succeed and replace the old files.
    fs::remove(target + "filler");
    ui.messages.clear();
    EXPECT_EQ(document.WriteBackups(ui, target), 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_NE(contentsOf(target)[kBackupCommandFile], before[kBackupCommandFile]);
}

// Runs `check` as a user without special rights: in this process, or for the superuser,
// whom permission bits do not bind, in a child that has become the user "nobody". The
// check returns what went wrong, empty when nothing did. Null when neither is possible.
std::optional<std::string> runWithoutRights(const std::function<std::string()>& check) {
    if (::geteuid() != 0) return check();
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const std::string failure = check();
        if (!failure.empty()) std::fputs(failure.c_str(), stderr);
        ::_exit(failure.empty() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 2) return std::nullopt;
    return WEXITSTATUS(status) == 0 ? std::string() : std::string("the check failed (see its output)");
}

TEST_F(InjectedFailures, FilesMadeReadOnlyAreNeitherReplacedNorLost) {
    const std::string target = folder.path() + "read-only/";
    fs::create_directories(target);
    writeOldFiles(target);
    const auto before = contentsOf(target);
    // The folder takes new files; only the old files themselves refuse writes.
    fs::permissions(folder.path(), fs::perms::all, fs::perm_options::replace);
    fs::permissions(target, fs::perms::all, fs::perm_options::replace);
    for (const auto& [name, bytes] : before)
        fs::permissions(target + name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
                        fs::perm_options::replace);

    const std::optional<std::string> failure = runWithoutRights([&] {
        const auto [messages, details] = writeEverything(target);
        std::string wrong;
        if (messages != kWriterMessages) wrong += "messages: " + ::testing::PrintToString(messages) + "\n";
        const std::vector<std::string> expectedDetails{
            "終了時のバックアップ: " + target + "bkView.ini（書き込みが許可されていません）",
            "終了時のバックアップ: " + target + "bkCmdLine.dat（書き込みが許可されていません）"};
        if (details != expectedDetails) wrong += "details: " + ::testing::PrintToString(details) + "\n";
        if (contentsOf(target) != before) wrong += "a read-only file changed\n";
        return wrong;
    });
    if (!failure) GTEST_SKIP() << "cannot run without rights here";
    EXPECT_EQ(*failure, "");
    EXPECT_EQ(contentsOf(target), before);
}

// Removes a file when a reader starts on it: the file was found, then it went away.
class VanishingUi : public RecordingUi {
public:
    std::map<std::string, std::string> removeAtCaption;
    void beginProgress(std::string_view caption) override {
        RecordingUi::beginProgress(caption);
        auto it = removeAtCaption.find(std::string(caption));
        if (it != removeAtCaption.end()) fs::remove(it->second);
    }
};

TEST_F(InjectedFailures, AFileThatGoesAwayAfterItWasFoundIsReportedAsMissing) {
    struct Case {
        const char* caption;
        const char* file;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases{
        {"節点ファイル展開中", "nodes.txt",
         {"節点ファイルのオープンに失敗しました\nファイルの有無を確認してください", "節点ファイルを確認してください"}},
        {"要素ファイル展開中", "elements.txt",
         {"要素ファイルのオープンに失敗しました\nファイルの有無を確認してください", "要素ファイルを確認してください"}},
        {"データファイル展開中", "values.txt",
         {"データファイルのオープンに失敗しました\nファイルの有無を確認してください", "データファイルを確認して下さい"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        writeSheet(folder);
        VanishingUi vanishing;
        vanishing.removeAtCaption[c.caption] = folder.path() + c.file;
        EXPECT_EQ(document.RunCommandLineFile(vanishing, folder.path() + "job.dat", {}), 1);
        EXPECT_EQ(vanishing.messages, c.messages);
        EXPECT_EQ(vanishing.details,
                  std::vector<std::string>{"対象ファイル: " + folder.path() + c.file + "（ファイルがありません）"});
        EXPECT_EQ(document.loaded, 0);
        EXPECT_EQ(vanishing.openProgressBars, 0);
    }
}

TEST(InjectedProfileFailures, AProfileThatCannotBeReadIsReportedAndNeverReplaced) {
    testing::TempFolder folder;
    writeSheet(folder);
    const std::string profile = profilePath();
    fs::create_directories(fs::path(profile).parent_path());

    const auto runJob = [&] {
        BatchOptions options;
        options.inputFile = folder.path() + "job.dat";
        std::ostringstream messages, summary;
        const int status = runHeadlessJob(options, messages, summary);
        return std::make_pair(status, messages.str());
    };
    const std::string warning = "警告: プロファイルが読めません\n登録パスと既定値は使いません\n対象ファイル: " + profile;

    // A folder where the profile should be.
    fs::create_directories(profile + "/kept");
    auto [status, messages] = runJob();
    EXPECT_EQ(status, 0); // the job itself is done
    EXPECT_EQ(messages, warning + "（フォルダです）\n");
    Profile folderProfile(profile);
    folderProfile.setInt("PATH", "num", 0);
    EXPECT_FALSE(folderProfile.save());
    EXPECT_TRUE(fs::exists(profile + "/kept"));
    fs::remove_all(profile);

    // A symbolic link that leads round in a loop.
    fs::create_symlink(profile + ".other", profile);
    fs::create_symlink(profile, profile + ".other");
    std::tie(status, messages) = runJob();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(messages, warning + "（シンボリックリンクが循環しています）\n");
    EXPECT_FALSE(Profile(profile).save());
    EXPECT_TRUE(fs::is_symlink(profile));
    fs::remove(profile);
    fs::remove(profile + ".other");

    // Without read permission (the superuser reads it anyway).
    if (::geteuid() != 0) {
        ASSERT_TRUE(writeFileAtomically(profile, "[PATH]\nnum=1\npath0=/data\n"));
        fs::permissions(profile, fs::perms::none, fs::perm_options::replace);
        std::tie(status, messages) = runJob();
        EXPECT_EQ(messages, warning + "（読み取りが許可されていません）\n");
        EXPECT_FALSE(Profile(profile).save());
        fs::permissions(profile, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
        std::string bytes;
        ASSERT_TRUE(readWholeFile(profile, bytes));
        EXPECT_EQ(bytes, "[PATH]\nnum=1\npath0=/data\n");
    }
}

} // namespace
} // namespace vellum
