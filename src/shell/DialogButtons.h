#pragma once
// The "Да" / "Отмена" row at the foot of the program's dialogs.

class QBoxLayout;
class QDialog;

namespace avizad {

// Adds the row to `layout`: "Да" (the default button, hint "Да") accepts the dialog,
// "Отмена" (hint "Отмена") rejects it.
void addYesCancelButtons(QDialog* dialog, QBoxLayout* layout);

}  // namespace avizad
