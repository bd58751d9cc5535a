#include "app/CChangeData.h"

#include "common/Ui.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

namespace vellum {
namespace {

// The table asks only for the cells it shows, so it opens at once however many rows
// the data file has.
class DataRowsModel : public QAbstractTableModel {
public:
    DataRowsModel(const ColumnChoiceForm& form, QObject* parent) : QAbstractTableModel(parent), form_(form) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(form_.listedRowCount());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(form_.tableColumnCount());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return QString::fromStdString(
            form_.cell(static_cast<size_t>(index.row()), static_cast<size_t>(index.column())));
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal) return {};
        if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole) return {};
        return QString::fromStdString(form_.header(static_cast<size_t>(section)));
    }

private:
    const ColumnChoiceForm& form_;
};

} // namespace

CChangeData::CChangeData(ColumnChoiceForm form, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(std::move(form)), ui_(ui) {
    setWindowTitle(QStringLiteral("データ列の変更"));
    auto* grid = new QGridLayout(this);
    const QString labels[3] = {QStringLiteral("描画列（ベクトル１）"), QStringLiteral("（ベクトル２）"),
                               QStringLiteral("（ベクトル３）")};
    QStringList names;
    for (const std::string& name : form_.columnNames()) names << QString::fromStdString(name);
    for (int list = 0; list < 3; ++list) {
        auto* box = new QComboBox(this);
        box->addItems(names);
        box->setCurrentIndex(form_.selection(list));
        box->setEnabled(list == 0 || form_.componentListsEnabled());
        grid->addWidget(new QLabel(labels[list], this), 0, list);
        grid->addWidget(box, 1, list);
        connect(box, &QComboBox::currentIndexChanged, this, [this, list](int position) { form_.select(list, position); });
        lists_[static_cast<size_t>(list)] = box;
    }

    grid->addWidget(new QLabel(QStringLiteral("データ詳細"), this), 2, 0, 1, 3);
    table_ = new QTableView(this);
    table_->setModel(new DataRowsModel(form_, table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    // Fixed row heights spare the view measuring every row.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->setColumnWidth(0, 70);
    for (int column = 1; column < static_cast<int>(form_.tableColumnCount()); ++column)
        table_->setColumnWidth(column, 100);
    table_->setMinimumSize(480, 240);
    grid->addWidget(table_, 3, 0, 1, 3);

    grid->addWidget(new QLabel(QStringLiteral("※ベクトル描画の場合は３個選択してください．"), this), 4, 0, 1, 3);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    grid->addWidget(buttons, 5, 0, 1, 3);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChangeData::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CChangeData::reject);
}

void CChangeData::accept() {
    const std::string message = form_.confirm();
    if (!message.empty()) {
        ui_.showMessage(message);
        return;
    }
    QDialog::accept();
}

} // namespace vellum
