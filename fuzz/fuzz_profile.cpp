// Profiles of any bytes: every value the programs read from one, a change saved, and
// the saved file read back.
#include "fuzz/FuzzSupport.h"

#include "batch/RegisteredPaths.h"
#include "settings/Profile.h"

using namespace vellum;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::writeInput("fuzzed-profile.ini", fuzz::asText(data, size));
    Profile profile(path);
    Document document;
    document.readProfile(profile);
    searchListFromProfile(profile);
    profile.setInt("PATH", "num", profile.getInt("path", "NUM", 0));
    profile.setString("Window", "left", profile.getString("WINDOW", "LEFT", ""));
    if (!profile.save()) return 0;
    Profile again(path);
    document.readProfile(again);
    return 0;
}
