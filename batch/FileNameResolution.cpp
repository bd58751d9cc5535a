#include "batch/FileNameResolution.h"

#include <algorithm>
#include <cctype>
#include <sys/stat.h>

namespace vellum {
namespace {

std::string withSlashes(std::string text) {
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

} // namespace

std::string folderOf(const std::string& path) {
    const std::string slashed = withSlashes(path);
    const size_t slash = slashed.rfind('/');
    return slash == std::string::npos ? std::string() : slashed.substr(0, slash + 1);
}

std::string finalComponent(const std::string& path) {
    const std::string slashed = withSlashes(path);
    const size_t slash = slashed.rfind('/');
    return slash == std::string::npos ? slashed : slashed.substr(slash + 1);
}

std::string extensionOf(const std::string& path) {
    const std::string last = finalComponent(path);
    const size_t dot = last.rfind('.');
    return dot == std::string::npos ? std::string() : last.substr(dot);
}

std::string withoutQuotes(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    return text;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

Resolution resolveFileName(std::string& name, std::string& path, const std::string& folder,
                           const std::vector<std::string>& searchList) {
    const std::string relative = withSlashes(name);
    if (!relative.empty() && relative.front() == '/') {
        // Absolute: not tested here; a missing file shows up as the reader's failure.
        path = relative;
        name = finalComponent(relative);
        return Resolution::Found;
    }
    path = folder + relative;
    if (fileExists(path)) return Resolution::Found;
    if (searchList.empty()) return Resolution::Untested;
    for (const std::string& entry : searchList) {
        std::string candidate = entry + relative;
        if (fileExists(candidate)) {
            path = std::move(candidate);
            return Resolution::Found;
        }
    }
    return Resolution::NotFound;
}

bool isStlExtension(const std::string& extension) {
    std::string lower = extension;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower == ".stl";
}

} // namespace vellum
