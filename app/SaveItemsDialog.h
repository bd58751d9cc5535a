#pragma once
// CSaveViewPropaty: the saved-item dialog "視覚設定保存ファイルの設定": a check box per group of settings a
// written look file holds, in ten groups. Its rules are SaveItemForm's.
#include "model/SaveItemForm.h"

#include <QDialog>

#include <array>

class QCheckBox;

namespace vellum {

class SaveItemsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SaveItemsDialog(SaveItemForm form, QWidget* parent = nullptr);

    const SaveItemForm& form() const { return form_; }
    // The check box of an item, for tests that click them.
    QCheckBox* box(SaveItem item) const { return boxes_.at(static_cast<size_t>(item)); }

private:
    void showState();

    SaveItemForm form_;
    std::array<QCheckBox*, kSaveItemCount> boxes_{};
};

} // namespace vellum
