// Turning, moving and zooming with the mouse and the keys. The arithmetic is the model's;
// here the events become its calls, and the picture is reduced while a drag or a key lasts.
// Moves without a button probe the graph and a Ctrl-click pins a probe (the probes' own
// work is in GraphViewProbes.cpp).
#include "app/GraphView.h"

#include "app/QtUi.h"
#include "model/CommandTable.h"
#include "model/ViewInteraction.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <optional>

namespace vellum {
namespace {

std::optional<ViewKey> viewKeyOf(int key) {
    switch (key) {
    case Qt::Key_W: return ViewKey::W;
    case Qt::Key_X: return ViewKey::X;
    case Qt::Key_D: return ViewKey::D;
    case Qt::Key_A: return ViewKey::A;
    case Qt::Key_Q: return ViewKey::Q;
    case Qt::Key_C: return ViewKey::C;
    case Qt::Key_E: return ViewKey::E;
    case Qt::Key_Z: return ViewKey::Z;
    case Qt::Key_Left: return ViewKey::Left;
    case Qt::Key_Right: return ViewKey::Right;
    case Qt::Key_Up: return ViewKey::Up;
    case Qt::Key_Down: return ViewKey::Down;
    case Qt::Key_R: return ViewKey::R;
    case Qt::Key_G: return ViewKey::G;
    case Qt::Key_S: return ViewKey::S;
    case Qt::Key_M: return ViewKey::M;
    case Qt::Key_N: return ViewKey::N;
    default: return std::nullopt;
    }
}

constexpr int kSelectionMode = 15;

} // namespace

void GraphView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (event->modifiers() & Qt::ControlModifier) {
        // Until the release nothing turns or selects, even once Ctrl is let go.
        pinning_ = true;
        pinAt(event->position());
        return;
    }
    anchor_ = last_ = event->position().toPoint();
}

void GraphView::mouseMoveEvent(QMouseEvent* event) {
    pointer_ = event->position();
    pointerInside_ = true;
    if (event->buttons() == Qt::NoButton) {
        probeAt(pointer_);
        return;
    }
    // Only a drag with the left button alone, no other button and no modifier key.
    if (pinning_ || event->buttons() != Qt::LeftButton || event->modifiers() != Qt::NoModifier) return;
    if (document_.loaded != 1) return;
    const QPoint at = event->position().toPoint();
    const QPoint step = at - last_;
    last_ = at;
    ViewSettings& look = document_.look;
    if (applyDrag(look, look.mouseMode, step.x(), step.y())) look.dragging = 1;
    selecting_ = look.mouseMode == kSelectionMode;
    update();
}

void GraphView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (pinning_) {
        pinning_ = false;
        return;
    }
    ViewSettings& look = document_.look;
    const QPoint at = event->position().toPoint();
    if (document_.loaded == 1 && look.mouseMode == kSelectionMode && at != anchor_ &&
        zoomToSelection(look, width(), height(), anchor_.x(), anchor_.y(), at.x(), at.y()))
        emit stateChanged(); // the mode went back to 0
    selecting_ = false;
    endDragging();
}

void GraphView::keyPressEvent(QKeyEvent* event) {
    const std::optional<ViewKey> key = viewKeyOf(event->key());
    const Qt::KeyboardModifiers others = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const int column = document_.look.selectedColumn;
    if (event->key() == Qt::Key_P && others == Qt::NoModifier) {
        // A toggle: a held key must not flicker the markers on and off.
        if (!event->isAutoRepeat()) runCommand(command::kShowExtremes);
        return;
    }
    if (!key || others != Qt::NoModifier || !applyKey(document_, *key, ui_)) {
        QOpenGLWidget::keyPressEvent(event);
        return;
    }
    document_.look.dragging = 1;
    // A held key repeats faster than a software renderer draws: update() merges the
    // requests into one paint per frame the screen shows.
    if (document_.look.selectedColumn != column) refresh();
    else update();
}

void GraphView::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    endDragging();
}

void GraphView::endDragging() {
    if (document_.look.dragging == 0 && !selecting_) {
        update();
        return;
    }
    document_.look.dragging = 0;
    refresh();
}

void GraphView::drawSelection() {
    if (!selecting_) return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRect(anchor_, last_).normalized());
}

} // namespace vellum
