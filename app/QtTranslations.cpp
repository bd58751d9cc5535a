#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vellum {
namespace {

const QString kTranslatorName = QStringLiteral("vellumQtTranslations");
const QString kWindowTranslatorName = QStringLiteral("vellumWindowTranslations");

} // namespace

bool installQtTranslations(QCoreApplication& application, const QString& language) {
    // A second call (another language) must not leave the first one's texts behind.
    delete application.findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly);

    const QLocale locale(language);
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return true;
    auto* translator = new QTranslator(&application);
    translator->setObjectName(kTranslatorName);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

bool installInterfaceLanguage(QCoreApplication& application, Language language) {
    setInterfaceLanguage(language);
    delete application.findChild<QTranslator*>(kWindowTranslatorName, Qt::FindDirectChildrenOnly);
    const bool english = language == Language::english;
    bool loaded = installQtTranslations(application, english ? QStringLiteral("en") : QStringLiteral("ja"));
    if (!english) return loaded;
    auto* translator = new QTranslator(&application);
    translator->setObjectName(kWindowTranslatorName);
    if (!translator->load(QStringLiteral(":/i18n/vellumplot_en.qm"))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return loaded;
}

} // namespace vellum
