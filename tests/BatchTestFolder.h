#pragma once
// A fresh temporary folder per test, with helpers to write files into it; the profile and
// the program folder point inside it so no test touches a real installation.
#include "common/Encoding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace vellum::testing {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vellum-batch-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
        root_ = pattern + "/";
        ::setenv("XDG_CONFIG_HOME", (root_ + "config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (root_ + "data").c_str(), 1);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
        std::filesystem::remove_all(root_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending in "/".
    const std::string& path() const { return root_; }

    // Writes `text` (UTF-8) to `relative`, as CP932 unless `utf8`; returns the full path.
    std::string write(const std::string& relative, const std::string& text, bool utf8 = false) const {
        const std::string full = root_ + relative;
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::ofstream out(full, std::ios::binary);
        out << (utf8 ? text : utf8ToCp932(text));
        return full;
    }

    std::string read(const std::string& relative) const {
        std::ifstream in(root_ + relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    bool exists(const std::string& relative) const { return std::filesystem::exists(root_ + relative); }

private:
    std::string root_;
};

} // namespace vellum::testing
