#include "app/sheet/SettingsSheet.h"

#include "app/sheet/SheetPages.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vellum {

SettingsSheet::SettingsSheet(const SheetForm& form, Ui& ui, int startPage, QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(QCoreApplication::translate("SettingsSheet", "視覚設定"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    // Every page's tab stays in sight: the sheet is made as wide as its tabs.
    tabs_->setUsesScrollButtons(false);
    pages_ = {new StylePage(form_, ui, tabs_),
              new OptionsPage(form_, form_.look.graph, false, ui, tabs_),
              new OptionsPage(form_, form_.look.projection, true, ui, tabs_),
              new PositionPage(form_, ui, tabs_),
              new ColourPage(form_, ui, tabs_),
              new GridPage(form_, ui, tabs_),
              new GridValuesPage(form_, ui, tabs_),
              new LegendPage(form_, ui, tabs_),
              new AxesPage(form_, ui, tabs_),
              new LabelsPage(form_, ui, tabs_)};
    for (size_t i = 0; i < pages_.size(); ++i) tabs_->addTab(pages_[i], shownCaption(sheetPageCaptions()[i]));
    current_ = startPage >= 0 && startPage < kSheetPageCount ? startPage : 0;
    tabs_->setCurrentIndex(current_);
    layout->addWidget(tabs_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QCoreApplication::translate("SettingsSheet", "OK"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(QCoreApplication::translate("SettingsSheet", "キャンセル"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &SettingsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SettingsSheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &SettingsSheet::pageChanged);
}

void SettingsSheet::pageChanged(int index) {
    // The tab has already changed. The page being left is shown again while its entries
    // are checked, so that a refusal appears over the entry it is about, which then takes
    // the focus; only a page that is kept lets the person go on to the other.
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(current_);
    if (NumberEdit* refused = pages_[static_cast<size_t>(current_)]->exchange()) {
        refused->setFocus();
        refused->selectAll();
        return;
    }
    tabs_->setCurrentIndex(index);
    current_ = index;
}

void SettingsSheet::accept() {
    if (NumberEdit* refused = pages_[static_cast<size_t>(current_)]->exchange()) {
        refused->setFocus();
        refused->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace vellum
