#include "app/MidletSettingsDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "model/MidletSettings.h"
#include "model/ui/QtText.h"
#include "shell/DialogButtons.h"

namespace avizad {

MidletSettingsDialog::MidletSettingsDialog(const Project& project, QWidget* parent,
                                           ShowError showError)
    : QDialog(parent), showError_(std::move(showError)) {
    if (!showError_) {
        showError_ = [](QWidget* owner, const QString& text) {
            QMessageBox::warning(owner, QStringLiteral("ROR Avizad"), text);
        };
    }
    setWindowTitle(QStringLiteral("Настройки MIDlet"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name_ = new QLineEdit(fromModel(project.midletName), this);
    vendor_ = new QLineEdit(fromModel(project.midletVendor), this);
    version_ = new QLineEdit(fromModel(project.midletVersion), this);
    icon_ = new QLineEdit(fromModel(project.midletIcon), this);
    form->addRow(QStringLiteral("Название MIDlet"), name_);
    form->addRow(QStringLiteral("Автор"), vendor_);
    form->addRow(QStringLiteral("Версия MIDlet"), version_);
    iconLabel_ = new QLabel(QStringLiteral("Иконка"), this);
    form->addRow(iconLabel_, icon_);
    iconLabel_->hide();
    icon_->hide();
    layout->addLayout(form);

    addYesCancelButtons(this, layout);
    resize(360, sizeHint().height());
}

void MidletSettingsDialog::accept() {
    const std::string name = toModel(name_->text());
    const std::string vendor = toModel(vendor_->text());
    const std::string version = toModel(version_->text());
    const std::string icon = toModel(icon_->text());
    const MidletSettingsProblem problem = checkMidletSettings({name, vendor, version, icon});
    if (problem.field == MidletField::None) {
        QDialog::accept();
        return;
    }
    showError_(this, QString::fromStdString(problem.message));
    switch (problem.field) {
        case MidletField::Name:
            name_->setFocus();
            break;
        case MidletField::Vendor:
            vendor_->setFocus();
            break;
        case MidletField::Version:
            version_->setFocus();
            break;
        case MidletField::Icon:
            // The icon entry has no field of its own until it is what must change.
            iconLabel_->show();
            icon_->show();
            icon_->setFocus();
            break;
        case MidletField::None:
            break;
    }
}

void MidletSettingsDialog::applyTo(Project& project) const {
    project.midletName = toModel(name_->text());
    project.midletVendor = toModel(vendor_->text());
    project.midletVersion = toModel(version_->text());
    project.midletIcon = toModel(icon_->text());
}

}  // namespace avizad
