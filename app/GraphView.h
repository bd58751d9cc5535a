#pragma once
// CvellumPLOTView: the view: the OpenGL drawing area that owns the document and its renderer, handles every
// command, the double click, dropped files, the probes and the closing backups. The rules
// live in the model; this class binds them to Qt.
#include "app/SeriesCheck.h"
#include "model/Document.h"
#include "model/SeriesStepForm.h"
#include "render/ProbePicker.h"
#include "render/RgbImage.h"

#include <QOpenGLWidget>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace vellum {

class FileChooser;
class ImageExportForm;
struct OffscreenRequest;
class QtUi;
class Renderer;

class GraphView : public QOpenGLWidget {
    Q_OBJECT
public:
    GraphView(QtUi& ui, FileChooser& chooser, QWidget* parent = nullptr);
    ~GraphView() override;

    Document& document() { return document_; }
    const Document& document() const { return document_; }

    // Runs the program argument or a dropped file: an STL file by its extension (any case),
    // anything else as a command-line file with the steps after a run (image, exit).
    void openPath(const QString& path);
    // Handles one command of the table; unknown numbers do nothing.
    void runCommand(int id);
    // The closing steps of a loaded graph: every look item and the files by full path.
    void writeClosingBackups();
    // The drawing area as shown, at its pixel size.
    RgbImage capture();
    // Draws the current state at once (progress shown outside the paint), then repaints.
    void refresh();

    // What the frame needs to fill its caption and status panes after a paint.
    bool hasPainted() const { return painted_; }

    // Result series (GraphViewSeries.cpp). True with more than one step loaded.
    bool hasSeries() const;
    // Shows step `step` (from 0) and repaints; out of range, or without a series, nothing.
    void showSeriesStep(size_t step);
    bool playing() const { return playing_; }
    int playRate() const { return playRate_; }
    // Frames per second of the playback, 1 to 30.
    void setPlayRate(int framesPerSecond);
    // The steps are still being checked in the background.
    bool checkingSeries() const { return seriesCheck_.running(); }

signals:
    // After every paint: the caption and the status panes follow the state.
    void painted();
    // The commands' enabled state may have changed (a load, a failed run).
    void stateChanged();
    // A job asked the program to end after its image; `status` is the exit status.
    void exitRequested(int status);
    // The right button: the frame shows the context menu of its commands here.
    void contextMenuRequested(const QPoint& globalPosition);
    // After each pointer move and each change of the graph under a still pointer: what the
    // graph holds there, for the status bar; empty off the graph or off the view (the
    // frame then shows its key guide).
    void probed(const QString& text);

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // refresh() after a load: a large mesh's contours show in the first picture before
    // they are kept for the paints after it.
    void refreshLoaded();
    void prepareAndRepaint(bool contoursAfterPaint);
    // Keeps the contours the last paint drew once, when the window next waits for input.
    void keepContoursLeftForLater();

    // Commands, grouped by what they touch (GraphViewFiles.cpp).
    void openCommand();
    void importCommandLine();
    void importViewSettings();
    void importBackup();
    void importStl();
    void exportImage();
    void exportNodes();
    void exportElements();
    void exportCommandLine();
    void exportViewSettings();
    void copyToClipboard();
    void initialiseView();
    void openWebPage();
    void showAbout();
    // The settings sheet at `startPage` (GraphViewSheet.cpp).
    void openSettingsSheet(int startPage);

    // The data-column and specific-element commands (GraphViewData.cpp).
    void changeDataColumns();
    void showSpecificElements();

    // The dialogs of the view (GraphViewDialogs.cpp).
    void crossSectionCommand();
    void windowCommand();
    void editPathsCommand();
    void savedItemsCommand();

    // Probes (GraphViewProbes.cpp).
    ProbeHit pickAt(QPointF at);
    // Picks under `at` and tells the frame what lies there.
    void probeAt(QPointF at);
    // The graph changed under a still pointer: the status text follows it.
    void probeAgain();
    // Ctrl + left click: pins what lies under `at`.
    void pinAt(QPointF at);
    std::vector<ProbeReading> pinReadings() const;
    // The renderer's marks for the pins, before a paint.
    void handPinsToRenderer();
    void pinnedProbesCommand();
    void copyPinsCommand();
    void toggleExtremes();

    // Result series (GraphViewSeries.cpp).
    // After a load that gave a series: its steps are checked in the background.
    void startSeriesCheck();
    // Before anything replaces the mesh: the check and the playback stop.
    void stopSeriesWork();
    void seriesChecked(const std::vector<UnfitStep>& unfit);
    void moveInSeries(SeriesMove move);
    void togglePlayback();
    void stopPlayback();
    // Each paint of a playing series arms the wait for the next step, so that a slow
    // paint lowers the rate instead of piling up steps.
    void playbackPainted();
    void playNextStep();
    void toggleSeriesFixedRange();

    // Runs a command-line file and, after a success, writes its image and ends the program
    // when the file asks for it.
    void runJob(const std::string& path);
    int writeImage(const std::string& path);
    // The image export beyond the window's pixels: larger, smoothed, transparent or a
    // vector picture, drawn off screen from the view's look, data and pins at its size.
    int writeReportImage(const std::string& path, const ImageExportForm& form);
    int writeVectorImage(const std::string& path, const OffscreenRequest& request);
    // The frame's edges and the work area, before and after a look file is read.
    void takeWindowEdges();
    // The image export of a series into a .webp or .gif animation of every step.
    void exportAnimation(const std::string& path);
    // The warning for a loaded graph without elements, as the headless program gives it.
    void warnOfEmptyMesh();
    // Writes one export; a failure names the file after the writer's message.
    void exportTo(const std::string& path, const std::function<int(const std::string&)>& write);

    // The end of a drag or a held key: the full picture again.
    void endDragging();
    // The selection rectangle of the zoom, over the picture.
    void drawSelection();

    Document document_;
    QtUi& ui_;
    FileChooser& chooser_;
    std::unique_ptr<Renderer> renderer_;
    bool painted_ = false;
    bool keepingScheduled_ = false; // keepContoursLeftForLater is queued
    // The left button's press and the last position a drag step was measured from.
    QPoint anchor_, last_;
    bool selecting_ = false; // the selection rectangle of the zoom is shown
    // Probing: one picker keeps its screen grid between moves of a still graph.
    ProbePicker picker_;
    QPointF pointer_;            // the last pointer position over the view
    bool pointerInside_ = false;
    bool pinning_ = false;       // a Ctrl-click holds the left button: no drag, no selection
    // Result series: the background check, and the playback's single-shot timer.
    SeriesCheck seriesCheck_;
    QTimer playTimer_;
    bool playing_ = false;
    bool stepAwaitingPaint_ = false;
    int playRate_ = kDefaultPlayRate;
};

} // namespace vellum
