#pragma once
// CViewElement: the specific-element dialog "特定要素の設定": the material file, the shown and the
// hidden materials with their element counts, and ">>" and "<<" between them. Its rules
// are ViewElementForm's.
#include "model/ViewElementForm.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace vellum {

class Document;
class FileChooser;
class MaterialListModel;
class Ui;

class SpecificElementsDialog : public QDialog {
    Q_OBJECT
public:
    // A browse reads the file onto `document` at once, as the person sees it listed.
    SpecificElementsDialog(ViewElementForm form, Document& document, FileChooser& chooser, Ui& ui, QWidget* parent = nullptr);

    const ViewElementForm& form() const { return form_; }

    // The controls, for tests that use them as a person would.
    QLineEdit* nameEdit() const { return nameEdit_; }
    // Says when the material file was written for another model; hidden when it fits.
    QLabel* fitNote() const { return fitNote_; }
    QPushButton* browseButton() const { return browse_; }
    QTableView* shownList() const { return shownList_; }
    QTableView* hiddenList() const { return hiddenList_; }
    QPushButton* hideButton() const { return hide_; }
    QPushButton* showButton() const { return show_; }

private:
    void browse();
    void moveSelected(QTableView* list, bool hide);
    void showState();

    ViewElementForm form_;
    Document& document_;
    FileChooser& chooser_;
    Ui& ui_;
    QLineEdit* nameEdit_;
    QLabel* fitNote_;
    QPushButton *browse_, *hide_, *show_;
    QTableView *shownList_, *hiddenList_;
    MaterialListModel *shownModel_, *hiddenModel_;
};

} // namespace vellum
