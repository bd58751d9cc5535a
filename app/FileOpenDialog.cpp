#include "app/FileOpenDialog.h"

#include "app/FileChooser.h"
#include "common/Ui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vellum {
namespace {

QLineEdit* nameEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setMinimumWidth(260);
    return edit;
}

} // namespace

FileOpenDialog::FileOpenDialog(FileOpenForm form, FileChooser& chooser, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(std::move(form)), chooser_(chooser), ui_(ui) {
    setWindowTitle(tr("ファイルオープン"));
    auto* grid = new QGridLayout(this);
    int row = 0;

    grid->addWidget(new QLabel(tr("要素形状　："), this), row, 0);
    shape_ = new QComboBox(this);
    shape_->addItems({tr("・２次元形状"), tr("・３次元形状")});
    grid->addWidget(shape_, row++, 1);

    grid->addWidget(new QLabel(tr("－ 節点ファイル"), this), row++, 0, 1, 3);
    nodeEdit_ = nameEdit(this);
    nodeBrowse_ = new QPushButton(tr("参照"), this);
    grid->addWidget(nodeEdit_, row, 0, 1, 2);
    grid->addWidget(nodeBrowse_, row++, 2);

    autoMesh_ = new QCheckBox(tr("オートメッシュ機能を用いる"), this);
    grid->addWidget(autoMesh_, row++, 0, 1, 3);
    grid->addWidget(new QLabel(tr("－ 要素ファイル"), this), row++, 0, 1, 3);
    elementEdit_ = nameEdit(this);
    elementBrowse_ = new QPushButton(tr("参照"), this);
    grid->addWidget(elementEdit_, row, 0, 1, 2);
    grid->addWidget(elementBrowse_, row++, 2);

    grid->addWidget(new QLabel(tr("－ データファイル"), this), row++, 0, 1, 3);
    dataEdit_ = nameEdit(this);
    grid->addWidget(dataEdit_, row++, 0, 1, 3);
    grid->addWidget(new QLabel(tr("データタイプ　："), this), row, 0);
    dataType_ = new QComboBox(this);
    dataType_->addItems({tr("・節点値"), tr("・要素値"), tr("・ﾍﾞｸﾄﾙﾃﾞｰﾀ"),
                         tr("・ﾃﾞｰﾀﾌｧｲﾙなし")});
    dataBrowse_ = new QPushButton(tr("参照"), this);
    grid->addWidget(dataType_, row, 1);
    grid->addWidget(dataBrowse_, row++, 2);

    polar_ = new QCheckBox(tr("極座標データ"), this);
    radians_ = new QCheckBox(tr("ラジアン単位"), this);
    grid->addWidget(polar_, row, 0);
    grid->addWidget(radians_, row++, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("キャンセル"), QDialogButtonBox::RejectRole);
    grid->addWidget(buttons, row, 0, 1, 3);

    const OpenChoice& c = form_.choice();
    shape_->setCurrentIndex(c.shape == 1 ? 1 : 0);
    dataType_->setCurrentIndex(c.dataType >= 0 && c.dataType <= 3 ? c.dataType : 0);
    autoMesh_->setChecked(c.autoMesh == 1);
    polar_->setChecked(c.polar == 1);
    radians_->setChecked(c.radians == 1);
    showState();

    connect(shape_, &QComboBox::currentIndexChanged, this, [this](int i) { form_.setShape(i); });
    connect(dataType_, &QComboBox::currentIndexChanged, this, [this](int i) {
        form_.setDataType(i);
        showState();
    });
    connect(autoMesh_, &QCheckBox::toggled, this, [this](bool on) {
        form_.setAutoMesh(on);
        showState();
    });
    connect(polar_, &QCheckBox::toggled, this, [this](bool on) {
        form_.setPolar(on);
        showState();
    });
    connect(radians_, &QCheckBox::toggled, this, [this](bool on) { form_.setRadians(on); });
    connect(nodeBrowse_, &QPushButton::clicked, this, [this] { browse(0); });
    connect(elementBrowse_, &QPushButton::clicked, this, [this] { browse(1); });
    connect(dataBrowse_, &QPushButton::clicked, this, [this] { browse(2); });
    connect(buttons, &QDialogButtonBox::accepted, this, &FileOpenDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FileOpenDialog::reject);
}

void FileOpenDialog::showState() {
    nodeEdit_->setText(QString::fromStdString(form_.nodeName()));
    elementEdit_->setText(QString::fromStdString(form_.elementName()));
    dataEdit_->setText(QString::fromStdString(form_.dataFieldText()));
    elementBrowse_->setEnabled(form_.elementBrowseEnabled());
    dataBrowse_->setEnabled(form_.dataBrowseEnabled());
    radians_->setEnabled(form_.radiansEnabled());
}

void FileOpenDialog::browse(int which) {
    const OpenChoice& c = form_.choice();
    const std::string& current = which == 0 ? c.pointFilePath : which == 1 ? c.elementFilePath : c.dataFilePath;
    if (which == 2) {
        // Several data files make a result series, in the order chosen.
        const QStringList chosen = chooser_.openFiles(this, FileKind::DataText, QString::fromStdString(current));
        std::vector<std::string> paths;
        for (const QString& path : chosen) paths.push_back(path.toStdString());
        form_.setDataFiles(paths);
        showState();
        return;
    }
    const QString chosen = chooser_.openFile(this, FileKind::DataText, QString::fromStdString(current));
    if (chosen.isEmpty()) return;
    const std::string path = chosen.toStdString();
    if (which == 0) form_.setNodeFile(path);
    else if (which == 1) form_.setElementFile(path);
    else form_.setDataFile(path);
    showState();
}

void FileOpenDialog::accept() {
    std::string message;
    {
        WaitCursorScope wait(ui_);
        message = form_.confirm();
    }
    if (!message.empty()) {
        ui_.showMessage(message);
        return;
    }
    showState();
    QDialog::accept();
}

} // namespace vellum
