#include "events/ui/ConditionPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include "editors/ObjectNames.h"
#include "events/ui/CatalogueMenus.h"
#include "events/ui/EventIcons.h"
#include "model/ui/QtText.h"

namespace avizad {

namespace {

std::size_t slot(ObjectKind kind) {
    return static_cast<std::size_t>(kind) - 1;
}

}  // namespace

ConditionPanel::ConditionPanel(const Project& project, QWidget* parent)
    : QWidget(parent), project_(project) {
    setObjectName("conditionPanel");
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto* general =
        new QGroupBox(QString::fromUtf8(ConditionCatalogue::generalGroupCaption()), this);
    auto* pictures = new QHBoxLayout(general);
    pictures->setContentsMargins(5, 4, 5, 4);
    pictures->setSpacing(17);
    for (int k = 1; k <= ConditionCatalogue::kCategoryCount; ++k) {
        auto* button = new QToolButton(general);
        button->setIcon(EventIcons::icon(EventIcons::category(k)));
        button->setIconSize(QSize(31, 31));
        button->setFixedSize(33, 33);
        button->setAutoRaise(true);
        button->setObjectName(QStringLiteral("category%1").arg(k));
        button->setToolTip(QString::fromUtf8(ConditionCatalogue::categoryHint(k)));
        // A category without a single condition cannot be opened.
        const CatalogueMenu menu = ConditionCatalogue::menu(ConditionCatalogue::categoryMenu(k));
        bool any = false;
        for (std::size_t i = 0; i < menu.size(); ++i) {
            any = any ||
                  (menu[i].addsSomething() && !entryHidden(menu, i) && !entryDisabled(menu, i));
        }
        button->setEnabled(any);
        categories_[static_cast<std::size_t>(k - 1)] = button;
        pictures->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, k] { openCategory(k); });
    }
    pictures->addStretch(1);
    layout->addWidget(general);

    auto* groups = new QGridLayout;
    groups->setSpacing(4);
    int place = 0;
    for (const ConditionListGroup& group : ConditionCatalogue::listGroups()) {
        auto* box = new QGroupBox(QString::fromUtf8(group.caption), this);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(4, 2, 4, 4);
        auto* list = new QComboBox(box);
        list->setPlaceholderText(QString::fromUtf8(group.prompt));
        list->setMinimumWidth(110);
        boxLayout->addWidget(list);
        lists_[slot(group.kind)] = list;
        groups->addWidget(box, place / 2, place % 2);
        ++place;
        const ObjectKind kind = group.kind;
        connect(list, &QComboBox::activated, this,
                [this, kind](int index) { openObject(kind, index + 1); });
    }
    layout->addLayout(groups);
    layout->addStretch(1);
    setMinimumWidth(263);
}

QComboBox* ConditionPanel::list(ObjectKind kind) const {
    return lists_[slot(kind)];
}

void ConditionPanel::start() {
    if (menu_ != nullptr) {
        menu_->close();
    }
    for (const ObjectKind kind : kAllKinds) {
        QComboBox* box = list(kind);
        box->clear();
        for (int i = 1; i <= project_.typeCount(kind); ++i) {
            box->addItem(fromModel(objectTypeName(project_, kind, i)));
        }
        box->setCurrentIndex(-1);
    }
}

QMenu* ConditionPanel::popup(ConditionMenu which, int n, ObjectKind kind, const QPoint& at) {
    if (menu_ != nullptr) {
        menu_->close();
        menu_->deleteLater();
    }
    menu_ = new QMenu(this);
    menu_->setObjectName("conditionMenu");
    CatalogueMenus::fill(
        menu_, ConditionCatalogue::menu(which),
        [this, n, kind](const CatalogueEntry& entry) { emit entryChosen(&entry, n, kind); });
    menu_->popup(at);
    return menu_;
}

QMenu* ConditionPanel::openCategory(int k) {
    QToolButton* button = categoryButton(k);
    return popup(ConditionCatalogue::categoryMenu(k), 0, ObjectKind::Background,
                 button->mapToGlobal(QPoint(0, button->height())));
}

QMenu* ConditionPanel::openObject(ObjectKind kind, int n) {
    QComboBox* box = list(kind);
    return popup(ConditionCatalogue::objectMenu(kind), n, kind,
                 box->mapToGlobal(QPoint(0, box->height())));
}

}  // namespace avizad
