#include "settings/ProfileValues.h"

#include "settings/Profile.h"

namespace vellum {

namespace {
constexpr std::string_view kOpenSection = "NEWFILEOPEN";
constexpr std::string_view kWindowSection = "Window";
constexpr std::string_view kInterfaceSection = "Interface";
} // namespace

void OpenDialogDefaults::load(const Profile& profile) {
    dimension = profile.getInt(kOpenSection, "dimension", 0);
    autoMesh = profile.getInt(kOpenSection, "autoMesh", 0);
    dataType = profile.getInt(kOpenSection, "dataType", 0);
}

void OpenDialogDefaults::store(Profile& profile) const {
    profile.setInt(kOpenSection, "dimension", dimension);
    profile.setInt(kOpenSection, "autoMesh", autoMesh);
    profile.setInt(kOpenSection, "dataType", dataType);
}

void PolarOptions::load(const Profile& profile) {
    polarCoordinates = profile.getInt(kOpenSection, "polarCoordinates", 0);
    radianData = profile.getInt(kOpenSection, "radianData", 0);
}

void PolarOptions::store(Profile& profile) const {
    profile.setInt(kOpenSection, "polarCoordinates", polarCoordinates);
    profile.setInt(kOpenSection, "RadianData", radianData);
}

WindowEdges loadWindowPlacement(const Profile& profile) {
    WindowEdges edges;
    edges.left = profile.getInt(kWindowSection, "left", 0);
    edges.top = profile.getInt(kWindowSection, "top", 0);
    edges.right = profile.getInt(kWindowSection, "right", 640);
    edges.bottom = profile.getInt(kWindowSection, "bottom", 480);
    edges.show = profile.getInt(kWindowSection, "show", 1);
    return edges;
}

bool hasWindowPlacement(const Profile& profile) { return !profile.getString(kWindowSection, "right", "").empty(); }

void storeWindowPlacement(Profile& profile, const WindowEdges& edges) {
    profile.setInt(kWindowSection, "left", edges.left);
    profile.setInt(kWindowSection, "top", edges.top);
    profile.setInt(kWindowSection, "right", edges.right);
    profile.setInt(kWindowSection, "bottom", edges.bottom);
    profile.setInt(kWindowSection, "show", edges.show);
}

std::optional<Language> loadChosenLanguage(const Profile& profile) {
    return parseLanguageName(profile.getString(kInterfaceSection, "Language", ""));
}

void storeChosenLanguage(Profile& profile, Language language) {
    profile.setString(kInterfaceSection, "Language", languageName(language));
}

Language chooseInterfaceLanguage(std::optional<Language> commandLine, const Profile& profile) {
    if (commandLine) return *commandLine;
    if (const std::optional<Language> chosen = loadChosenLanguage(profile)) return *chosen;
    return languageFromEnvironment();
}

} // namespace vellum
