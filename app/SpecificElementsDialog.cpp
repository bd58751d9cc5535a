#include "app/SpecificElementsDialog.h"
#include <QCoreApplication>

#include "app/FileChooser.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <functional>

namespace vellum {

// One list of materials: the number and its element count, read from the form each time
// it is shown, so a file naming many materials lists them without a widget per row.
class MaterialListModel : public QAbstractTableModel {
public:
    MaterialListModel(std::function<const std::vector<MaterialCount>&()> rows, QObject* parent)
        : QAbstractTableModel(parent), rows_(std::move(rows)) {}

    void reload() {
        beginResetModel();
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_().size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        const MaterialCount& row = rows_()[static_cast<size_t>(index.row())];
        return QString::number(index.column() == 0 ? row.material : row.elements);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal) return {};
        if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole) return {};
        return section == 0 ? QCoreApplication::translate("vellum::SpecificElementsDialog", "要素ID")
                            : QCoreApplication::translate("vellum::SpecificElementsDialog", "要素数");
    }

private:
    std::function<const std::vector<MaterialCount>&()> rows_;
};

namespace {

QTableView* materialList(QAbstractItemModel* model, QWidget* parent) {
    auto* list = new QTableView(parent);
    list->setModel(model);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->setColumnWidth(0, 50);
    list->setColumnWidth(1, 50);
    list->setMinimumSize(130, 200);
    return list;
}

} // namespace

SpecificElementsDialog::SpecificElementsDialog(ViewElementForm form, Document& document, FileChooser& chooser, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(std::move(form)), document_(document), chooser_(chooser), ui_(ui) {
    setWindowTitle(tr("特定要素の設定"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("マテリアルファイル"), this), 0, 0, 1, 3);
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setReadOnly(true);
    browse_ = new QPushButton(tr("参照"), this);
    grid->addWidget(nameEdit_, 1, 0, 1, 2);
    grid->addWidget(browse_, 1, 2);
    fitNote_ = new QLabel(this);
    fitNote_->setWordWrap(true);
    fitNote_->setStyleSheet(QStringLiteral("color: #b00000"));
    grid->addWidget(fitNote_, 4, 0, 1, 3);

    shownModel_ = new MaterialListModel([this]() -> const std::vector<MaterialCount>& { return form_.shown(); }, this);
    hiddenModel_ = new MaterialListModel([this]() -> const std::vector<MaterialCount>& { return form_.hidden(); }, this);
    shownList_ = materialList(shownModel_, this);
    hiddenList_ = materialList(hiddenModel_, this);
    hide_ = new QPushButton(QStringLiteral(">>"), this);
    show_ = new QPushButton(QStringLiteral("<<"), this);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(hide_);
    moves->addWidget(show_);
    moves->addStretch();
    grid->addWidget(new QLabel(tr("表示する"), this), 2, 0);
    grid->addWidget(new QLabel(tr("表示しない"), this), 2, 2);
    grid->addWidget(shownList_, 3, 0);
    grid->addLayout(moves, 3, 1);
    grid->addWidget(hiddenList_, 3, 2);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("キャンセル"), QDialogButtonBox::RejectRole);
    grid->addWidget(buttons, 5, 0, 1, 3);

    connect(browse_, &QPushButton::clicked, this, &SpecificElementsDialog::browse);
    connect(hide_, &QPushButton::clicked, this, [this] { moveSelected(shownList_, true); });
    connect(show_, &QPushButton::clicked, this, [this] { moveSelected(hiddenList_, false); });
    connect(buttons, &QDialogButtonBox::accepted, this, &SpecificElementsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SpecificElementsDialog::reject);
    showState();
}

void SpecificElementsDialog::showState() {
    nameEdit_->setText(QString::fromStdString(form_.name()));
    fitNote_->setText(QString::fromStdString(form_.fitNote()));
    fitNote_->setVisible(!form_.fitNote().empty());
    shownModel_->reload();
    hiddenModel_->reload();
}

void SpecificElementsDialog::browse() {
    const QString chosen =
        chooser_.openFile(this, FileKind::DataText, QString::fromStdString(form_.choice().path));
    if (chosen.isEmpty()) return;
    form_.readMaterialFile(document_, ui_, chosen.toStdString());
    showState();
}

void SpecificElementsDialog::moveSelected(QTableView* list, bool hide) {
    std::vector<int> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedRows()) rows.push_back(index.row());
    if (hide) form_.hideRows(rows);
    else form_.showRows(rows);
    showState();
}

} // namespace vellum
