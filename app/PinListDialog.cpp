#include "app/PinListDialog.h"

#include "app/DialogButtons.h"
#include "common/Texts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace vellum {
namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

PinListDialog::PinListDialog(PinListForm form, QWidget* parent) : QDialog(parent), form_(std::move(form)) {
    setWindowTitle(tr("ピン留めした値"));
    auto* grid = new QGridLayout(this);
    table_ = new QTableWidget(this);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->setMinimumSize(480, 200);
    QStringList titles;
    for (const std::string& title : form_.titles()) titles << text(shownText(title));
    table_->setColumnCount(static_cast<int>(titles.size()));
    table_->setHorizontalHeaderLabels(titles);
    grid->addWidget(table_, 0, 0, 3, 1);
    remove_ = new QPushButton(tr("削除"), this);
    removeAll_ = new QPushButton(tr("すべて削除"), this);
    grid->addWidget(remove_, 0, 1);
    grid->addWidget(removeAll_, 1, 1);
    grid->setRowStretch(2, 1);
    grid->addWidget(okCancelButtons(this), 3, 0, 1, 2);

    connect(remove_, &QPushButton::clicked, this, [this] {
        // Any selected cell names its row; the form ignores the repeats.
        std::vector<int> rows;
        for (const QModelIndex& index : table_->selectionModel()->selectedIndexes()) rows.push_back(index.row());
        form_.remove(std::move(rows));
        showRows();
    });
    connect(removeAll_, &QPushButton::clicked, this, [this] {
        form_.removeAll();
        showRows();
    });
    showRows();
}

void PinListDialog::showRows() {
    table_->clearContents();
    table_->setRowCount(static_cast<int>(form_.rowCount()));
    for (size_t row = 0; row < form_.rowCount(); ++row) {
        const std::vector<std::string>& cells = form_.cells(row);
        for (size_t column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(text(cells[column]));
            // Numbers line up at the right, as in a spreadsheet.
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
    table_->resizeColumnsToContents();
    remove_->setEnabled(form_.rowCount() > 0);
    removeAll_->setEnabled(form_.rowCount() > 0);
}

} // namespace vellum
