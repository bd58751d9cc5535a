#pragma once
// The folders a command-line file's relative names are looked for in, and the option that
// makes written command-line files name their files by full path. Profile section "PATH".
#include <string>
#include <vector>

namespace vellum {

class Profile;

struct RegisteredPaths {
    std::vector<std::string> paths; // as the folder chooser returned them
    int fullPath = 0;               // 1: written command-line files use full paths

    // "num", then "path0" .. "path<num-1>" (default empty), then "fullPath".
    void load(const Profile& profile);
    // "fullPath", "num" and one "path%d" per entry. Entries numbered beyond the new count
    // may remain in the profile; they are never read. The caller saves the profile.
    void store(Profile& profile) const;
};

// The search list of one command-line run, read afresh from the profile: every entry
// gets a trailing "/" unless it is the root "/".
std::vector<std::string> searchListFromProfile(const Profile& profile);

} // namespace vellum
