// vellumplot: the desktop program. With a command-line file (or an STL file) as its
// argument it loads that graph at start; with an argument and no display it does the job
// as the headless program does and exits with its status.
#include "app/MainWindow.h"
#include "app/GraphView.h"
#include "app/FileChooser.h"
#include "app/InterfaceStyle.h"
#include "app/QtTranslations.h"
#include "app/QtUi.h"
#include "app/ToolbarIcons.h"
#include "batch/RegisteredPaths.h"
#include "cli/BatchOptions.h"
#include "cli/HeadlessJob.h"
#include "model/Document.h"
#include "model/LoadPrefetch.h"
#include "settings/Profile.h"
#include "settings/ProfileValues.h"

#include <QApplication>
#include <QDir>
#include <QSurfaceFormat>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

bool displayAvailable() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') return true;
    }
    return false;
}

// "--lang ja|en" or "--lang=ja|en" anywhere among the arguments, taken out of them. False
// (after saying why) for a word that is neither.
bool takeLanguageOption(std::vector<std::string>& arguments, std::optional<vellum::Language>& language) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string value;
        std::size_t taken = 1;
        if (arguments[i] == "--lang") {
            value = i + 1 < arguments.size() ? arguments[i + 1] : "";
            taken = 2;
        } else if (arguments[i].rfind("--lang=", 0) == 0) {
            value = arguments[i].substr(7);
        } else {
            continue;
        }
        language = vellum::parseLanguageName(value);
        if (!language) {
            std::cerr << "vellumplot: --lang wants ja or en: " << value << '\n';
            return false;
        }
        arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                        arguments.begin() + static_cast<std::ptrdiff_t>(std::min(i + taken, arguments.size())));
        --i;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::optional<vellum::Language> chosenLanguage;
    if (!takeLanguageOption(arguments, chosenLanguage)) return 1;
    const vellum::Language language =
        vellum::chooseInterfaceLanguage(chosenLanguage, vellum::Profile::openUserProfile());
    const std::string argument = arguments.empty() ? "" : arguments.front();
    if (!argument.empty() && !displayAvailable()) {
        vellum::setInterfaceLanguage(language);
        vellum::BatchOptions options;
        options.inputFile = argument;
        return vellum::runHeadlessJob(options, std::cerr, std::cout);
    }

    // The job's node, element and data files are read while Qt and OpenGL start, which
    // takes about as long; the run takes what was read when it loads the same files.
    std::shared_ptr<vellum::LoadPrefetch> parsesStarted;
    if (!argument.empty())
        parsesStarted = vellum::Document::StartJobParses(
            argument, vellum::searchListFromProfile(vellum::Profile::openUserProfile()));

    // OpenGL 1.1 drawing with display lists: a compatibility context with depth and stencil.
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    QSurfaceFormat::setDefaultFormat(format);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vellumPLOT"));
    QApplication::setWindowIcon(vellum::programIcon());
    vellum::installInterfaceStyle(application);
    // The window's texts, Qt's standard buttons and choosers all speak the chosen language.
    vellum::installInterfaceLanguage(application, language);

    vellum::QtUi ui;
    vellum::DialogFileChooser chooser;
    const bool hasArgument = !argument.empty();
    vellum::MainWindow frame(ui, chooser, !hasArgument);
    frame.view().document().parsesStarted = std::move(parsesStarted);
    const int show = vellum::loadWindowPlacement(vellum::Profile::openUserProfile()).show;
    if (show == 3) frame.showMaximized();
    else frame.show();

    if (hasArgument) {
        // Taken against the folder the program started in, before any job changes it.
        const QString path = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argument.c_str()).remove('"'));
        QTimer::singleShot(0, &frame, [&frame, path] { frame.view().openPath(path); });
    }
    const int code = QApplication::exec();
    return code != 0 ? code : frame.exitStatus();
}
