#pragma once
// The image export's options, asked after the file name: "画像の出力設定" with the size
// (a scale of the view or a width in pixels), smooth edges and a transparent background.
// Its rules are ImageExportForm's.
#include "model/ImageExportForm.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vellum {

class Ui;

class ImageExportDialog : public QDialog {
    Q_OBJECT
public:
    ImageExportDialog(ImageExportForm form, Ui& ui, QWidget* parent = nullptr);

    const ImageExportForm& form() const { return form_; }
    QRadioButton* byScaleButton() const { return byScale_; }
    QRadioButton* byPixelWidthButton() const { return byWidth_; }
    QLineEdit* scaleEdit() const { return scale_; }
    QLineEdit* pixelWidthEdit() const { return width_; }
    QCheckBox* antialiasBox() const { return antialias_; }
    QCheckBox* transparentBox() const { return transparent_; }

    void accept() override;

private:
    // The form follows the widgets, and the enable rules and the size shown follow the form.
    void takeWidgets();
    void showRules();

    ImageExportForm form_;
    Ui& ui_;
    QRadioButton *byScale_, *byWidth_;
    QLineEdit *scale_, *width_;
    QCheckBox *antialias_, *transparent_;
    QLabel* size_;
};

} // namespace vellum
