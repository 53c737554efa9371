#include "app/LevelPropertiesDialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/ui/QtText.h"
#include "shell/DialogButtons.h"

namespace avizad {

LevelPropertiesDialog::LevelPropertiesDialog(const Project& project, int level, int panelLevel,
                                             QWidget* parent)
    : QDialog(parent), level_(level) {
    setWindowTitle(QStringLiteral("Свойства уровня"));
    const LevelProperties shown = shownLevelProperties(project, panelLevel);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name_ = new QLineEdit(fromModel(shown.name), this);
    width_ = new QSpinBox(this);
    height_ = new QSpinBox(this);
    for (QSpinBox* field : {width_, height_}) {
        field->setRange(kMinLevelSize, kMaxLevelSize);
        field->setSuffix(QStringLiteral(" пикс."));
    }
    width_->setValue(shown.width);
    height_->setValue(shown.height);
    form->addRow(QStringLiteral("Название уровня"), name_);
    form->addRow(QStringLiteral("Ширина уровня"), width_);
    form->addRow(QStringLiteral("Высота уровня"), height_);
    layout->addLayout(form);

    addYesCancelButtons(this, layout);
    resize(320, sizeHint().height());
}

LevelProperties LevelPropertiesDialog::properties() const {
    return {toModel(name_->text()), width_->value(), height_->value()};
}

}  // namespace avizad
