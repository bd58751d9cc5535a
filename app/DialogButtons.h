#pragma once
// The "OK" and "キャンセル" row every dialog of the program ends with.
class QDialog;
class QDialogButtonBox;

namespace vellum {

// The two buttons, tied to the dialog's accept() and reject(); the caller places the row.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

} // namespace vellum
