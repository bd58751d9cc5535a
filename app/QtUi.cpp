#include "app/QtUi.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QThread>

namespace vellum {
namespace {

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

void QtUi::attach(QWidget* window, QStatusBar* statusBar) {
    window_ = window;
    statusBar_ = statusBar;
    if (!statusBar_) return;
    // Made once and only hidden between steps: taking widgets out of a status bar that shows
    // a message hides the pane next to them.
    caption_ = new QLabel(statusBar_);
    bar_ = new QProgressBar(statusBar_);
    bar_->setRange(0, 100);
    bar_->setMaximumWidth(200);
    statusBar_->insertPermanentWidget(0, caption_);
    statusBar_->insertPermanentWidget(1, bar_);
    caption_->hide();
    bar_->hide();
}

void QtUi::showMessage(std::string_view text) {
    // A message interrupts whatever cursor a long step set, so the person can answer it.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("vellumPLOT"), toQString(text), QMessageBox::Ok, window_);
    box.exec();
    QApplication::restoreOverrideCursor();
}

bool QtUi::askYesNo(std::string_view text) {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::Information, QStringLiteral("vellumPLOT"), toQString(text),
                    QMessageBox::Yes | QMessageBox::No, window_);
    const bool yes = box.exec() == QMessageBox::Yes;
    QApplication::restoreOverrideCursor();
    return yes;
}

void QtUi::beginProgress(std::string_view caption) {
    ++progressDepth_;
    if (!bar_) return;
    caption_->setText(toQString(caption));
    bar_->setValue(0);
    caption_->show();
    bar_->show();
    // The window is busy until the step returns; paint the bar now so it is seen.
    statusBar_->repaint();
}

void QtUi::setProgress(int position) {
    if (!bar_) return;
    bar_->setValue(position);
    bar_->repaint();
}

void QtUi::endProgress(bool holdFullBar) {
    if (progressDepth_ > 0) --progressDepth_;
    if (!bar_ || progressDepth_ > 0) return;
    if (holdFullBar) {
        bar_->setValue(100);
        bar_->repaint();
        QThread::msleep(100);
    }
    bar_->hide();
    caption_->hide();
}

void QtUi::beginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtUi::endWaitCursor() { QApplication::restoreOverrideCursor(); }

} // namespace vellum
