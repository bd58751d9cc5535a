// Every case under tests/bad-input/ run through the headless program's job: the exact
// messages on standard error, the exit status and what --summary reports. A case is a
// folder with the files of one bad input and expected.txt:
//
//   run: model.stl            the file to run, beside it (default job.dat)
//   exit: 1
//   summary: "elements": 0    a text the summary must hold (any number of lines)
//   ---
//   the messages, line by line; {case} stands for the case's folder
//
// A profile.ini in the folder becomes the user's profile for the run. Files the corpus
// holds are never changed by a run.
#include "BatchTestFolder.h"
#include "cli/HeadlessJob.h"
#include "common/UserPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vellum {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(VELLUM_SOURCE_DIR) / "tests" / "bad-input";

struct Expected {
    std::string run = "job.dat";
    int exit = -1;
    std::vector<std::string> summary;
    std::string messages;
};

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

Expected readExpected(const fs::path& folder) {
    Expected e;
    std::ifstream in(folder / "expected.txt", std::ios::binary);
    std::string line;
    bool body = false;
    while (std::getline(in, line)) {
        if (body) e.messages += line + "\n";
        else if (line == "---") body = true;
        else if (line.rfind("run: ", 0) == 0) e.run = line.substr(5);
        else if (line.rfind("exit: ", 0) == 0) e.exit = std::stoi(line.substr(6));
        else if (line.rfind("summary: ", 0) == 0) e.summary.push_back(line.substr(9));
    }
    e.messages = replaceAll(e.messages, "{case}", folder.string());
    return e;
}

// Every file of the case with its bytes (symbolic links as their targets), so that a
// run can be shown to have changed nothing.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::error_code ec;
        if (entry.is_symlink(ec)) {
            files[entry.path().string()] = "-> " + fs::read_symlink(entry.path(), ec).string();
        } else if (entry.is_regular_file(ec)) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return files;
}

std::vector<fs::path> corpusCases() {
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(kCorpus))
        if (fs::exists(entry.path() / "expected.txt")) cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    return cases;
}

TEST(BadInputCorpus, EveryCaseGivesItsMessagesAndStatusAndChangesNoFile) {
    const std::vector<fs::path> cases = corpusCases();
    EXPECT_GE(cases.size(), 40u);
    for (const fs::path& folder : cases) {
        SCOPED_TRACE(folder.filename().string());
        testing::TempFolder home; // the profile and the backups
        if (fs::exists(folder / "profile.ini")) {
            fs::create_directories(fs::path(profilePath()).parent_path());
            fs::copy_file(folder / "profile.ini", profilePath());
        }
        const Expected expected = readExpected(folder);
        const auto before = snapshot(folder);

        BatchOptions options;
        options.inputFile = (folder / expected.run).string();
        options.summary = true;
        std::ostringstream messages, summary;
        const int status = runHeadlessJob(options, messages, summary);

        EXPECT_EQ(status, expected.exit);
        EXPECT_EQ(messages.str(), expected.messages);
        for (const std::string& text : expected.summary)
            EXPECT_NE(summary.str().find(text), std::string::npos) << text << " not in " << summary.str();
        EXPECT_EQ(snapshot(folder), before);
    }
}

} // namespace
} // namespace vellum
