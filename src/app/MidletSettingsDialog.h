#pragma once
// The MIDlet settings dialog: the game's name, author, version and icon entry. "Да"
// refuses, with a message, the dialog kept open and the field concerned focused, settings
// that would make a broken or unnamed game or one a phone does not install
// (checkMidletSettings).

#include <QDialog>
#include <functional>

#include "model/Project.h"

class QLabel;
class QLineEdit;

namespace avizad {

class MidletSettingsDialog : public QDialog {
    Q_OBJECT

public:
    using ShowError = std::function<void(QWidget* parent, const QString& text)>;

    // `showError` shows a refusal; by default in a message box.
    MidletSettingsDialog(const Project& project, QWidget* parent = nullptr,
                         ShowError showError = {});

    QLineEdit* nameField() const { return name_; }
    QLineEdit* vendorField() const { return vendor_; }
    QLineEdit* versionField() const { return version_; }
    QLineEdit* iconField() const { return icon_; }

    // "Да" closes the dialog only when the fields are sound.
    void accept() override;
    // The fields written into a project ("Да" applies them through the document).
    void applyTo(Project& project) const;

private:
    ShowError showError_;
    QLineEdit* name_ = nullptr;
    QLineEdit* vendor_ = nullptr;
    QLineEdit* version_ = nullptr;
    QLineEdit* icon_ = nullptr;
    QLabel* iconLabel_ = nullptr;
};

}  // namespace avizad
