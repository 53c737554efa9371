#include "events/ui/TimerDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "events/ParameterDialogTexts.h"
#include "model/ui/QtText.h"
#include "shell/DialogButtons.h"

namespace avizad {

TimerDialog::TimerDialog(ShowError showError, QWidget* parent)
    : QDialog(parent), showError_(std::move(showError)) {
    const ParameterDialogTexts& texts = ParameterDialogTexts::of(ParameterDialog::Timer);
    setWindowTitle(QString::fromUtf8(texts.title));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QString::fromUtf8(texts.group), this);
    auto* form = new QFormLayout(group);
    for (std::size_t i = 0; i < 3; ++i) {
        fields_[i] = new QLineEdit(QStringLiteral("0"), group);
        fields_[i]->setMaximumWidth(80);
        form->addRow(QString::fromUtf8(texts.fieldLabels[i]), fields_[i]);
    }
    layout->addWidget(group);
    addYesCancelButtons(this, layout);
    if (!showError_) {
        showError_ = [](QWidget* owner, const QString& text) {
            QMessageBox::warning(owner, owner->windowTitle(), text);
        };
    }
}

void TimerDialog::accept() {
    std::string error;
    setting_ = TimerSetting::read(toModel(fields_[0]->text()), toModel(fields_[1]->text()),
                                  toModel(fields_[2]->text()), error);
    if (!setting_) {
        showError_(this, QString::fromStdString(error));
        return;
    }
    QDialog::accept();
}

}  // namespace avizad
