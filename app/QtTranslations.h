#pragma once
// Qt's own texts (standard buttons, the file and colour choosers) in the interface's
// language, so that they read as the rest of the program does.
#include <QString>

class QCoreApplication;

namespace vellum {

// Installs Qt's translations for `language` (a locale name: "ja", "en", ...) on
// `application`, replacing any this function installed before. English needs none and
// leaves Qt's own texts. False when the translation files cannot be found, in which case
// Qt's texts stay English.
bool installQtTranslations(QCoreApplication& application, const QString& language);

} // namespace vellum
