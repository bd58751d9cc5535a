#include "app/DataColumnDialog.h"

#include "common/Texts.h"
#include "common/Ui.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

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

// The table opens showing the number column, four data columns and fifteen rows in the
// dialog's font, whatever the screen's density.
class DataRowsTable : public QTableView {
public:
    using QTableView::QTableView;

    static constexpr int kShownDataColumns = 4;
    static constexpr int kShownRows = 15;

    // Rows as tall as a line of text with a little air, as a list of numbers reads best,
    // and columns as wide as a number.
    void fitToFont(int columnCount) {
        const QFontMetrics metrics = fontMetrics();
        verticalHeader()->setDefaultSectionSize(metrics.height() + std::max(4, metrics.height() / 3));
        const int padding = 2 * metrics.averageCharWidth();
        const QString numberTitle = QString::fromStdString(std::string(shownText(TX("接点番号"))));
        setColumnWidth(0, std::max(metrics.horizontalAdvance(numberTitle),
                                   metrics.horizontalAdvance(QStringLiteral("00000000"))) + padding);
        for (int column = 1; column < columnCount; ++column)
            setColumnWidth(column, metrics.horizontalAdvance(QStringLiteral("-00000.000000")) + padding);
    }

    QSize sizeHint() const override {
        const int columns = model() ? model()->columnCount() : 0;
        int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
        for (int column = 0; column < std::min(columns, kShownDataColumns + 1); ++column) width += columnWidth(column);
        int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height() +
                     kShownRows * verticalHeader()->defaultSectionSize();
        if (columns > kShownDataColumns + 1) height += horizontalScrollBar()->sizeHint().height();
        return QSize(width, height);
    }

protected:
    void changeEvent(QEvent* event) override {
        QTableView::changeEvent(event);
        if (event->type() == QEvent::FontChange && model()) fitToFont(model()->columnCount());
    }
};

} // namespace

DataColumnDialog::DataColumnDialog(ColumnChoiceForm form, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(std::move(form)), ui_(ui) {
    setWindowTitle(tr("データ列の変更"));
    auto* grid = new QGridLayout(this);
    const QString labels[3] = {tr("描画列（ベクトル１）"), tr("（ベクトル２）"),
                               tr("（ベクトル３）")};
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

    grid->addWidget(new QLabel(tr("データ詳細"), this), 2, 0, 1, 3);
    auto* table = new DataRowsTable(this);
    table_ = table;
    table_->setModel(new DataRowsModel(form_, table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    // Fixed row heights spare the view measuring every row.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->fitToFont(static_cast<int>(form_.tableColumnCount()));
    table_->setMinimumSize(480, 240);
    grid->addWidget(table_, 3, 0, 1, 3);

    grid->addWidget(new QLabel(tr("※ベクトル描画の場合は３個選択してください．"), this), 4, 0, 1, 3);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("キャンセル"), QDialogButtonBox::RejectRole);
    grid->addWidget(buttons, 5, 0, 1, 3);
    connect(buttons, &QDialogButtonBox::accepted, this, &DataColumnDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DataColumnDialog::reject);
}

void DataColumnDialog::accept() {
    const std::string message = form_.confirm();
    if (!message.empty()) {
        ui_.showMessage(message);
        return;
    }
    QDialog::accept();
}

} // namespace vellum
