#pragma once
// The dialog "ピン留めした値": the pinned probes in a table, the buttons that delete the
// selected rows or all of them, and OK and cancel. Its rules are PinListForm's.
#include "model/PinListForm.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace vellum {

class PinListDialog : public QDialog {
    Q_OBJECT
public:
    explicit PinListDialog(PinListForm form, QWidget* parent = nullptr);

    const PinListForm& form() const { return form_; }
    QTableWidget* table() const { return table_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* removeAllButton() const { return removeAll_; }

private:
    void showRows();

    PinListForm form_;
    QTableWidget* table_;
    QPushButton *remove_, *removeAll_;
};

} // namespace vellum
