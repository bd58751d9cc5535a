#include "app/FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>

namespace vellum {
namespace {

struct KindInfo {
    const char* filter;           // Qt's form: the caption, then the patterns in parentheses
    const char* defaultExtension; // without the dot
};

// The captions are the program's own; the patterns are those each caption promises, in
// both cases where the file systems care.
KindInfo infoOf(FileKind kind) {
    switch (kind) {
    case FileKind::DataText:
        return {"テキストファイル(*.dat;*.txt;*.csv) (*.dat *.txt *.DAT *.TXT *.csv *.CSV)", ""};
    case FileKind::CommandLine:
        return {"コマンドライン用ファイル(*.dat;*.txt) (*.dat *.txt *.DAT *.TXT)", "dat"};
    case FileKind::ViewSettings: return {"設定ファイル(*.ini) (*.ini *.INI)", "ini"};
    case FileKind::Stl: return {"STLフォーマットファイル(*.stl) (*.stl *.STL)", "stl"};
    case FileKind::Image:
        return {"画像ファイル(*.png,*.jpg,*bmp) (*.png *.PNG *.bmp *.BMP *.jpg *.JPG)", "png"};
    case FileKind::MeshExport: return {"テキストファイル(*.dat;*.txt) (*.dat *.txt *.DAT *.TXT)", "dat"};
    }
    return {"", ""};
}

} // namespace

QString DialogFileChooser::openFile(QWidget* parent, FileKind kind, const QString& current) {
    const KindInfo info = infoOf(kind);
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QString::fromUtf8(info.filter));
    dialog.setDefaultSuffix(QString::fromUtf8(info.defaultExtension));
    QString& folder = folders_[static_cast<int>(kind)];
    if (!current.isEmpty()) dialog.selectFile(current);
    else if (!folder.isEmpty()) dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().first();
    folder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString DialogFileChooser::saveFile(QWidget* parent, FileKind kind) {
    const KindInfo info = infoOf(kind);
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QString::fromUtf8(info.filter));
    dialog.setDefaultSuffix(QString::fromUtf8(info.defaultExtension));
    QString& folder = folders_[static_cast<int>(kind)];
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().first();
    folder = QFileInfo(chosen).absolutePath();
    return chosen;
}

} // namespace vellum
