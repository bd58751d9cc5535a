// The settings sheet, opened by the settings command, by the page commands and by a double
// click on a loaded graph.
#include "app/GraphView.h"
#include "app/QtUi.h"
#include "app/sheet/SettingsSheet.h"

namespace vellum {

void GraphView::openSettingsSheet(int startPage) {
    const SheetFacts facts = sheetFactsOf(document_.dataSet, document_.look, document_.options.dataType,
                                          document_.modelShape());
    SettingsSheet sheet(SheetForm(document_.look, facts), ui_, startPage, window());
    if (sheet.exec() != QDialog::Accepted) return;
    // A normalisation failure has shown its message and leaves the look applied.
    QtUi::MessageGroup messages(ui_);
    document_.ApplyLook(ui_, sheet.confirmed());
    refresh();
}

} // namespace vellum
