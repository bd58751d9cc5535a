#include "app/FileChooser.h"

#include "app/ImageExportDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace vellum {
namespace {

struct KindInfo {
    const char* filter;           // Qt's form: the caption, then the patterns in parentheses
    const char* defaultExtension; // without the dot
};

// The captions are the program's own, translated where the dialog shows them; the
// patterns are those each caption promises, in both cases where the file systems care.
KindInfo infoOf(FileKind kind) {
    switch (kind) {
    case FileKind::DataText:
        return {QT_TRANSLATE_NOOP("vellum::FileChooser",
                                  "テキストファイル(*.dat;*.txt;*.csv) (*.dat *.txt *.DAT *.TXT *.csv *.CSV)"),
                ""};
    case FileKind::CommandLine:
        return {QT_TRANSLATE_NOOP("vellum::FileChooser",
                                  "コマンドライン用ファイル(*.dat;*.txt) (*.dat *.txt *.DAT *.TXT)"),
                "dat"};
    case FileKind::ViewSettings:
        return {QT_TRANSLATE_NOOP("vellum::FileChooser", "設定ファイル(*.ini) (*.ini *.INI)"), "ini"};
    case FileKind::Stl:
        return {QT_TRANSLATE_NOOP("vellum::FileChooser", "STLフォーマットファイル(*.stl) (*.stl *.STL)"), "stl"};
    case FileKind::Image:
        return {QT_TRANSLATE_NOOP("vellum::FileChooser",
                                  "画像ファイル(*.png,*.jpg,*bmp) (*.png *.PNG *.bmp *.BMP *.jpg *.JPG);;"
                                  "ベクター画像(*.svg,*.pdf) (*.svg *.SVG *.pdf *.PDF)"),
                "png"};
    case FileKind::MeshExport:
        return {QT_TRANSLATE_NOOP("vellum::FileChooser", "テキストファイル(*.dat;*.txt) (*.dat *.txt *.DAT *.TXT)"),
                "dat"};
    case FileKind::SeriesImage:
        return {QT_TRANSLATE_NOOP("vellum::FileChooser",
                                  "画像ファイル(*.png,*.jpg,*bmp) (*.png *.PNG *.bmp *.BMP *.jpg *.JPG);;"
                                  "ベクター画像(*.svg,*.pdf) (*.svg *.SVG *.pdf *.PDF);;"
                                  "アニメーション(*.webp,*.gif) (*.webp *.WEBP *.gif *.GIF)"),
                "png"};
    }
    return {"", ""};
}

// Runs a dialog of `kind` from its remembered folder (or `current`), and remembers the
// folder of what was chosen.
QStringList runDialog(QFileDialog& dialog, FileKind kind, const QString& current, QString& folder) {
    const KindInfo info = infoOf(kind);
    dialog.setNameFilter(QCoreApplication::translate("vellum::FileChooser", info.filter));
    dialog.setDefaultSuffix(QString::fromUtf8(info.defaultExtension));
    // A name typed without extension takes the type of the filter chosen: the first of
    // its patterns, "(*.svg *.SVG ...)" giving "svg".
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const qsizetype from = filter.lastIndexOf(QStringLiteral("(*."));
        if (from < 0) return;
        const QString patterns = filter.mid(from + 3);
        const qsizetype end = patterns.indexOf(QRegularExpression(QStringLiteral("[ )]")));
        dialog.setDefaultSuffix(patterns.left(end));
    });
    if (!current.isEmpty()) dialog.selectFile(current);
    else if (!folder.isEmpty()) dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QStringList chosen = dialog.selectedFiles();
    folder = QFileInfo(chosen.first()).absolutePath();
    return chosen;
}

} // namespace

QString DialogFileChooser::openFile(QWidget* parent, FileKind kind, const QString& current) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runDialog(dialog, kind, current, folders_[static_cast<int>(kind)]).value(0);
}

QStringList DialogFileChooser::openFiles(QWidget* parent, FileKind kind, const QString& current) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return runDialog(dialog, kind, current, folders_[static_cast<int>(kind)]);
}

QString DialogFileChooser::saveFile(QWidget* parent, FileKind kind) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return runDialog(dialog, kind, {}, folders_[static_cast<int>(kind)]).value(0);
}

bool FileChooser::chooseImageOptions(QWidget* parent, ImageExportForm& form, Ui& ui) {
    ImageExportDialog dialog(form, ui, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    form = dialog.form();
    return true;
}

QString DialogFileChooser::chooseFolder(QWidget* parent) {
    return QFileDialog::getExistingDirectory(parent);
}

} // namespace vellum
