#include "events/ui/PhoneKeyDialog.h"

#include <QGridLayout>
#include <QPushButton>

#include "events/ParameterDialogTexts.h"
#include "model/ui/QtText.h"

namespace avizad {

PhoneKeyDialog::PhoneKeyDialog(QWidget* parent) : QDialog(parent) {
    const ParameterDialogTexts& texts = ParameterDialogTexts::of(ParameterDialog::Key);
    setWindowTitle(QString::fromUtf8(texts.title));
    auto* grid = new QGridLayout(this);
    grid->setSpacing(3);
    grid->setContentsMargins(10, 10, 10, 10);
    for (const PhoneKey& key : PhoneKeys::all()) {
        auto* button = new QPushButton(QString::fromUtf8(key.caption), this);
        button->setFixedSize(25, 25);
        button->setObjectName(QString::fromUtf8(key.name));
        button->setAutoDefault(false);
        grid->addWidget(button, key.row, key.column);
        const PhoneKey* chosen = &key;
        connect(button, &QPushButton::clicked, this, [this, chosen] {
            key_ = chosen;
            accept();
        });
    }
    // A gap between the soft keys, the cross and the digit block.
    grid->setRowMinimumHeight(0, 30);
    setFixedSize(sizeHint());
}

QPushButton* PhoneKeyDialog::button(std::string_view name) const {
    return findChild<QPushButton*>(QString::fromUtf8(name));
}

}  // namespace avizad
