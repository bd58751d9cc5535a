#pragma once
// Profile values of the open dialog ("NEWFILEOPEN") and of the main window ("Window").
#include "common/Language.h"
#include "settings/ViewSettings.h"

#include <optional>

namespace vellum {

class Profile;

// The open dialog's defaults, read when the view is made and written after every
// confirmed dialog.
struct OpenDialogDefaults {
    int dimension = 0; // shape choice: 0 sheet, 1 solid
    int autoMesh = 0;
    int dataType = 0;

    void load(const Profile& profile);
    void store(Profile& profile) const;
};

// The polar options, read each time the open dialog opens.
struct PolarOptions {
    int polarCoordinates = 0;
    int radianData = 0;

    void load(const Profile& profile);
    // The radians option is written as "RadianData"; names compare without case.
    void store(Profile& profile) const;
};

// The main window's normal rectangle and show state (defaults 0, 0, 640, 480 and 1).
WindowEdges loadWindowPlacement(const Profile& profile);
// The profile holds a placement a window left there; a first start has none, and the
// defaults above would then be taken for one.
bool hasWindowPlacement(const Profile& profile);
void storeWindowPlacement(Profile& profile, const WindowEdges& edges);

// The interface language the person chose in the window's menu, kept as [Interface]
// Language=ja|en; nothing when they never chose (or the value is not one of the two), so
// that the locale decides.
std::optional<Language> loadChosenLanguage(const Profile& profile);
void storeChosenLanguage(Profile& profile, Language language);

// The language both programs show: `--lang` when given, then the choice kept in the
// profile, then the locale.
Language chooseInterfaceLanguage(std::optional<Language> commandLine, const Profile& profile);

} // namespace vellum
