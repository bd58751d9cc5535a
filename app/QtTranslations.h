#pragma once
// Qt's own texts (standard buttons, the file and colour choosers) in the interface's
// language, so that they read as the rest of the program does.
#include "common/Language.h"

#include <QString>

class QCoreApplication;

namespace vellum {

// Installs Qt's translations for `language` (a locale name: "ja", "en", ...) on
// `application`, replacing any this function installed before. English needs none and
// leaves Qt's own texts. False when the translation files cannot be found, in which case
// Qt's texts stay English.
bool installQtTranslations(QCoreApplication& application, const QString& language);

// Makes `language` the interface language: the core's shown texts, the window's own texts
// (the English .qm built into the program, none for Japanese, the source language) and
// Qt's texts. Widgets made afterwards speak it; the window rebuilds what it keeps. False
// when a translation could not be loaded (the texts then stay in their source language).
bool installInterfaceLanguage(QCoreApplication& application, Language language);

} // namespace vellum
