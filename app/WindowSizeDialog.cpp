#include "app/WindowSizeDialog.h"

#include "app/DialogButtons.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellum {

WindowSizeDialog::WindowSizeDialog(WindowForm form, Ui& ui, QWidget* parent) : QDialog(parent), form_(std::move(form)), ui_(ui) {
    setWindowTitle(tr("Window設定"));
    auto* layout = new QVBoxLayout(this);

    auto* size = new QGroupBox(tr("Windowサイズ（整数値）"), this);
    auto* sizeGrid = new QGridLayout(size);
    width_ = new QLineEdit(QString::fromStdString(form_.widthText()), size);
    height_ = new QLineEdit(QString::fromStdString(form_.heightText()), size);
    sizeGrid->addWidget(width_, 0, 0);
    sizeGrid->addWidget(new QLabel(tr("：横"), size), 0, 1);
    sizeGrid->addWidget(height_, 1, 0);
    sizeGrid->addWidget(new QLabel(tr("：縦"), size), 1, 1);
    layout->addWidget(size);

    auto* colour = new QGroupBox(tr("背景色"), this);
    auto* colourRow = new QHBoxLayout(colour);
    swatch_ = new QFrame(colour);
    swatch_->setFrameStyle(QFrame::Box | QFrame::Plain);
    swatch_->setMinimumSize(48, 20);
    swatch_->setAutoFillBackground(true);
    choose_ = new QPushButton(tr("設定"), colour);
    colourRow->addWidget(swatch_);
    colourRow->addWidget(choose_);
    layout->addWidget(colour);

    QDialogButtonBox* buttons = okCancelButtons(this);
    layout->addWidget(buttons);
    connect(choose_, &QPushButton::clicked, this, &WindowSizeDialog::chooseColour);
    paintSwatch();
}

void WindowSizeDialog::chooseColour() {
    const RGBColor current = form_.colour();
    QColorDialog dialog(QColor(current.red, current.green, current.blue), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const QColor chosen = dialog.selectedColor();
    form_.setColour(RGBColor{chosen.red(), chosen.green(), chosen.blue()});
    paintSwatch();
}

void WindowSizeDialog::paintSwatch() {
    const RGBColor c = form_.colour();
    QPalette palette = swatch_->palette();
    palette.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
    swatch_->setPalette(palette);
    swatch_->update();
}

void WindowSizeDialog::accept() {
    form_.setWidthText(width_->text().toStdString());
    form_.setHeightText(height_->text().toStdString());
    if (refused(ui_, form_.confirm())) return;
    QDialog::accept();
}

} // namespace vellum
