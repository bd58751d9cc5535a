#include "app/GraphView.h"

#include "app/QtUi.h"
#include "batch/FileNameResolution.h"
#include "model/CommandTable.h"
#include "model/ViewCommands.h"
#include "render/Renderer.h"
#include "render/TextRenderer.h"
#include "settings/Profile.h"
#include "settings/SheetForm.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QUrl>

#include <QOpenGLFunctions>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace vellum {
namespace {

// VELLUM_PAINT_TIMES=1 prints each paint's duration, finished on the OpenGL side, and the
// wall clock at its end to standard error: a measurement aid for large graphs.
bool paintTimesAsked() {
    static const bool asked = [] {
        const char* value = std::getenv("VELLUM_PAINT_TIMES");
        return value != nullptr && value[0] == '1';
    }();
    return asked;
}

} // namespace

GraphView::GraphView(QtUi& ui, FileChooser& chooser, QWidget* parent)
    : QOpenGLWidget(parent), ui_(ui), chooser_(chooser) {
    // What the view reads when it is made: every look setting at its default (the record
    // starts there), the registered paths, the saved-item selection, the open defaults.
    document_.readProfile(Profile::openUserProfile());
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(1, 1);
    // Moves without a button held probe the graph.
    setMouseTracking(true);
    connect(&seriesCheck_, &SeriesCheck::progressed, this,
            [this](int done, int total) { ui_.setProgress(total > 0 ? done * 100 / total : 100); });
    connect(&seriesCheck_, &SeriesCheck::finished, this, &GraphView::seriesChecked);
    playTimer_.setSingleShot(true);
    connect(&playTimer_, &QTimer::timeout, this, &GraphView::playNextStep);
    connect(this, &GraphView::painted, this, &GraphView::playbackPainted);
}

GraphView::~GraphView() {
    // The check reads the document's mesh: it ends before anything of the view goes.
    seriesCheck_.stop();
    // The context outlives this body (the base class destroys it); its objects must go
    // while it is current, and its last signal must not reach a renderer that is gone.
    if (context()) {
        disconnect(context(), nullptr, this, nullptr);
        if (renderer_) {
            makeCurrent();
            renderer_->releaseGlResources();
            doneCurrent();
        }
    }
    renderer_.reset();
}

void GraphView::initializeGL() {
    renderer_ = std::make_unique<Renderer>(TextRenderer::withJapaneseGothic());
    // Qt may tear the context down and make a new one (a re-parented widget, a screen
    // change); the display lists and buffers of the old one go with it.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        if (!renderer_) return;
        makeCurrent();
        renderer_->releaseGlResources();
        doneCurrent();
    }, Qt::DirectConnection);
}

void GraphView::resizeGL(int width, int height) {
    if (renderer_) renderer_->resize(width, height, devicePixelRatioF());
}

void GraphView::paintGL() {
    if (!renderer_) return;
    const auto started = std::chrono::steady_clock::now();
    // Qt binds the widget's own framebuffer and sets its viewport before each paint.
    renderer_->resize(width(), height(), devicePixelRatioF());
    handPinsToRenderer();
    renderer_->paint(document_.drawable(), document_.look,
                     SceneState{document_.options.dataType, document_.modelShape()});
    drawSelection();
    if (paintTimesAsked()) {
        context()->functions()->glFinish(); // a software renderer draws when flushed: count that too
        const auto ended = std::chrono::steady_clock::now();
        const auto wallClock = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::system_clock::now().time_since_epoch());
        std::fprintf(stderr, "paint %dx%d%s: %.1f ms, ends at %lld ms\n", width(), height(),
                     document_.drawable() ? "" : " (empty)",
                     std::chrono::duration<double, std::milli>(ended - started).count(),
                     static_cast<long long>(wallClock.count()));
    }
    painted_ = true;
    if (renderer_->contoursLeftForLater() && !keepingScheduled_) {
        keepingScheduled_ = true;
        QTimer::singleShot(0, this, &GraphView::keepContoursLeftForLater);
    }
    emit painted();
}

void GraphView::keepContoursLeftForLater() {
    keepingScheduled_ = false;
    if (!renderer_ || !renderer_->contoursLeftForLater() || !document_.drawable()) return;
    // The picture stays as it is: the contours kept now are the ones it shows.
    makeCurrent();
    renderer_->prepare(document_.drawable(), document_.look,
                       SceneState{document_.options.dataType, document_.modelShape()}, ui_);
    doneCurrent();
}

void GraphView::refresh() { prepareAndRepaint(false); }

void GraphView::refreshLoaded() { prepareAndRepaint(true); }

