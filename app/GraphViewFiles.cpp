// The commands that read and write files: open, imports, exports, backups, and the
// small commands around them (copy, initialise, web page, about box).
#include "app/FileOpenDialog.h"
#include "app/GraphView.h"
#include "app/FileChooser.h"
#include "app/QtUi.h"
#include "batch/FileNameResolution.h"
#include "common/Texts.h"
#include "common/UserPaths.h"
#include "cli/PictureRequests.h"
#include "cli/SeriesFrames.h"
#include "model/EmptyMeshWarning.h"
#include "render/AnimationWriter.h"
#include "model/FaultNotes.h"
#include "model/FileOpenForm.h"
#include "model/ImageExportForm.h"
#include "render/ImageFile.h"
#include "render/OffscreenPicture.h"
#include "render/Renderer.h"
#include "settings/Profile.h"
#include "settings/ProfileValues.h"
#include "settings/ViewSettingsFile.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

namespace vellum {
namespace {

// The product's home page, opened by the web command.
constexpr const char* kHomePage = "https://vellumplot.example.org/";

std::string chosenPath(const QString& path) { return path.toStdString(); }

// The frame's normal rectangle and show state, as a written look file holds them.
WindowEdges frameEdges(const QWidget* frame) {
    const QRect normal = frame->normalGeometry().isValid() ? frame->normalGeometry() : frame->geometry();
    return WindowEdges{normal.x() + normal.width(), normal.x(), normal.y(), normal.y() + normal.height(),
                       frame->isMaximized() ? 3 : 1};
}

} // namespace

void GraphView::openCommand() {
    PolarOptions polar;
    polar.load(Profile::openUserProfile());
    FileOpenDialog dialog(FileOpenForm(document_.dataSet.files, document_.options, polar.polarCoordinates,
                                     polar.radianData),
                        chooser_, ui_, window());
    if (dialog.exec() != QDialog::Accepted) return;
    const OpenChoice choice = dialog.form().choice();
    stopSeriesWork();
    {
        QtUi::MessageGroup messages(ui_);
        if (document_.Open(ui_, choice) == 0) warnOfEmptyMesh();
        refreshLoaded();
    }
    startSeriesCheck();
    Profile profile = Profile::openUserProfile();
    storeOpenChoice(profile, choice);
    saveProfile(ui_, profile);
}

void GraphView::runJob(const std::string& path) {
    int result = 0, status = 0;
    stopSeriesWork();
    {
        QtUi::MessageGroup messages(ui_);
        document_.look.WINDOW = frameEdges(window()); // a look file's WINDOW values replace these one by one
        result = document_.RunCommandLineFile(ui_, path, searchListFromProfile(Profile::openUserProfile()));
        if (result == 0) {
            // The job's folder becomes current, so that the next dialogs start there.
            QDir::setCurrent(QString::fromStdString(folderOf(document_.dataSet.files.commandFilePath)));
            takeWindowEdges();
            warnOfEmptyMesh();
        }
        refreshLoaded();
        const FileSet& f = document_.dataSet.files;
        if (result == 0 && !f.imageFilePath.empty()) status = writeImage(f.imageFilePath);
    }
    // Only once every message has been answered.
    if (result == 0 && document_.options.exitFlag != 0) {
        emit exitRequested(status);
        return;
    }
    if (result == 0) startSeriesCheck();
}

int GraphView::writeImage(const std::string& path) {
    if (ExportImage(ui_, path, capture()) == 0) return 0;
    noteUnwritableFile(ui_, path);
    return 1;
}

void GraphView::warnOfEmptyMesh() {
    const std::string warning = emptyMeshWarning(document_);
    if (!warning.empty()) ui_.showMessage(warning);
}

void GraphView::takeWindowEdges() {
    // A look file may have named a window size: the frame takes it where it fits.
    QWidget* frame = window();
    const WindowEdges& edges = document_.look.WINDOW;
    const QRect area = frame->screen() ? frame->screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
    const FrameRect place = placeFrameWindow(edges, frame->x(), frame->y(), area.width(), area.height());
    if (place.width > 0 && place.height > 0 && place.width <= 16384 && place.height <= 16384) {
        frame->move(place.x, place.y);
        frame->resize(place.width, place.height);
    }
}

void GraphView::importCommandLine() {
    const QString path = chooser_.openFile(window(), FileKind::CommandLine, {});
    if (path.isEmpty()) return;
    runJob(chosenPath(path));
}

void GraphView::importViewSettings() {
    const QString path = chooser_.openFile(window(), FileKind::ViewSettings, {});
    document_.look.WINDOW = frameEdges(window()); // a file's WINDOW values replace these one by one
    QtUi::MessageGroup messages(ui_);
    if (!path.isEmpty() && document_.ReadViewSettingsFile(ui_, chosenPath(path)) == 0) takeWindowEdges();
    else if (!path.isEmpty()) noteFileAtFault(ui_, chosenPath(path), chosenPath(path));
    refresh();
}

void GraphView::importBackup() {
    if (!ui_.askYesNo(TX("前回終了時のバックアップファイルを読み込みます．"))) return;
    runJob(programFolder() + kBackupCommandFile);
}

void GraphView::importStl() {
    const QString path = chooser_.openFile(window(), FileKind::Stl, {});
    if (path.isEmpty()) return;
    stopSeriesWork();
    QtUi::MessageGroup messages(ui_);
    if (document_.ImportStl(ui_, chosenPath(path)) == 0) warnOfEmptyMesh();
    refresh();
}

void GraphView::exportImage() {
    const bool series = document_.series.steps.size() > 1;
    const QString path = chooser_.saveFile(window(), series ? FileKind::SeriesImage : FileKind::Image);
    if (path.isEmpty()) {
        update();
        return;
    }
    if (series && isAnimationExtension(extensionOf(chosenPath(path)))) {
        exportAnimation(chosenPath(path));
        return;
    }
    ImageExportChoice remembered;
    remembered.load(Profile::openUserProfile());
    ImageExportForm form(remembered, chosenPath(path), width(), height());
    if (!chooser_.chooseImageOptions(window(), form, ui_)) {
        update();
        return;
    }
    FileSet& f = document_.dataSet.files;
    f.imageFilePath = chosenPath(path);
    f.imageExtension = extensionOf(f.imageFilePath);
    const std::string name = finalComponent(f.imageFilePath);
    f.imageFileName = name.substr(0, name.size() - f.imageExtension.size());
    QtUi::MessageGroup messages(ui_);
    {
        Profile profile = Profile::openUserProfile();
        form.choice().store(profile);
        saveProfile(ui_, profile);
    }
    // Asking for nothing more than the window shows keeps the export a copy of its pixels.
    if (form.plain()) writeImage(f.imageFilePath);
    else writeReportImage(f.imageFilePath, form);
}

int GraphView::writeReportImage(const std::string& path, const ImageExportForm& form) {
    WaitCursorScope waitCursor(ui_);
    // The off-screen context cannot be made current while the window's is (a capture
    // leaves it so); the window makes its own current again before it paints.
    doneCurrent();
    OffscreenRequest request;
    request.width = width();
    request.height = height();
    request.dataSet = document_.drawable();
    request.state = SceneState{document_.options.dataType, document_.modelShape()};
    request.scale = form.pixelRatio();
    request.antialias = form.antialias();
    request.transparent = form.transparent();
    if (renderer_) {
        handPinsToRenderer();
        request.pins = renderer_->pins();
    }
    int status = 0;
    if (form.isVector()) {
        status = writeVectorImage(path, request);
    } else {
        std::string error;
        const RgbaImage image = PaintReportPicture(document_.look, request, error);
        if (image.colour.pixels.empty()) {
            ui_.showMessage(shownText(TX("OpenGLの初期化に失敗しました\n%1"), {error}));
            status = 1;
        } else {
            status = ExportImage(ui_, path, image);
        }
    }
    if (status != 0) noteUnwritableFile(ui_, path);
    update();
    return status;
}

int GraphView::writeVectorImage(const std::string& path, const OffscreenRequest& request) {
    return ExportVectorPicture(ui_, path, document_.look, vectorRequestOf(request));
}

void GraphView::exportAnimation(const std::string& path) {
    // Every step drawn off screen at the view's size, from a copy: the window keeps the
    // step it shows.
    Document frames = document_;
    SeriesFramesRequest request;
    request.pattern = path;
    request.width = width();
    request.height = height();
    request.fps = kDefaultAnimationFps;
    QtUi::MessageGroup messages(ui_);
    {
        WaitCursorScope waitCursor(ui_);
        writeSeriesFrames(frames, request, ui_);
    }
    update();
}

void GraphView::exportTo(const std::string& path, const std::function<int(const std::string&)>& write) {
    QtUi::MessageGroup messages(ui_);
    if (write(path) != 0) noteUnwritableFile(ui_, path);
}

void GraphView::exportNodes() {
    const QString path = chooser_.saveFile(window(), FileKind::MeshExport);
    if (!path.isEmpty()) exportTo(chosenPath(path), [this](const std::string& to) { return document_.ExportNodeFile(ui_, to); });
}

void GraphView::exportElements() {
    const QString path = chooser_.saveFile(window(), FileKind::MeshExport);
    if (!path.isEmpty()) exportTo(chosenPath(path), [this](const std::string& to) { return document_.ExportElementFile(ui_, to); });
}

void GraphView::exportCommandLine() {
    const QString path = chooser_.saveFile(window(), FileKind::CommandLine);
    if (!path.isEmpty())
        exportTo(chosenPath(path), [this](const std::string& to) { return document_.WriteCommandLineFile(ui_, to); });
}

void GraphView::exportViewSettings() {
    const QString path = chooser_.saveFile(window(), FileKind::ViewSettings);
    if (path.isEmpty()) return;
    document_.look.WINDOW = frameEdges(window());
    exportTo(chosenPath(path), [this](const std::string& to) { return document_.WriteViewSettingsFile(ui_, to); });
}

void GraphView::copyToClipboard() {
    const QImage shown = grabFramebuffer();
    QApplication::clipboard()->setImage(shown);
}

void GraphView::initialiseView() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("vellumPLOT"),
                    tr("視点を初期化します\n回転角/平行位置/拡大率"), QMessageBox::Ok | QMessageBox::Cancel,
                    window());
    if (box.exec() == QMessageBox::Ok) document_.look.initialiseView();
    update();
}

void GraphView::openWebPage() {
    if (!QDesktopServices::openUrl(QUrl(QString::fromUtf8(kHomePage)))) ui_.showMessage(TX("ブラウザが起動できません"));
}

void GraphView::showAbout() {
    QMessageBox box(QMessageBox::NoIcon, tr("バージョン情報 vellumPLOT"),
                    tr("vellumPLOT Version 2.41\n有限要素解析結果の三次元カラーグラフ表示"), QMessageBox::Ok,
                    window());
    box.setIconPixmap(QApplication::windowIcon().pixmap(48, 48));
    box.exec();
}

void GraphView::writeClosingBackups() {
    if (document_.loaded != 1) return;
    document_.look.WINDOW = frameEdges(window());
    QtUi::MessageGroup messages(ui_);
    document_.WriteBackups(ui_, programFolder());
}

} // namespace vellum
