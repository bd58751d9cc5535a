#pragma once
// The "OK" and "キャンセル" row every dialog of the program ends with, and what OK does
// when the dialog's rules refuse it.
#include <string>

class QDialog;
class QDialogButtonBox;

namespace vellum {

class Ui;

// The two buttons, tied to the dialog's accept() and reject(); the caller places the row.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

// OK pressed: shows `refusal` (a form's confirm()) when there is one, and says so; the
// dialog then stays open.
bool refused(Ui& ui, const std::string& refusal);

} // namespace vellum
