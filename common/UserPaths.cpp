#include "common/UserPaths.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace vellum {
namespace {

std::string baseFolder(const char* variable, const char* homeRelative) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') return value;
    const char* home = std::getenv("HOME");
    std::string base = (home != nullptr && home[0] != '\0') ? home : "/tmp";
    return base + "/" + homeRelative;
}

} // namespace

std::string profilePath() {
    return baseFolder("XDG_CONFIG_HOME", ".config") + "/vellumPLOT/vellumPLOT.ini";
}

std::string programFolder() {
    return baseFolder("XDG_DATA_HOME", ".local/share") + "/vellumPLOT/";
}

bool makeFolders(const std::string& folder) {
    if (folder.empty()) return false;
    std::string path;
    size_t pos = 0;
    while (pos != std::string::npos) {
        size_t next = folder.find('/', pos + 1);
        path = folder.substr(0, next);
        if (!path.empty() && ::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) return false;
        pos = next;
    }
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace vellum
