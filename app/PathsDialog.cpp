#include "app/PathsDialog.h"

#include "app/DialogButtons.h"
#include "app/FileChooser.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

namespace vellum {

PathsDialog::PathsDialog(PathListForm form, FileChooser& chooser, QWidget* parent)
    : QDialog(parent), form_(std::move(form)), chooser_(chooser) {
    setWindowTitle(tr("パスの追加"));
    auto* grid = new QGridLayout(this);
    fullPath_ = new QCheckBox(tr("各ファイルを絶対パスで指定する"), this);
    fullPath_->setChecked(form_.fullPath());
    grid->addWidget(fullPath_, 0, 0, 1, 2);
    grid->addWidget(new QLabel(tr("指定パスの登録"), this), 1, 0);
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumWidth(320);
    grid->addWidget(list_, 2, 0, 6, 1);
    add_ = new QPushButton(tr("ﾊﾟｽを追加(&A)"), this);
    desktop_ = new QPushButton(tr("ﾃﾞｽｸﾄｯﾌﾟ(&W)"), this);
    remove_ = new QPushButton(tr("ﾊﾟｽを削除(&D)"), this);
    up_ = new QPushButton(tr("上へ移動(&U)"), this);
    down_ = new QPushButton(tr("下へ移動(&B)"), this);
    int row = 2;
    for (QPushButton* button : {add_, desktop_, remove_, up_, down_}) grid->addWidget(button, row++, 1);
    grid->addWidget(new QLabel(tr("※　ﾊﾟｽを登録するとｺﾏﾝﾄﾞﾗｲﾝ処理用ファイルで相対ﾊﾟｽ指定できます"), this),
                    8, 0, 1, 2);
    QDialogButtonBox* buttons = okCancelButtons(this);
    grid->addWidget(buttons, 9, 0, 1, 2);

    connect(fullPath_, &QCheckBox::toggled, this, [this](bool on) { form_.setFullPath(on); });
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = list_->selectedItems();
        form_.select(chosen.isEmpty() ? -1 : list_->row(chosen.first()));
    });
    connect(add_, &QPushButton::clicked, this, [this] {
        const QString folder = chooser_.chooseFolder(this);
        if (folder.isEmpty()) return;
        form_.insert(folder.toStdString());
        showList();
    });
    connect(desktop_, &QPushButton::clicked, this, [this] {
        form_.insert(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString());
        showList();
    });
    const auto act = [this](void (PathListForm::*step)()) {
        return [this, step] {
            (form_.*step)();
            showList();
        };
    };
    connect(remove_, &QPushButton::clicked, this, act(&PathListForm::removeSelected));
    connect(up_, &QPushButton::clicked, this, act(&PathListForm::moveUp));
    connect(down_, &QPushButton::clicked, this, act(&PathListForm::moveDown));
    showList();
}

void PathsDialog::showList() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const std::string& path : form_.paths()) list_->addItem(QString::fromStdString(path));
    list_->setCurrentRow(form_.selection(), QItemSelectionModel::ClearAndSelect);
    if (form_.selection() < 0) list_->clearSelection();
}

} // namespace vellum
