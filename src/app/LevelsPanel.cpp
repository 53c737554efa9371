#include "app/LevelsPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/LevelList.h"
#include "document/ProjectDocument.h"
#include "model/LevelOperations.h"
#include "shell/AppIcons.h"

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

LevelsPanel::LevelsPanel(ProjectDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
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

    list_ = new LevelList(document_.project(), this);
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

    connect(&document_, &ProjectDocument::levelsChanged, this, &LevelsPanel::refresh);
    connect(&document_, &ProjectDocument::projectReplaced, this, &LevelsPanel::refresh);
    // The marker follows a chosen level and stays where it is when none is chosen.
    connect(&document_, &ProjectDocument::currentLevelChanged, this, [this](int level) {
        if (level >= 1) {
            list_->setMarker(level);
        }
        list_->refresh();
    });
}

void LevelsPanel::refresh() {
    list_->refresh();
}

void LevelsPanel::chooseLevel(int level) {
    if (level < 1 || level > document_.project().levelCount) {
        return;
    }
    document_.setPanelLevel(level);
    document_.setLevelOpened();
    list_->setMarker(level);
    document_.setCurrentLevel(level);
}

void LevelsPanel::openLevel(int level) {
    chooseLevel(level);
    if (document_.project().currentLevel == level) {
        emit openCanvasRequested(level);
    }
}

void LevelsPanel::moveUp() {
    const int level = document_.project().currentLevel;
    if (level == 1) {
        // The first level stays where it is; only the choice of a level ends.
        document_.setCurrentLevel(0);
        document_.setLevelOpened();
        return;
    }
    if (document_.edit(QStringLiteral("Перемещение уровня"), ProjectParts().withAllLevels(),
                       [](Project& p) { return avizad::moveLevelUp(p); })) {
        document_.setLevelOpened();
    }
}

void LevelsPanel::moveDown() {
    const int level = document_.project().currentLevel;
    if (level >= 1 && level == document_.project().levelCount) {
        document_.setCurrentLevel(0);
        document_.setLevelOpened();
        return;
    }
    if (document_.edit(QStringLiteral("Перемещение уровня"), ProjectParts().withAllLevels(),
                       [](Project& p) { return avizad::moveLevelDown(p); })) {
        document_.setLevelOpened();
    }
}

void LevelsPanel::deleteLevel() {
    document_.edit(QStringLiteral("Удаление уровня"), ProjectParts().withAllLevels(),
                   [](Project& p) { return avizad::deleteLevel(p); });
}

void LevelsPanel::editProperties() {
    const int level = document_.project().currentLevel;
    if (level < 1 || level > document_.project().levelCount) {
        return;
    }
    document_.setLevelOpened();
    emit propertiesRequested(level);
}

}  // namespace avizad
