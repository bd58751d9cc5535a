#pragma once
// CDlgFileOpen: the file-open dialog "ファイルオープン": the shape, the three files, the automatic mesh,
// the data type and the polar options. Its rules are FileOpenForm's.
#include "model/FileOpenForm.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace vellum {

class FileChooser;
class Ui;

class FileOpenDialog : public QDialog {
    Q_OBJECT
public:
    FileOpenDialog(FileOpenForm form, FileChooser& chooser, Ui& ui, QWidget* parent = nullptr);

    const FileOpenForm& form() const { return form_; }

    // The controls, for tests that press and fill them as a person would.
    QComboBox* shapeList() const { return shape_; }
    QComboBox* dataTypeList() const { return dataType_; }
    QCheckBox* autoMeshBox() const { return autoMesh_; }
    QCheckBox* polarBox() const { return polar_; }
    QCheckBox* radiansBox() const { return radians_; }
    QPushButton* nodeBrowse() const { return nodeBrowse_; }
    QPushButton* elementBrowse() const { return elementBrowse_; }
    QPushButton* dataBrowse() const { return dataBrowse_; }
    QLineEdit* nodeEdit() const { return nodeEdit_; }
    QLineEdit* elementEdit() const { return elementEdit_; }
    QLineEdit* dataEdit() const { return dataEdit_; }

    void accept() override;

private:
    void browse(int which);
    void showState();

    FileOpenForm form_;
    FileChooser& chooser_;
    Ui& ui_;
    QComboBox *shape_, *dataType_;
    QCheckBox *autoMesh_, *polar_, *radians_;
    QLineEdit *nodeEdit_, *elementEdit_, *dataEdit_;
    QPushButton *nodeBrowse_, *elementBrowse_, *dataBrowse_;
};

} // namespace vellum
