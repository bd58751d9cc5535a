#pragma once
// CPsheet: the settings sheet "視覚設定": ten pages over a copy of the look. A page's values are
// checked and kept when it is left; OK keeps the shown page's values and the caller asks
// the form for the look to apply. Cancel leaves the look as it was.
#include "settings/SheetForm.h"

#include <QDialog>

#include <array>

class QTabWidget;

namespace vellum {

class SheetPage;
class Ui;

class SettingsSheet : public QDialog {
    Q_OBJECT
public:
    // `ui` shows the messages of refused entries.
    SettingsSheet(const SheetForm& form, Ui& ui, int startPage, QWidget* parent = nullptr);

    const SheetForm& form() const { return form_; }
    // The page shown; after OK, the one shown when OK was pressed.
    int activePage() const { return current_; }
    // The look OK hands back.
    ViewSettings confirmed() const { return form_.confirmed(current_); }

    QTabWidget* tabs() const { return tabs_; }
    SheetPage* page(int index) const { return pages_.at(static_cast<size_t>(index)); }

    void accept() override;

private:
    void pageChanged(int index);

    SheetForm form_;
    QTabWidget* tabs_;
    std::array<SheetPage*, kSheetPageCount> pages_{};
    int current_ = 0;
};

} // namespace vellum
