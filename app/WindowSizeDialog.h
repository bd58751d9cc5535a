#pragma once
// CDlgWindow: the window dialog "Window設定": the frame's outer width and height, and the background
// colour with its chooser and swatch. Its rules are WindowForm's.
#include "model/WindowForm.h"

#include <QDialog>

class QFrame;
class QLineEdit;
class QPushButton;

namespace vellum {

class Ui;

class WindowSizeDialog : public QDialog {
    Q_OBJECT
public:
    WindowSizeDialog(WindowForm form, Ui& ui, QWidget* parent = nullptr);

    const WindowForm& form() const { return form_; }
    // The edits 1018 (width), 1020 (height), the button 1019 and the swatch 1021.
    QLineEdit* widthEdit() const { return width_; }
    QLineEdit* heightEdit() const { return height_; }
    QPushButton* colourButton() const { return choose_; }
    QFrame* swatch() const { return swatch_; }

    void accept() override;

private:
    void chooseColour();
    void paintSwatch();

    WindowForm form_;
    Ui& ui_;
    QLineEdit *width_, *height_;
    QPushButton* choose_;
    QFrame* swatch_;
};

} // namespace vellum
