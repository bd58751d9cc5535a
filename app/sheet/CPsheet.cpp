#include "app/sheet/CPsheet.h"

#include "app/sheet/SheetPages.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vellum {

CPsheet::CPsheet(const SheetForm& form, Ui& ui, int startPage, QWidget* parent) : QDialog(parent), form_(form) {
    setWindowTitle(QStringLiteral("視覚設定"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    pages_ = {new CPpage05(form_, ui, tabs_),
              new CPpage10(form_, form_.look.graph, false, ui, tabs_),
              new CPpage10(form_, form_.look.projection, true, ui, tabs_),
              new CPpage15(form_, ui, tabs_),
              new CPpage20(form_, ui, tabs_),
              new CPpage25(form_, ui, tabs_),
              new CPpage27(form_, ui, tabs_),
              new CPpage30(form_, ui, tabs_),
              new CPpage35(form_, ui, tabs_),
              new CPpage40(form_, ui, tabs_)};
    for (size_t i = 0; i < pages_.size(); ++i) tabs_->addTab(pages_[i], QString::fromUtf8(sheetPageCaptions()[i]));
    current_ = startPage >= 0 && startPage < kSheetPageCount ? startPage : 0;
    tabs_->setCurrentIndex(current_);
    layout->addWidget(tabs_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPsheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPsheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &CPsheet::pageChanged);
}

void CPsheet::pageChanged(int index) {
    // The tab has already changed: a page whose entry is refused is shown again, with the
    // focus on the entry to correct.
    if (NumberEdit* refused = pages_[static_cast<size_t>(current_)]->exchange()) {
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(current_);
        refused->setFocus();
        refused->selectAll();
        return;
    }
    current_ = index;
}

void CPsheet::accept() {
    if (NumberEdit* refused = pages_[static_cast<size_t>(current_)]->exchange()) {
        refused->setFocus();
        refused->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace vellum
