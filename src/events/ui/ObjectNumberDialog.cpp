#include "events/ui/ObjectNumberDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "events/ParameterDialogTexts.h"
#include "events/ui/ObjectChoice.h"
#include "shell/DialogButtons.h"

namespace avizad {

ObjectNumberDialog::ObjectNumberDialog(ParameterDialog which, const Project& project,
                                       std::optional<ObjectKind> kind, QWidget* parent)
    : QDialog(parent) {
    const ParameterDialogTexts& texts = ParameterDialogTexts::of(which);
    setWindowTitle(QString::fromUtf8(texts.title));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(
        texts.fieldLabels.empty() ? QString() : QString::fromUtf8(texts.fieldLabels[0]), this));
    if (kind) {
        choice_ = new ObjectChoice(project, *kind, this);
        row->addWidget(choice_, 1);
    } else {
        field_ = new QSpinBox(this);
        field_->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        field_->setValue(1);
        row->addWidget(field_);
    }
    layout->addLayout(row);
    if (choice_ != nullptr && choice_->empty()) {
        auto* empty = new QLabel(choice_->emptyText(), this);
        empty->setObjectName("emptyChoice");
        empty->setWordWrap(true);
        layout->addWidget(empty);
    }
    addYesCancelButtons(this, layout);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->isDefault()) {
            yes_ = button;
        }
    }
    if (yes_ != nullptr && choice_ != nullptr) {
        yes_->setEnabled(!choice_->empty());  // an empty choice is refused
    }
}

void ObjectNumberDialog::accept() {
    if (choice_ != nullptr && choice_->empty()) {
        return;
    }
    QDialog::accept();
}

int ObjectNumberDialog::number() const {
    return choice_ != nullptr ? choice_->number() : field_->value();
}

}  // namespace avizad
