#pragma once
// CDanmen: the cross-section dialog "断面の設定": minimum and maximum per axis, and each axis's
// "初期値" button. Its rules are SectionForm's.
#include "model/SectionForm.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace vellum {

class Ui;

class SectionDialog : public QDialog {
    Q_OBJECT
public:
    SectionDialog(SectionForm form, Ui& ui, QWidget* parent = nullptr);

    const SectionForm& form() const { return form_; }
    // The edits 1018, 1020 (axis 1), 1021, 1022 (axis 2), 1024, 1025 (axis 3) and the
    // three "初期値" buttons, for tests that fill and press them.
    QLineEdit* edit(size_t axis, size_t end) const { return edits_.at(axis * 2 + end); }
    QPushButton* resetButton(size_t axis) const { return resets_.at(axis); }

    void accept() override;

private:
    void showTexts();

    SectionForm form_;
    Ui& ui_;
    std::array<QLineEdit*, 6> edits_{};
    std::array<QPushButton*, 3> resets_{};
};

} // namespace vellum
