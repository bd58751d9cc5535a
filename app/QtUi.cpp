#include "app/QtUi.h"

#include "common/Texts.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <chrono>

namespace vellum {
namespace {

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A box belongs over the dialog the person is in (a refusal over the sheet page that holds
// the field), or else over the main window.
QWidget* ownerOf(QWidget* window) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : window;
}

} // namespace

void QtUi::attach(QWidget* window, QStatusBar* statusBar) {
    window_ = window;
    statusBar_ = statusBar;
    if (!statusBar_) return;
    // Made once and only hidden between steps: taking widgets out of a status bar that shows
    // a message hides the pane next to them.
    caption_ = new QLabel(statusBar_);
    caption_->setObjectName(QStringLiteral("progressCaption"));
    bar_ = new QProgressBar(statusBar_);
    bar_->setRange(0, 100);
    bar_->setMaximumWidth(200);
    statusBar_->insertPermanentWidget(0, caption_);
    statusBar_->insertPermanentWidget(1, bar_);
    caption_->hide();
    bar_->hide();
}

void QtUi::showMessage(std::string_view text) {
    if (groupDepth_ > 0) {
        pending_.push_back({std::string(shownText(text)), {}});
        return;
    }
    showBox(std::string(shownText(text)), {});
}

void QtUi::showDetail(std::string_view text) {
    // Outside a group the message it belongs to has been answered already.
    if (groupDepth_ == 0 || pending_.empty()) return;
    pending_.back().details.append(shownText(text)).push_back('\n');
}

void QtUi::flushMessages() {
    std::vector<PendingMessage> shown;
    shown.swap(pending_);
    for (const PendingMessage& message : shown) showBox(message.text, message.details);
}

void QtUi::showBox(const std::string& text, const std::string& details) {
    // A message interrupts whatever cursor a long step set, so the person can answer it.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("vellumPLOT"), toQString(text), QMessageBox::Ok,
                    ownerOf(window_));
    if (!details.empty()) box.setInformativeText(toQString(details).trimmed());
    box.exec();
    QApplication::restoreOverrideCursor();
}

bool QtUi::askYesNo(std::string_view text) {
    flushMessages(); // what was said before the question is read before it is answered
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::Information, QStringLiteral("vellumPLOT"), toQString(shownText(text)),
                    QMessageBox::Yes | QMessageBox::No, ownerOf(window_));
    const bool yes = box.exec() == QMessageBox::Yes;
    QApplication::restoreOverrideCursor();
    return yes;
}

void QtUi::beginProgress(std::string_view caption) {
    display_.begin(std::string(caption));
    showProgress();
}

void QtUi::setProgress(int position) {
    display_.set(position);
    showProgress();
}

void QtUi::endProgress(bool holdFullBar) {
    display_.end(holdFullBar, ProgressDisplay::Clock::now());
    showProgress();
    // Once the window is idle again, what comes after a held bar is shown when it is due.
    if (const auto until = display_.heldUntil(); until && bar_) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*until - ProgressDisplay::Clock::now());
        QTimer::singleShot(std::max(wait, std::chrono::milliseconds(0)), bar_, [this] { showProgress(); });
    }
}

void QtUi::showProgress() {
    if (!bar_) return;
    const ProgressDisplay::Shown now = display_.shown(ProgressDisplay::Clock::now());
    if (now == shown_) return;
    const bool newBar = now.visible != shown_.visible || now.caption != shown_.caption;
    shown_ = now;
    if (!now.visible) {
        bar_->hide();
        caption_->hide();
        return;
    }
    bar_->setValue(now.position);
    if (!newBar) {
        bar_->repaint();
        return;
    }
    caption_->setText(toQString(shownText(now.caption)));
    caption_->show();
    bar_->show();
    // The window is busy until the step returns; paint the bar now so it is seen.
    statusBar_->repaint();
}

void QtUi::beginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtUi::endWaitCursor() { QApplication::restoreOverrideCursor(); }

} // namespace vellum
