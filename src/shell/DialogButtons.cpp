#include "shell/DialogButtons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace avizad {

void addYesCancelButtons(QDialog* dialog, QBoxLayout* layout) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* yes = new QPushButton(QStringLiteral("Да"), dialog);
    yes->setToolTip(QStringLiteral("Да"));
    yes->setDefault(true);
    auto* no = new QPushButton(QStringLiteral("Отмена"), dialog);
    no->setToolTip(QStringLiteral("Отмена"));
    buttons->addWidget(yes);
    buttons->addWidget(no);
    layout->addLayout(buttons);
    QObject::connect(yes, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(no, &QPushButton::clicked, dialog, &QDialog::reject);
}

}  // namespace avizad
