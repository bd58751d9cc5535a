#include "app/SectionDialog.h"

#include "app/DialogButtons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vellum {

SectionDialog::SectionDialog(SectionForm form, Ui& ui, QWidget* parent) : QDialog(parent), form_(std::move(form)), ui_(ui) {
    setWindowTitle(tr("断面の設定"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("最小値"), this), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("最大値"), this), 0, 3, Qt::AlignCenter);
    const QString axisNames[3] = {tr("１軸："), tr("２軸："), tr("３軸：")};
    for (size_t axis = 0; axis < 3; ++axis) {
        const int row = static_cast<int>(axis) + 1;
        grid->addWidget(new QLabel(axisNames[axis], this), row, 0);
        for (size_t end = 0; end < 2; ++end) {
            auto* edit = new QLineEdit(this);
            edits_[axis * 2 + end] = edit;
            grid->addWidget(edit, row, end == 0 ? 1 : 3);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, axis, end](const QString& text) { form_.setText(axis, end, text.toStdString()); });
        }
        grid->addWidget(new QLabel(QStringLiteral("<->"), this), row, 2);
        resets_[axis] = new QPushButton(tr("初期値"), this);
        grid->addWidget(resets_[axis], row, 4);
        connect(resets_[axis], &QPushButton::clicked, this, [this, axis] {
            form_.resetAxis(axis);
            showTexts();
        });
    }
    grid->addWidget(new QLabel(tr("※　範囲内の要素が描画されます．"), this), 4, 0, 1, 5);
    QDialogButtonBox* buttons = okCancelButtons(this);
    grid->addWidget(buttons, 5, 0, 1, 5);
    showTexts();
}

void SectionDialog::showTexts() {
    for (size_t i = 0; i < 6; ++i) edits_[i]->setText(QString::fromStdString(form_.text(i / 2, i % 2)));
}

void SectionDialog::accept() {
    for (size_t i = 0; i < 6; ++i) form_.setText(i / 2, i % 2, edits_[i]->text().toStdString());
    if (refused(ui_, form_.confirm())) return;
    QDialog::accept();
}

} // namespace vellum
