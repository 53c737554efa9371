#pragma once
// The key dialog: a phone keypad of 25 x 25 buttons. A press chooses that key and
// closes the dialog; closing the window chooses nothing.

#include <QDialog>

#include "events/PhoneKeys.h"

class QPushButton;

namespace avizad {

class PhoneKeyDialog : public QDialog {
    Q_OBJECT

public:
    explicit PhoneKeyDialog(QWidget* parent = nullptr);

    // The pressed key; nullptr until one was pressed.
    const PhoneKey* key() const { return key_; }
    // The button of a key name ("venter", "#"); nullptr when there is none.
    QPushButton* button(std::string_view name) const;

private:
    const PhoneKey* key_ = nullptr;
};

}  // namespace avizad
