#pragma once
// The MIDlet settings dialog: the game's name, author, version and icon entry.

#include <QDialog>

#include "model/Project.h"

class QLineEdit;

namespace avizad {

class MidletSettingsDialog : public QDialog {
    Q_OBJECT

public:
    MidletSettingsDialog(Project& project, QWidget* parent = nullptr);

    QLineEdit* nameField() const { return name_; }
    QLineEdit* vendorField() const { return vendor_; }
    QLineEdit* versionField() const { return version_; }
    QLineEdit* iconField() const { return icon_; }

    // "Да": the four fields go back into the project.
    void accept() override;

private:
    Project& project_;
    QLineEdit* name_ = nullptr;
    QLineEdit* vendor_ = nullptr;
    QLineEdit* version_ = nullptr;
    QLineEdit* icon_ = nullptr;
};

}  // namespace avizad
