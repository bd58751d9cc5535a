#include "app/DialogButtons.h"

#include "common/Ui.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>

namespace vellum {

QDialogButtonBox* okCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QCoreApplication::translate("vellum::DialogButtons", "キャンセル"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

bool refused(Ui& ui, const std::string& refusal) {
    if (refusal.empty()) return false;
    ui.showMessage(refusal);
    return true;
}

} // namespace vellum
