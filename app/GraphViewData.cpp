// The commands that choose what of the data is drawn: the data column and the materials.
#include "app/DataColumnDialog.h"
#include "app/SpecificElementsDialog.h"
#include "app/GraphView.h"
#include "app/QtUi.h"

namespace vellum {

void GraphView::changeDataColumns() {
    DataColumnDialog dialog(ColumnChoiceForm(document_), ui_, window());
    if (dialog.exec() != QDialog::Accepted) return;
    // The steps show their own messages; the picture shows whatever they left.
    QtUi::MessageGroup messages(ui_);
    document_.ChangeDataColumns(ui_, dialog.form().choice());
    refresh();
}

void GraphView::showSpecificElements() {
    SpecificElementsDialog dialog(ViewElementForm(document_), document_, chooser_, ui_, window());
    if (dialog.exec() != QDialog::Accepted) return;
    QtUi::MessageGroup messages(ui_);
    document_.ApplySpecificElements(ui_, dialog.form().choice());
    refresh();
}

} // namespace vellum
