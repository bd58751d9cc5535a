#pragma once
// The bad-input corpus under tests/bad-input/: one folder per case with its files and
// expected.txt:
//
//   run: model.stl            the file to run, beside it (default job.dat)
//   exit: 1
//   summary: "elements": 0    a text the summary must hold (any number of lines)
//   ---
//   the messages, line by line; {case} stands for the case's folder
//
// A profile.ini in the folder becomes the user's profile for the run.
#include "common/UserPaths.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace vellum::testing {

namespace fs = std::filesystem;

inline const fs::path kCorpus = fs::path(VELLUM_SOURCE_DIR) / "tests" / "bad-input";

struct Expected {
    std::string run = "job.dat";
    int exit = -1;
    std::vector<std::string> summary;
    std::string messages;
};

inline std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

inline Expected readExpected(const fs::path& folder) {
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
    for (std::string& text : e.summary) text = replaceAll(text, "{case}", folder.string());
    return e;
}

// Every file of the case with its bytes (symbolic links as their targets), so that a
// run can be shown to have changed nothing.
inline std::map<std::string, std::string> snapshot(const fs::path& folder) {
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

inline std::vector<fs::path> corpusCases() {
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(kCorpus))
        if (fs::exists(entry.path() / "expected.txt")) cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    return cases;
}

// Makes the case's profile.ini, if it has one, the user's profile.
inline void useCaseProfile(const std::filesystem::path& folder) {
    if (!std::filesystem::exists(folder / "profile.ini")) return;
    std::filesystem::create_directories(std::filesystem::path(profilePath()).parent_path());
    std::filesystem::copy_file(folder / "profile.ini", profilePath());
}

} // namespace vellum::testing
