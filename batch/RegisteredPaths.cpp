#include "batch/RegisteredPaths.h"

#include "settings/Profile.h"

namespace vellum {

namespace {
constexpr std::string_view kSection = "PATH";
// A damaged count must not make a run read millions of empty values.
constexpr int kMostPaths = 10000;

std::string pathValueName(size_t index) { return "path" + std::to_string(index); }
} // namespace

void RegisteredPaths::load(const Profile& profile) {
    paths.clear();
    const int count = profile.getInt(kSection, "num", 0);
    for (int i = 0; i < count && i < kMostPaths; ++i)
        paths.push_back(profile.getString(kSection, pathValueName(static_cast<size_t>(i)), ""));
    fullPath = profile.getInt(kSection, "fullPath", 0);
}

void RegisteredPaths::store(Profile& profile) const {
    profile.setInt(kSection, "fullPath", fullPath);
    profile.setInt(kSection, "num", static_cast<int>(paths.size()));
    for (size_t i = 0; i < paths.size(); ++i) profile.setString(kSection, pathValueName(i), paths[i]);
}

std::vector<std::string> searchListFromProfile(const Profile& profile) {
    RegisteredPaths registered;
    registered.load(profile);
    for (std::string& path : registered.paths)
        if (path != "/") path += '/';
    return std::move(registered.paths);
}

} // namespace vellum
