#include "events/ui/DetectionDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "events/ParameterDialogTexts.h"
#include "events/ui/ObjectChoice.h"
#include "model/ui/QtText.h"
#include "shell/DialogButtons.h"

namespace avizad {

DetectionDialog::DetectionDialog(const Project& project, QWidget* parent) : QDialog(parent) {
    const ParameterDialogTexts& texts = ParameterDialogTexts::of(ParameterDialog::Detection);
    setWindowTitle(QString::fromUtf8(texts.title));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < 2; ++i) {
        fields_[i] = new QSpinBox(this);
        fields_[i]->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        fields_[i]->setValue(0);
        form->addRow(QString::fromUtf8(texts.fieldLabels[i]), fields_[i]);
    }
    object_ = new ObjectChoice(project, ObjectKind::Active, this);
    form->addRow(QString::fromUtf8(texts.fieldLabels[2]), object_);
    layout->addLayout(form);
    if (object_->empty()) {
        auto* empty = new QLabel(object_->emptyText(), this);
        empty->setWordWrap(true);
        layout->addWidget(empty);
    }
    // Obstacles are not taken into account yet: the box stays hidden.
    auto* obstacles =
        new QCheckBox(QString::fromUtf8(ParameterDialogTexts::kDetectionObstacles), this);
    obstacles->setEnabled(false);
    obstacles->setVisible(false);
    layout->addWidget(obstacles);
    addYesCancelButtons(this, layout);
}

DetectionSetting DetectionDialog::setting() const {
    return {fields_[0]->value(), fields_[1]->value(), object_->number()};
}

void DetectionDialog::accept() {
    if (!object_->empty()) {
        QDialog::accept();
    }
}

}  // namespace avizad
