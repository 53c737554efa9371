#pragma once
// The object number dialogs, with "Да" and "Отмена". When the number names an object type
// the dialog offers the types of its kind by name ("2: enemy", the first chosen) and
// refuses "Да" while there is none; otherwise (a trajectory number) it has a number field.

#include <QDialog>
#include <optional>

#include "events/ParameterDialog.h"
#include "model/Project.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace avizad {

class ObjectChoice;

class ObjectNumberDialog : public QDialog {
    Q_OBJECT

public:
    // `which`: ParameterDialog::ConditionObjectNumber or ActionObjectNumber; `kind`: the
    // kind of object the number names, if any.
    ObjectNumberDialog(ParameterDialog which, const Project& project,
                       std::optional<ObjectKind> kind, QWidget* parent = nullptr);

    // The list of objects (nullptr for a plain number) or the number field.
    ObjectChoice* choice() const { return choice_; }
    QSpinBox* field() const { return field_; }
    QPushButton* yesButton() const { return yes_; }
    int number() const;
    // "Да": refused while the list of objects is empty.
    void accept() override;

private:
    ObjectChoice* choice_ = nullptr;
    QSpinBox* field_ = nullptr;
    QPushButton* yes_ = nullptr;
};

}  // namespace avizad
