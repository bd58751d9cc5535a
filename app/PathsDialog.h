#pragma once
// CAddPath: the path dialog "パスの追加": the registered folders in order, the buttons that add,
// remove and move them, and the absolute-path option. Its rules are PathListForm's.
#include "model/PathListForm.h"

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace vellum {

class FileChooser;

class PathsDialog : public QDialog {
    Q_OBJECT
public:
    PathsDialog(PathListForm form, FileChooser& chooser, QWidget* parent = nullptr);

    const PathListForm& form() const { return form_; }
    // The check box 1013, the list 1012 and the buttons 1019, 1032, 1008, 1050, 1051.
    QCheckBox* fullPathBox() const { return fullPath_; }
    QListWidget* list() const { return list_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* desktopButton() const { return desktop_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* upButton() const { return up_; }
    QPushButton* downButton() const { return down_; }

private:
    void showList();

    PathListForm form_;
    FileChooser& chooser_;
    QCheckBox* fullPath_;
    QListWidget* list_;
    QPushButton *add_, *desktop_, *remove_, *up_, *down_;
};

} // namespace vellum
