#include "app/ImageExportDialog.h"

#include "app/DialogButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vellum {

ImageExportDialog::ImageExportDialog(ImageExportForm form, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(std::move(form)), ui_(ui) {
    setWindowTitle(tr("画像の出力設定"));
    auto* layout = new QVBoxLayout(this);

    auto* size = new QGroupBox(tr("大きさ"), this);
    auto* grid = new QGridLayout(size);
    byScale_ = new QRadioButton(tr("倍率（1～8）"), size);
    byWidth_ = new QRadioButton(tr("幅（ピクセル）"), size);
    scale_ = new QLineEdit(QString::fromStdString(form_.scaleText()), size);
    width_ = new QLineEdit(QString::fromStdString(form_.pixelWidthText()), size);
    size_ = new QLabel(size);
    grid->addWidget(byScale_, 0, 0);
    grid->addWidget(scale_, 0, 1);
    grid->addWidget(byWidth_, 1, 0);
    grid->addWidget(width_, 1, 1);
    grid->addWidget(size_, 2, 0, 1, 2);
    (form_.pixelWidthEnabled() ? byWidth_ : byScale_)->setChecked(true);
    layout->addWidget(size);

    antialias_ = new QCheckBox(tr("エッジを滑らかにする"), this);
    transparent_ = new QCheckBox(tr("背景を透明にする（PNG）"), this);
    antialias_->setChecked(form_.choice().antialias);
    transparent_->setChecked(form_.choice().transparent);
    layout->addWidget(antialias_);
    layout->addWidget(transparent_);
    layout->addWidget(okCancelButtons(this));

    for (QRadioButton* button : {byScale_, byWidth_})
        connect(button, &QRadioButton::toggled, this, [this] { takeWidgets(), showRules(); });
    for (QLineEdit* edit : {scale_, width_})
        connect(edit, &QLineEdit::textChanged, this, [this] { takeWidgets(), showRules(); });
    for (QCheckBox* box : {antialias_, transparent_})
        connect(box, &QCheckBox::toggled, this, [this] { takeWidgets(); });
    showRules();
}

void ImageExportDialog::takeWidgets() {
    form_.setSizeMode(byWidth_->isChecked() ? ImageExportChoice::kByPixelWidth : ImageExportChoice::kByScale);
    form_.setScaleText(scale_->text().toStdString());
    form_.setPixelWidthText(width_->text().toStdString());
    form_.setAntialias(antialias_->isChecked());
    form_.setTransparent(transparent_->isChecked());
}

void ImageExportDialog::showRules() {
    scale_->setEnabled(form_.scaleEnabled());
    width_->setEnabled(form_.pixelWidthEnabled());
    antialias_->setEnabled(form_.antialiasEnabled());
    transparent_->setEnabled(form_.transparentEnabled());
    // The size the picture will have, from a copy so that a half-typed number refuses nothing.
    ImageExportForm preview = form_;
    if (preview.confirm().empty())
        size_->setText(tr("%1 x %2 ピクセル").arg(preview.pictureWidth()).arg(preview.pictureHeight()));
    else size_->clear();
}

void ImageExportDialog::accept() {
    takeWidgets();
    if (refused(ui_, form_.confirm())) return;
    QDialog::accept();
}

} // namespace vellum
