// Probes: the value under the pointer for the status bar, the probes pinned by a Ctrl-click
// with their marks on the graph, their list and their copy as text, and the markers of the
// largest and smallest value. Picking runs on pointer moves only, never while painting.
#include "app/GraphView.h"
#include "app/PinListDialog.h"
#include "render/Renderer.h"

#include <QApplication>
#include <QClipboard>

#include <algorithm>

namespace vellum {
namespace {

QString text(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

ProbeHit GraphView::pickAt(QPointF at) {
    if (document_.loaded != 1) return {};
    return picker_.pick(document_.dataSet, document_.look,
                        SceneState{document_.options.dataType, document_.modelShape()}, width(), height(), at.x(),
                        at.y());
}

void GraphView::probeAt(QPointF at) {
    const ProbeHit hit = pickAt(at);
    if (!hit.hit) {
        emit probed({});
        return;
    }
    const ProbeReading reading =
        readProbe(document_.dataSet, document_.options.dataType, document_.look.selectedColumn, hit.target);
    emit probed(text(probeStatusText(reading, document_.look)));
}

void GraphView::probeAgain() {
    if (pointerInside_) probeAt(pointer_);
    else emit probed({});
}

void GraphView::leaveEvent(QEvent* event) {
    pointerInside_ = false;
    emit probed({});
    QOpenGLWidget::leaveEvent(event);
}

void GraphView::pinAt(QPointF at) {
    const ProbeHit hit = pickAt(at);
    if (!hit.hit) return;
    // The same place twice would only repeat a line of the list.
    std::vector<ProbeTarget>& pins = document_.pins;
    if (std::find(pins.begin(), pins.end(), hit.target) != pins.end()) return;
    pins.push_back(hit.target);
    update();
}

std::vector<ProbeReading> GraphView::pinReadings() const {
    std::vector<ProbeReading> readings;
    if (document_.loaded != 1) return readings;
    readings.reserve(document_.pins.size());
    for (const ProbeTarget& pin : document_.pins)
        readings.push_back(readProbe(document_.dataSet, document_.options.dataType, document_.look.selectedColumn, pin));
    return readings;
}

void GraphView::handPinsToRenderer() {
    // The labels follow the shown column and the legend's number style, so they are made
    // afresh for each paint; there are a handful of pins at most.
    const std::vector<ProbeReading> readings = pinReadings();
    std::vector<ProbeMark> marks;
    marks.reserve(readings.size());
    for (size_t i = 0; i < readings.size(); ++i)
        marks.push_back(ProbeMark{document_.pins[i], probeLabelText(readings[i], document_.look)});
    renderer_->setPins(std::move(marks));
}

void GraphView::pinnedProbesCommand() {
    PinListDialog dialog(PinListForm(document_.pins, document_.dataSet, document_.options.dataType,
                                     document_.look.selectedColumn),
                         window());
    if (dialog.exec() != QDialog::Accepted) return;
    document_.pins = dialog.form().pins();
    update();
}

void GraphView::copyPinsCommand() {
    // Without pins the clipboard keeps what the person put there.
    if (document_.pins.empty()) return;
    QApplication::clipboard()->setText(text(probesTabText(pinReadings(), document_.options.dataType)));
}

void GraphView::toggleExtremes() {
    document_.look.showExtremes = document_.look.showExtremes != 0 ? 0 : 1;
    refresh();
}

} // namespace vellum
