// The application's tests run inside one QApplication, on whatever platform the
// environment names (xcb under Xvfb for the OpenGL view, offscreen for dialogs alone).
#include "app/InterfaceStyle.h"
#include "app/QtTranslations.h"

#include <QApplication>
#include <QSurfaceFormat>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    QSurfaceFormat::setDefaultFormat(format);
    QApplication application(argc, argv);
    // As the program draws and speaks, so that the tests see what a person sees.
    vellum::installInterfaceStyle(application);
    vellum::installQtTranslations(application, QStringLiteral("ja"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
