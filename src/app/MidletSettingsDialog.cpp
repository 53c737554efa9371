#include "app/MidletSettingsDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "app/QtText.h"

namespace avizad {

MidletSettingsDialog::MidletSettingsDialog(Project& project, QWidget* parent)
    : QDialog(parent), project_(project) {
    setWindowTitle(QStringLiteral("fmSetup_midp"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name_ = new QLineEdit(fromModel(project.midletName), this);
    vendor_ = new QLineEdit(fromModel(project.midletVendor), this);
    version_ = new QLineEdit(fromModel(project.midletVersion), this);
    icon_ = new QLineEdit(fromModel(project.midletIcon), this);
    form->addRow(QStringLiteral("Название MIDLet'a"), name_);
    form->addRow(QStringLiteral("Автор"), vendor_);
    form->addRow(QStringLiteral("MIDLet версия"), version_);
    auto* iconLabel = new QLabel(QStringLiteral("Иконка"), this);
    form->addRow(iconLabel, icon_);
    iconLabel->hide();
    icon_->hide();
    layout->addLayout(form);

    addYesCancelButtons(this, layout);
    resize(360, sizeHint().height());
}

void MidletSettingsDialog::accept() {
    project_.midletName = toModel(name_->text());
    project_.midletVendor = toModel(vendor_->text());
    project_.midletVersion = toModel(version_->text());
    project_.midletIcon = toModel(icon_->text());
    QDialog::accept();
}

}  // namespace avizad
