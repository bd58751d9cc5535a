#include "settings/Profile.h"

#include "common/FileIo.h"
#include "common/Numbers.h"
#include "common/Texts.h"
#include "common/Ui.h"
#include "common/UserPaths.h"

// Plain char strings in and out, UTF-8 as they are; no wide-character conversion needed.
// Debian's header keeps the template bodies behind SI_IMPLEMENTATION; this is the only
// file that includes it, so they are instantiated here.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <sys/stat.h>

namespace vellum {

// CSimpleIniA compares section and key names without regard to ASCII case.
struct Profile::Store {
    CSimpleIniA ini{/*isUtf8=*/true, /*multiKey=*/false, /*multiLine=*/false};
};

Profile::Profile(std::string path) : path_(std::move(path)), store_(std::make_unique<Store>()) {
    std::string bytes;
    if (readWholeFile(path_, bytes)) {
        store_->ini.LoadData(bytes);
        return;
    }
    // A missing profile is a fresh start; anything else at its path is the person's.
    struct stat st {};
    unreadable_ = ::lstat(path_.c_str(), &st) == 0;
}

Profile::~Profile() = default;

Profile Profile::openUserProfile() { return Profile(profilePath()); }

int Profile::getInt(std::string_view section, std::string_view name, int defaultValue) const {
    const char* value = store_->ini.GetValue(std::string(section).c_str(), std::string(name).c_str());
    return value == nullptr ? defaultValue : parseIntPrefix(value);
}

std::string Profile::getString(std::string_view section, std::string_view name,
                               std::string_view defaultValue) const {
    const char* value = store_->ini.GetValue(std::string(section).c_str(), std::string(name).c_str());
    return value == nullptr ? std::string(defaultValue) : std::string(value);
}

void Profile::setInt(std::string_view section, std::string_view name, int value) {
    setString(section, name, std::to_string(value));
}

void Profile::setString(std::string_view section, std::string_view name, std::string_view value) {
    store_->ini.SetValue(std::string(section).c_str(), std::string(name).c_str(), std::string(value).c_str());
}

bool Profile::save() const {
    if (unreadable_) return false;
    std::string bytes;
    if (store_->ini.Save(bytes) < 0) return false;
    const size_t slash = path_.rfind('/');
    if (slash != std::string::npos && slash > 0 && !makeFolders(path_.substr(0, slash))) return false;
    return writeFileAtomically(path_, bytes);
}

int saveProfile(Ui& ui, const Profile& profile) {
    if (profile.save()) return 0;
    ui.showMessage(shownText(TX("プロファイルに書き込めません\n%1"), {profile.path()}));
    return 1;
}

} // namespace vellum
