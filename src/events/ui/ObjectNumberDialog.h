#pragma once
// The object number dialogs: one integer field (any integer). The conditions' dialog
// has "Да" and "Отмена"; the actions' has "Да" only, and closing it otherwise gives
// no number.

#include <QDialog>

#include "events/ParameterDialog.h"

class QSpinBox;

namespace avizad {

class ObjectNumberDialog : public QDialog {
    Q_OBJECT

public:
    // `which`: ParameterDialog::ConditionObjectNumber or ActionObjectNumber.
    explicit ObjectNumberDialog(ParameterDialog which, QWidget* parent = nullptr);

    QSpinBox* field() const { return field_; }
    int number() const;

private:
    QSpinBox* field_ = nullptr;
};

}  // namespace avizad
