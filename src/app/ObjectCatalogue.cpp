#include "app/ObjectCatalogue.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/ui/QtText.h"
#include "shell/AppIcons.h"

namespace avizad {

namespace {

struct KindButton {
    ObjectKind kind;
    AppIcon icon;
    const char* hint;
};

const KindButton kKindButtons[] = {
    {ObjectKind::Background, AppIcon::KindBackground, "Тип объекта: фоновый"},
    {ObjectKind::Active, AppIcon::KindActive, "Тип объекта: активный"},
    {ObjectKind::Indicator, AppIcon::KindIndicator, "Тип объекта: индикатор"},
    {ObjectKind::Text, AppIcon::KindText, "Тип объекта: текст"},
};

int slot(ObjectKind kind) {
    return static_cast<int>(kind) - 1;
}

}  // namespace

ObjectCatalogue::ObjectCatalogue(QWidget* parent) : QWidget(parent) {
    setObjectName("objectCatalogue");
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(4, 4, 4, 4);
    layout_->setSpacing(4);

    auto* caption = new QLabel(QStringLiteral("Объекты"), this);
    caption->setAlignment(Qt::AlignCenter);
    caption->setStyleSheet("background: #3a62aa; color: white; font-weight: bold; padding: 3px;");
    layout_->addWidget(caption);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(2);
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    for (const KindButton& k : kKindButtons) {
        auto* button = new QToolButton(this);
        button->setIcon(AppIcons::icon(k.icon));
        button->setIconSize(QSize(28, 28));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setToolTip(QString::fromUtf8(k.hint));
        button->setStatusTip(QString::fromUtf8(k.hint));
        group_->addButton(button, static_cast<int>(k.kind));
        buttons_[static_cast<std::size_t>(slot(k.kind))] = button;
        buttonRow->addWidget(button);
    }
    buttons_[0]->setChecked(true);
    layout_->addLayout(buttonRow);
    connect(group_, &QButtonGroup::idClicked, this,
            [this](int id) { chooseKind(static_cast<ObjectKind>(id)); });

    kindLabel_ = new QLabel(fromModel(kindCaption(kind_)), this);
    kindLabel_->setObjectName("kindLabel");
    kindLabel_->setAlignment(Qt::AlignCenter);
    kindLabel_->setStyleSheet("font-weight: bold; padding: 2px;");
    layout_->addWidget(kindLabel_);

    palette_ = new QWidget(this);  // until the level editor brings the palette
    layout_->addWidget(palette_, 1);
}

void ObjectCatalogue::chooseKind(ObjectKind kind) {
    showKind(kind);
    emit kindChosen(kind);
}

void ObjectCatalogue::showKind(ObjectKind kind) {
    kind_ = kind;
    buttons_[static_cast<std::size_t>(slot(kind))]->setChecked(true);
    kindLabel_->setText(fromModel(kindCaption(kind)));
}

QString ObjectCatalogue::kindLabelText() const {
    return kindLabel_->text();
}

QToolButton* ObjectCatalogue::kindButton(ObjectKind kind) const {
    return buttons_[static_cast<std::size_t>(slot(kind))];
}

void ObjectCatalogue::setPalette(QWidget* palette) {
    const int index = layout_->indexOf(palette_);
    layout_->removeWidget(palette_);
    palette_->hide();
    palette_->deleteLater();
    palette_ = palette;
    layout_->insertWidget(index, palette_, 1);
}

void ObjectCatalogue::setCommandBar(QWidget* bar) {
    if (commandBar_ != nullptr) {
        layout_->removeWidget(commandBar_);
        commandBar_->deleteLater();
    }
    commandBar_ = bar;
    layout_->addWidget(commandBar_);
}

}  // namespace avizad
