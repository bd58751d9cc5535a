#pragma once
// CChangeData: the data-column dialog "データ列の変更": the drawn column or the three vector
// components, and the data rows as a table. Its rules are ColumnChoiceForm's.
#include "model/ColumnChoiceForm.h"

#include <QDialog>

#include <array>

class QComboBox;
class QTableView;

namespace vellum {

class Ui;

class DataColumnDialog : public QDialog {
    Q_OBJECT
public:
    DataColumnDialog(ColumnChoiceForm form, Ui& ui, QWidget* parent = nullptr);

    const ColumnChoiceForm& form() const { return form_; }

    // The controls, for tests that use them as a person would.
    QComboBox* columnList(int list) const { return lists_[static_cast<size_t>(list)]; }
    QTableView* table() const { return table_; }

    void accept() override;

private:
    ColumnChoiceForm form_;
    Ui& ui_;
    std::array<QComboBox*, 3> lists_{};
    QTableView* table_ = nullptr;
};

} // namespace vellum