void GraphView::prepareAndRepaint(bool contoursAfterPaint) {
    if (renderer_ && document_.drawable()) {
        makeCurrent();
        renderer_->prepare(document_.drawable(), document_.look,
                           SceneState{document_.options.dataType, document_.modelShape()}, ui_,
                           contoursAfterPaint ? Renderer::LargeContours::afterPaint
                                              : Renderer::LargeContours::beforePaint);
        doneCurrent();
    }
    // A load refills the same data set in place; its faces may lie elsewhere now.
    picker_.forget();
    update();
    probeAgain();
    emit stateChanged();
}

RgbImage GraphView::capture() {
    const QImage shown = grabFramebuffer().convertToFormat(QImage::Format_RGB888);
    RgbImage image;
    image.width = shown.width();
    image.height = shown.height();
    image.pixels.resize(static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3);
    const size_t rowBytes = static_cast<size_t>(image.width) * 3;
    for (int y = 0; y < image.height; ++y)
        std::copy_n(shown.constScanLine(y), rowBytes, image.pixels.data() + rowBytes * static_cast<size_t>(y));
    return image;
}

void GraphView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // Two quick Ctrl-clicks pin one place; the second must not open the settings.
    if (event->modifiers() & Qt::ControlModifier) {
        pinning_ = true;
        return;
    }
    runCommand(document_.loaded == 1 ? command::kSettings : command::kNew);
}

void GraphView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void GraphView::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    // Only the first of several dropped files is used.
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    openPath(urls.first().toLocalFile());
}

void GraphView::openPath(const QString& path) {
    const std::string file = withoutQuotes(path.toStdString());
    document_.dataSet.files.argumentExtension = extensionOf(file);
    if (isStlExtension(document_.dataSet.files.argumentExtension)) {
        stopSeriesWork();
        QtUi::MessageGroup messages(ui_);
        if (document_.ImportStl(ui_, file) == 0) warnOfEmptyMesh();
        refresh();
        return;
    }
    runJob(file);
}

void GraphView::runCommand(int id) {
    const CommandInfo* info = findCommand(id);
    if (!info || !commandEnabled(info->rule, CommandState{document_.loaded == 1, document_.options.dataType, hasSeries()}))
        return;
    switch (id) {
    case command::kNew: openCommand(); return;
    case command::kImportCommandLine: importCommandLine(); return;
    case command::kImportViewSettings: importViewSettings(); return;
    case command::kImportBackup: importBackup(); return;
    case command::kImportStl: importStl(); return;
    case command::kExportImage: exportImage(); return;
    case command::kExportNodes: exportNodes(); return;
    case command::kExportElements: exportElements(); return;
    case command::kExportCommandLine: exportCommandLine(); return;
    case command::kExportViewSettings: exportViewSettings(); return;
    case command::kCopy: copyToClipboard(); return;
    case command::kInitialiseView:
        initialiseView();
        probeAgain();
        return;
    case command::kChangeColumn: changeDataColumns(); return;
    case command::kSpecificElements: showSpecificElements(); return;
    case command::kRedraw: update(); return;
    case command::kCrossSection: crossSectionCommand(); return;
    case command::kWindow: windowCommand(); return;
    case command::kEditPaths: editPathsCommand(); return;
    case command::kSavedItems: savedItemsCommand(); return;
    case command::kWeb: openWebPage(); return;
    case command::kAbout: showAbout(); return;
    case command::kSettings: openSettingsSheet(document_.look.sheetStartPage); return;
    case command::kPinnedProbes: pinnedProbesCommand(); return;
    case command::kCopyPins: copyPinsCommand(); return;
    case command::kShowExtremes: toggleExtremes(); return;
    case command::kNextStep: moveInSeries(SeriesMove::Next); return;
    case command::kPreviousStep: moveInSeries(SeriesMove::Previous); return;
    case command::kFirstStep: moveInSeries(SeriesMove::First); return;
    case command::kLastStep: moveInSeries(SeriesMove::Last); return;
    case command::kPlaySeries: togglePlayback(); return;
    case command::kSeriesFixedRange: toggleSeriesFixedRange(); return;
    case command::kPageStyle:
    case command::kPageOptions:
    case command::kPagePosition:
    case command::kPageColour:
    case command::kPageGrid:
    case command::kPageGridValues:
    case command::kPageLegend:
    case command::kPageAxes:
    case command::kPageLabels:
        // The page commands open the sheet at their page and leave it as the start page.
        document_.look.sheetStartPage = sheetPageOfCommand(id);
        openSettingsSheet(document_.look.sheetStartPage);
        return;
    default: break;
    }
    if (applyViewCommand(document_.look, id)) {
        update();
        probeAgain();
        emit stateChanged();
    }
}

void GraphView::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuRequested(event->globalPos());
}

} // namespace vellum
