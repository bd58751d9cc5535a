#include "app/SeriesBar.h"

#include "app/GraphView.h"

#include <QAction>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace vellum {

SeriesBar::SeriesBar(QToolBar* bar, GraphView& view, QAction* play)
    : QObject(bar), view_(view), play_(play) {
    shown_ << bar->addSeparator();
    step_ = new QSpinBox(bar);
    step_->setObjectName(QStringLiteral("seriesStep"));
    // A typed number is taken on Enter, not at every digit.
    step_->setKeyboardTracking(false);
    step_->setAlignment(Qt::AlignRight);
    shown_ << bar->addWidget(step_);
    connect(step_, &QSpinBox::valueChanged, this, [this](int value) {
        if (value >= 1) view_.showSeriesStep(static_cast<size_t>(value - 1));
        view_.setFocus(); // the step keys reach the view again
    });

    play_->setIcon(bar->style()->standardIcon(QStyle::SP_MediaPlay));
    auto* button = new QToolButton(bar);
    button->setObjectName(QStringLiteral("seriesPlay"));
    button->setDefaultAction(play_);
    shown_ << bar->addWidget(button);

    rate_ = new QSpinBox(bar);
    rate_->setObjectName(QStringLiteral("seriesRate"));
    rate_->setRange(kMinPlayRate, kMaxPlayRate);
    rate_->setValue(view_.playRate());
    shown_ << bar->addWidget(rate_);
    rateCaption_ = new QLabel(bar);
    shown_ << bar->addWidget(rateCaption_);
    connect(rate_, &QSpinBox::valueChanged, this, [this](int value) { view_.setPlayRate(value); });
    retranslate();
}

void SeriesBar::retranslate() {
    step_->setToolTip(tr("表示中のステップ／ステップ数"));
    rate_->setToolTip(tr("再生の速さ（コマ/秒）"));
    rateCaption_->setText(tr("コマ/秒"));
    update();
}

void SeriesBar::update() {
    const bool series = view_.hasSeries();
    for (QAction* a : shown_) a->setVisible(series);
    play_->setChecked(view_.playing());
    play_->setIcon(step_->style()->standardIcon(view_.playing() ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    play_->setText(view_.playing() ? tr("停止") : tr("再生"));
    if (!series) return;
    const ResultSeries& s = view_.document().series;
    const int count = static_cast<int>(s.steps.size());
    // Filling the box is no choice of the person's: it must not show a step again.
    const QSignalBlocker quiet(step_);
    step_->setSuffix(QStringLiteral("/%1").arg(count));
    step_->setRange(1, count);
    step_->setValue(static_cast<int>(s.shown) + 1);
}

} // namespace vellum
