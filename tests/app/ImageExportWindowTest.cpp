// The window's image export with its options: the defaults give exactly the window's
// pixels, a larger smooth transparent picture is drawn off screen, and the choices come
// back the next time from the profile.
#include "AppWindowTest.h"
#include "../PngHeader.h"
#include "app/ImageExportDialog.h"
#include "model/CommandTable.h"
#include "settings/Profile.h"

#include <QCheckBox>
#include <QLineEdit>

namespace vellum {
namespace {

using test::pngSize;

using testing::ModalScript;

class ImageExportWindow : public testing::AppWindowTest {};

TEST_F(ImageExportWindow, OptionsGiveALargerSmoothTransparentPictureAndAreRemembered) {
    auto frame = frameWith("plate/plate.dat");
    GraphView& view = frame->view();
    ASSERT_EQ(view.document().loaded, 1);

    // The defaults: the window's own pixels, byte for byte.
    chooser.answers = {QString::fromStdString(folder.path() + "plain.png")};
    ModalScript defaults;
    defaults.then<ImageExportDialog>([](ImageExportDialog* dialog) {
        EXPECT_EQ(dialog->scaleEdit()->text(), QStringLiteral("1"));
        EXPECT_FALSE(dialog->antialiasBox()->isChecked());
        dialog->accept();
    });
    view.runCommand(command::kExportImage);
    EXPECT_TRUE(defaults.finished());
    std::string shown;
    ASSERT_TRUE(encodePng(view.capture(), shown));
    EXPECT_TRUE(folder.read("plain.png") == shown) << "a plain export is no longer the window's picture";

    // Twice as large, smooth and transparent.
    chooser.answers = {QString::fromStdString(folder.path() + "report.png")};
    ModalScript report;
    report.then<ImageExportDialog>([](ImageExportDialog* dialog) {
        EXPECT_TRUE(dialog->transparentBox()->isEnabled());
        dialog->scaleEdit()->setText(QStringLiteral("2"));
        dialog->antialiasBox()->setChecked(true);
        dialog->transparentBox()->setChecked(true);
        dialog->accept();
    });
    view.runCommand(command::kExportImage);
    EXPECT_TRUE(report.finished());
    const std::string written = folder.read("report.png");
    EXPECT_EQ(pngSize(written), std::make_pair(view.width() * 2, view.height() * 2));
    ASSERT_GT(written.size(), 26u);
    EXPECT_EQ(static_cast<uint8_t>(written[25]), 6) << "an RGBA PNG";
    EXPECT_EQ(Profile::openUserProfile().getInt("IMAGEEXPORT", "Scale", 0), 2);

    // The next export offers the same; a JPEG cannot be transparent, and a cancel writes
    // nothing.
    chooser.answers = {QString::fromStdString(folder.path() + "again.jpg")};
    ModalScript again;
    again.then<ImageExportDialog>([](ImageExportDialog* dialog) {
        EXPECT_EQ(dialog->scaleEdit()->text(), QStringLiteral("2"));
        EXPECT_TRUE(dialog->antialiasBox()->isChecked());
        EXPECT_FALSE(dialog->transparentBox()->isEnabled());
        dialog->reject();
    });
    view.runCommand(command::kExportImage);
    EXPECT_TRUE(again.finished());
    EXPECT_FALSE(folder.exists("again.jpg"));

    // A vector type is drawn as a vector picture, smoothing left aside.
    chooser.answers = {QString::fromStdString(folder.path() + "figure.svg")};
    ModalScript vector;
    vector.then<ImageExportDialog>([](ImageExportDialog* dialog) {
        EXPECT_FALSE(dialog->antialiasBox()->isEnabled());
        dialog->accept();
    });
    view.runCommand(command::kExportImage);
    EXPECT_TRUE(vector.finished());
    EXPECT_NE(folder.read("figure.svg").find("<svg"), std::string::npos);
}

} // namespace
} // namespace vellum
