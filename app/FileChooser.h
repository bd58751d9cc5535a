#pragma once
// The open and save dialogs of the commands, behind an interface so that tests can answer
// them. Each kind has its own filter, default extension and remembered folder.
#include <QString>
#include <QStringList>

class QWidget;

namespace vellum {

class ImageExportForm;
class Ui;

enum class FileKind {
    DataText,    // node, element and data files of the open dialog
    CommandLine, // command-line files, import and export
    ViewSettings,
    Stl,
    Image,
    MeshExport, // node and element exports
    SeriesImage, // the image export of a series: a picture, or an animation of every step
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or an empty string when the person cancelled. `current` is the
    // path to start from (may be empty).
    virtual QString openFile(QWidget* parent, FileKind kind, const QString& current) = 0;
    // Several existing files in the order the person chose them; empty when cancelled.
    virtual QStringList openFiles(QWidget* parent, FileKind kind, const QString& current) = 0;
    virtual QString saveFile(QWidget* parent, FileKind kind) = 0;
    // A folder's full path from the platform's folder browser, or empty when cancelled.
    virtual QString chooseFolder(QWidget* parent) = 0;
    // The image export's options for the file just chosen, edited in `form`; false when
    // the person cancelled. The options dialog unless a test answers otherwise.
    virtual bool chooseImageOptions(QWidget* parent, ImageExportForm& form, Ui& ui);
};

// The platform's dialogs, asking before a file is replaced and remembering the last
// folder of each kind for the session.
class DialogFileChooser : public FileChooser {
public:
    QString openFile(QWidget* parent, FileKind kind, const QString& current) override;
    QStringList openFiles(QWidget* parent, FileKind kind, const QString& current) override;
    QString saveFile(QWidget* parent, FileKind kind) override;
    QString chooseFolder(QWidget* parent) override;

private:
    QString folders_[static_cast<int>(FileKind::SeriesImage) + 1];
};

} // namespace vellum
