#pragma once
// The application profile: named sections of named integer and string values that
// outlive a run, kept in an INI file. Section and value names are compared without case,
// so "PATH" and "path" are one section.
//
// A Profile reads the file once, when it is made; setters change the copy in memory and
// save() writes the whole file back. Make one for a group of reads or writes and drop it:
// a long-lived copy would not see what others have saved since.
#include <memory>
#include <string>
#include <string_view>

namespace vellum {

class Ui;

class Profile {
public:
    // The profile at `path`; a missing or unreadable file reads as empty.
    explicit Profile(std::string path);
    ~Profile();
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    // The user's profile (common/UserPaths.h).
    static Profile openUserProfile();

    const std::string& path() const { return path_; }
    // The file is there but could not be read (a folder, a symbolic link loop, no read
    // permission): it reads as empty, and save() leaves it alone rather than replace the
    // person's settings with the few values of this run.
    bool unreadable() const { return unreadable_; }

    // The value's leading decimal integer (0 when it has none), or `defaultValue` when the
    // profile holds no such value.
    int getInt(std::string_view section, std::string_view name, int defaultValue) const;
    std::string getString(std::string_view section, std::string_view name,
                          std::string_view defaultValue) const;

    void setInt(std::string_view section, std::string_view name, int value);
    void setString(std::string_view section, std::string_view name, std::string_view value);

    // Writes the profile, creating its folder as needed; the old file is replaced only
    // once the new one is complete. False when it cannot be written or is unreadable.
    bool save() const;

private:
    struct Store;
    std::string path_;
    std::unique_ptr<Store> store_;
    bool unreadable_ = false;
};

// Saves `profile` for a command the person gave; a profile that cannot be saved is said
// so, naming its file, since the values of the command would otherwise be lost unnoticed.
// 0 when saved, 1 otherwise.
int saveProfile(Ui& ui, const Profile& profile);

} // namespace vellum
