#include "events/ui/ObjectNumberDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "app/DialogButtons.h"
#include "events/ParameterDialogTexts.h"
#include "model/ui/QtText.h"

namespace avizad {

ObjectNumberDialog::ObjectNumberDialog(ParameterDialog which, QWidget* parent) : QDialog(parent) {
    const ParameterDialogTexts& texts = ParameterDialogTexts::of(which);
    setWindowTitle(QString::fromUtf8(texts.title));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(
        texts.fieldLabels.empty() ? QString() : QString::fromUtf8(texts.fieldLabels[0]), this));
    field_ = new QSpinBox(this);
    field_->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    field_->setValue(0);
    row->addWidget(field_);
    layout->addLayout(row);
    if (texts.hasCancel) {
        addYesCancelButtons(this, layout);
        return;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* yes = new QPushButton(QString::fromUtf8(ParameterDialogTexts::kYes), this);
    yes->setToolTip(QString::fromUtf8(ParameterDialogTexts::kYes));
    yes->setDefault(true);
    buttons->addWidget(yes);
    layout->addLayout(buttons);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
}

int ObjectNumberDialog::number() const {
    return field_->value();
}

}  // namespace avizad
