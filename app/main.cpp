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
#include "cli/BatchOptions.h"
#include "cli/HeadlessJob.h"
#include "settings/Profile.h"
#include "settings/ProfileValues.h"

#include <QApplication>
#include <QDir>
#include <QSurfaceFormat>
#include <QTimer>

#include <cstdlib>
#include <iostream>

namespace {

bool displayAvailable() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const std::string argument = argc > 1 ? argv[1] : "";
    if (!argument.empty() && !displayAvailable()) {
        vellum::BatchOptions options;
        options.inputFile = argument;
        return vellum::runHeadlessJob(options, std::cerr, std::cout);
    }

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
    // The interface is Japanese; Qt's standard buttons and choosers follow it.
    vellum::installQtTranslations(application, QStringLiteral("ja"));

    vellum::QtUi ui;
    vellum::DialogFileChooser chooser;
    const bool hasArgument = !argument.empty();
    vellum::MainWindow frame(ui, chooser, !hasArgument);
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
