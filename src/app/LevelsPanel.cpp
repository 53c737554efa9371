#include "app/LevelsPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/AppIcons.h"
#include "app/LevelList.h"
#include "model/LevelOperations.h"

namespace avizad {

namespace {

QToolButton* toolButton(QWidget* parent, AppIcon icon, const char* hint, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setIcon(AppIcons::icon(icon));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setToolTip(QString::fromUtf8(hint));
    button->setStatusTip(QString::fromUtf8(hint));
    return button;
}

}  // namespace

LevelsPanel::LevelsPanel(Project& project, WorkingValues& values, QWidget* parent)
    : QWidget(parent), project_(project), values_(values) {
    setObjectName("levelsPanel");
    setFixedWidth(kWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto* title = new QLabel(QStringLiteral("Уровни"), this);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet("background: #3a62aa; color: white; font-weight: bold; padding: 3px;");
    layout->addWidget(title);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(2);
    propertiesButton_ =
        toolButton(this, AppIcon::LevelProperties, "Свойства уровня", "levelProperties");
    upButton_ = toolButton(this, AppIcon::MoveUp, "Переместить уровень вверх", "levelUp");
    downButton_ = toolButton(this, AppIcon::MoveDown, "Переместить уровень вниз", "levelDown");
    deleteButton_ = toolButton(this, AppIcon::Delete, "Удалить уровень", "levelDelete");
    for (QToolButton* b : {propertiesButton_, upButton_, downButton_, deleteButton_}) {
        bar->addWidget(b);
    }
    bar->addStretch(1);
    layout->addLayout(bar);

    list_ = new LevelList(project_, this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(list_);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(scroll, 1);

    connect(list_, &LevelList::levelClicked, this, &LevelsPanel::chooseLevel);
    connect(list_, &LevelList::levelDoubleClicked, this, &LevelsPanel::openLevel);
    connect(propertiesButton_, &QToolButton::clicked, this, &LevelsPanel::editProperties);
    connect(upButton_, &QToolButton::clicked, this, &LevelsPanel::moveUp);
    connect(downButton_, &QToolButton::clicked, this, &LevelsPanel::moveDown);
    connect(deleteButton_, &QToolButton::clicked, this, &LevelsPanel::deleteLevel);
}

void LevelsPanel::pereris() {
    list_->pereris();
}

void LevelsPanel::chooseLevel(int level) {
    if (level < 1 || level > project_.levelCount) {
        return;
    }
    project_.currentLevel = level;
    values_.panelLevel = level;
    values_.levelOpened = true;
    list_->setMarker(level);
    emit levelChosen(level);
}

void LevelsPanel::openLevel(int level) {
    chooseLevel(level);
    if (project_.currentLevel == level) {
        emit openCanvasRequested(level);
    }
}

void LevelsPanel::moveUp() {
    if (avizad::moveLevelUp(project_)) {
        values_.levelOpened = true;
        pereris();
        emit levelsChanged();
    }
}

void LevelsPanel::moveDown() {
    if (avizad::moveLevelDown(project_)) {
        values_.levelOpened = true;
        pereris();
        emit levelsChanged();
    }
}

void LevelsPanel::deleteLevel() {
    if (avizad::deleteLevel(project_)) {
        pereris();
        emit levelsChanged();
    }
}

void LevelsPanel::editProperties() {
    const int level = project_.currentLevel;
    if (level < 1 || level > project_.levelCount) {
        return;
    }
    values_.levelOpened = true;
    emit propertiesRequested(level);
}

}  // namespace avizad
