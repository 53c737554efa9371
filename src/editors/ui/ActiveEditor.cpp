#include "editors/ui/ActiveEditor.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

#include "editors/FrameStrip.h"
#include "editors/ObjectNames.h"
#include "editors/ui/DirectionView.h"
#include "editors/ui/FrameCell.h"
#include "editors/ui/PropertyGrid.h"
#include "editors/ui/StripView.h"
#include "events/PlayerControlEvent.h"
#include "model/ui/QtPicture.h"
#include "model/ui/QtText.h"

namespace avizad {

ActiveEditor::ActiveEditor(ProjectDocument& document, EditorHost& host, QWidget* parent)
    : EditorPanel(document, host, ObjectKind::Active, QStringLiteral("Создание активных объектов"),
                  parent) {
    QToolBar* bar = toolBar();
    openImage_ =
        bar->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton),
                       QStringLiteral("Загрузить изображение"), this, &ActiveEditor::openImage);
    bar->addSeparator();
    bar->addWidget(new QLabel(QStringLiteral(" Название объекта "), this));
    name_ = newNameField();
    name_->setMaximumWidth(200);
    bar->addWidget(name_);

    // Source strip and frame count.
    auto* top = new QHBoxLayout;
    strip_ = new StripView(this);
    connect(strip_, &StripView::pressedAt, this, &ActiveEditor::pickAt);
    top->addWidget(strip_);
    top->addWidget(new QLabel(QStringLiteral("Количество кадров"), this));
    frames_ = new QSpinBox(this);
    frames_->setRange(1, kMaxFrames);
    frames_->setValue(draft_.frameCount);
    connect(frames_, &QSpinBox::valueChanged, this, [this](int n) {
        draft_.frameCount = n;
        renewal();
    });
    top->addWidget(frames_);
    top->addStretch();
    body()->addLayout(top);

    // Direction, state, sequence and preview.
    auto* middle = new QHBoxLayout;
    direction_ = new DirectionView(this);
    connect(direction_, &DirectionView::directionChosen, this, [this](Direction d) {
        draft_.direction = d;
        renewal();
    });
    middle->addWidget(direction_);
    states_ = new QListWidget(this);
    states_->addItems({QStringLiteral("Спокойствие"), QStringLiteral("Перемещение"),
                       QStringLiteral("Атака"), QStringLiteral("Уничтожение")});
    states_->setFixedSize(120, 129);
    connect(states_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            draft_.state = static_cast<AnimationState>(row + 1);
            renewal();
        }
    });
    middle->addWidget(states_);
    auto* sequence = new QGroupBox(QStringLiteral("Анимационная последовательность"), this);
    auto* cellsRow = new QHBoxLayout(sequence);
    for (int p = 1; p <= kAnimationSteps; ++p) {
        cells_[p - 1] = new FrameCell(57, sequence);
        cells_[p - 1]->setToolTip(QStringLiteral("Позиция %1").arg(p));
        connect(cells_[p - 1], &FrameCell::clicked, this, [this, p] { assignCell(p); });
        cellsRow->addWidget(cells_[p - 1]);
    }
    middle->addWidget(sequence);
    auto* previewBox = new QGroupBox(QStringLiteral("Просмотр"), this);
    auto* previewLayout = new QVBoxLayout(previewBox);
    preview_ = new FrameCell(80, previewBox);
    preview_->setToolTip(QStringLiteral("Анимация выбранного состояния и направления, как в игре"));
    previewLayout->addWidget(preview_);
    middle->addWidget(previewBox);
    middle->addStretch();
    body()->addLayout(middle);

    // Speeds, control type, transparency, properties.
    auto* bottom = new QHBoxLayout;
    auto* speeds = new QGroupBox(QStringLiteral("Скорости"), this);
    auto* speedForm = new QFormLayout(speeds);
    const QString speedCaptions[] = {QStringLiteral("Перемещения"), QStringLiteral("Разгона"),
                                     QStringLiteral("Торможения")};
    for (int i = 0; i < 3; ++i) {
        speeds_[i] = new QSpinBox(speeds);
        speeds_[i]->setRange(1, 10);
        speedForm->addRow(speedCaptions[i], speeds_[i]);
    }
    bottom->addWidget(speeds);
    control_ = new QGroupBox(this);
    control_->setObjectName("controlGroup");
    auto* control = control_;
    auto* controlLayout = new QVBoxLayout(control);
    controlGroup_ = new QButtonGroup(this);
    const QString controlCaptions[] = {QStringLiteral("нет"), QStringLiteral("Человек ВВ"),
                                       QStringLiteral("Человек ВС"), QStringLiteral("Автомобиль")};
    for (int i = 0; i <= 3; ++i) {
        controls_[i] = new QRadioButton(controlCaptions[i], control);
        controlGroup_->addButton(controls_[i], i);
        controlLayout->addWidget(controls_[i]);
    }
    connect(controlGroup_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) {
            refreshControlHint();
        }
    });
    // The control type alone does not make the object obey the keys: the game needs the
    // mode "управление игроком", set by an event.
    controlHint_ = new QLabel(control);
    controlHint_->setObjectName("controlHint");
    controlHint_->setWordWrap(true);
    controlHint_->setMaximumWidth(260);
    controlLayout->addWidget(controlHint_);
    addControlEvent_ = new QPushButton(QStringLiteral("Добавить событие"), control);
    addControlEvent_->setObjectName("addControlEvent");
    connect(addControlEvent_, &QPushButton::clicked, this, &ActiveEditor::addControlEvent);
    controlLayout->addWidget(addControlEvent_);
    transparent_ = new QCheckBox(QStringLiteral("сделать фон прозрачным"), control);
    transparent_->setToolTip(QStringLiteral("Цвет точки (1, 1) картинки в игре прозрачен"));
    controlLayout->addWidget(transparent_);
    // The previews show the backdrop as the game will.
    connect(transparent_, &QCheckBox::toggled, this, [this](bool on) {
        draft_.transparentBackground = on;
        showStrip();
        renewal();
    });
    bottom->addWidget(control);
    auto* props = new QVBoxLayout;
    props->addWidget(new QLabel(QStringLiteral("Свойства объекта"), this));
    props->addWidget(propertyGrid());
    bottom->addLayout(props);
    bottom->addStretch();
    body()->addLayout(bottom);
    body()->addStretch();

    timer_.setInterval(kGameFrameMs);
    connect(&timer_, &QTimer::timeout, this, &ActiveEditor::advancePreview);
    connect(&document, &ProjectDocument::eventsChanged, this, &ActiveEditor::refreshControlHint);
    connect(&document, &ProjectDocument::currentLevelChanged, this,
            &ActiveEditor::refreshControlHint);
    setPickingEnabled(false);
    reset();
}

void ActiveEditor::setPickingEnabled(bool enabled) {
    direction_->setEnabled(enabled);
    states_->setEnabled(enabled);
}

void ActiveEditor::reset() {
    draft_.startNew(newObjectName(document().project(), ObjectKind::Active));
    showDraft();
    setPickingEnabled(false);
}

void ActiveEditor::load(int index) {
    const Project& project = document().project();
    draft_.open(project.actives[index],
                project.levels[controlTypeLevel(project)].controlType[index]);
    showDraft();
    setPickingEnabled(true);
}

void ActiveEditor::showDraft() {
    controls_[std::clamp(draft_.controlType, 0, 3)]->setChecked(true);
    speeds_[0]->setValue(draft_.moveSpeed);
    speeds_[1]->setValue(draft_.acceleration);
    speeds_[2]->setValue(draft_.braking);
    frames_->blockSignals(true);
    frames_->setValue(draft_.frameCount);
    frames_->blockSignals(false);
    name_->setText(fromModel(draft_.name));
    transparent_->blockSignals(true);
    transparent_->setChecked(draft_.transparentBackground);
    transparent_->blockSignals(false);
    propertyGrid()->setTexts(draft_.propertyNames, draft_.propertyValues);
    direction_->reset();
    states_->blockSignals(true);
    states_->setCurrentRow(0);
    states_->blockSignals(false);
    showStrip();
    renewal();
    refreshControlHint();
}

void ActiveEditor::refreshControlHint() {
    const Project& project = document().project();
    control_->setTitle(QStringLiteral("Управление на уровне %1").arg(controlTypeLevel(project)));
    const bool controlled = controlGroup_->checkedId() > 0;
    const int index = editedIndex();
    const bool exists =
        index >= 1 && index <= project.activeCount && hasPlayerControlEvent(project, index);
    controlHint_->setVisible(controlled);
    addControlEvent_->setVisible(controlled && !exists);
    addControlEvent_->setEnabled(index >= 1 && index <= project.activeCount);
    addControlEvent_->setToolTip(
        addControlEvent_->isEnabled()
            ? QStringLiteral("Добавляет событие «Начало уровня → режим: управление игроком» "
                             "для этого объекта")
            : QStringLiteral("Событие можно добавить, когда объект создан: откройте его "
                             "снова («Настройки» в каталоге)"));
    controlHint_->setText(
        exists ? QStringLiteral("Событие «Начало уровня → режим: управление игроком» для этого "
                                "объекта есть: он слушается клавиш.")
               : QStringLiteral("Чтобы объект слушался клавиш, в игре нужно событие «Начало "
                                "уровня → режим: управление игроком»."));
}

void ActiveEditor::addControlEvent() {
    const int index = editedIndex();
    document().edit(QStringLiteral("Добавление события"), ProjectParts().withAllEvents(),
                    [index](Project& p) { return addPlayerControlEvent(p, index); });
    refreshControlHint();
}

void ActiveEditor::openImage() {
    const QString file = askImageFile();
    if (!file.isEmpty()) {
        loadImageFile(file);
    }
}

void ActiveEditor::loadImageFile(const QString& file) {
    Image image;
    if (readImage(file, image)) {
        draft_.strip = std::move(image);
        showStrip();
        setPickingEnabled(true);
        renewal();
    }
}

void ActiveEditor::showStrip() {
    shown_ = draft_.shownStrip();
    strip_->setStrip(toQImage(shown_));
}

void ActiveEditor::pickAt(int x) {
    if (draft_.hasImage()) {
        draft_.pickedFrame =
            pickFrame(x, draft_.strip.width(), draft_.strip.height(), draft_.frameCount);
    }
}

void ActiveEditor::assignCell(int position) {
    draft_.assign(position);
    renewal();
}

void ActiveEditor::renewal() {
    const int frameTotal = draft_.frameCount;
    for (int p = 1; p <= kAnimationSteps; ++p) {
        const int f = draft_.frameAt(p);
        cells_[p - 1]->setFrame(
            draft_.hasImage() && f >= 1 ? toQImage(frameImage(shown_, frameTotal, f)) : QImage());
    }
    sequence_ = gameSequence(draft_.animation, draft_.direction, draft_.state);
    previewStep_ = 0;
    preview_->setFrame(draft_.hasImage()
                           ? toQImage(frameImage(shown_, frameTotal, sequence_.front() + 1))
                           : QImage());
    if (draft_.hasImage() && sequence_.size() > 1 && isVisible()) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

void ActiveEditor::showEvent(QShowEvent* event) {
    EditorPanel::showEvent(event);
    renewal();
}

void ActiveEditor::hideEvent(QHideEvent* event) {
    EditorPanel::hideEvent(event);
    timer_.stop();
}

void ActiveEditor::advancePreview() {
    if (!draft_.hasImage() || sequence_.empty()) {
        return;
    }
    previewStep_ = (previewStep_ + 1) % sequence_.size();
    preview_->setFrame(
        toQImage(frameImage(shown_, draft_.frameCount, sequence_[previewStep_] + 1)));
}

int ActiveEditor::previewFrame() const {
    if (!draft_.hasImage() || sequence_.empty()) {
        return -1;
    }
    return sequence_[previewStep_];
}

QString ActiveEditor::missingContent() const {
    return draft_.hasImage() ? QString()
                             : QStringLiteral("Сначала загрузите изображение с кадрами объекта.");
}

bool ActiveEditor::takeControls() {
    draft_.name = toModel(name_->text());
    draft_.moveSpeed = speeds_[0]->value();
    draft_.acceleration = speeds_[1]->value();
    draft_.braking = speeds_[2]->value();
    draft_.transparentBackground = transparent_->isChecked();
    draft_.controlType = std::max(0, controlGroup_->checkedId());
    draft_.propertyNames = propertyGrid()->texts(true);
    draft_.propertyValues = propertyGrid()->texts(false);
    return true;
}

ProjectParts ActiveEditor::partsToStore() const {
    return ProjectParts()
        .withTypes(ObjectKind::Active)
        .withLevel(controlTypeLevel(document().project()));
}

void ActiveEditor::storeInto(Project& p, int index) const {
    draft_.storeInto(p.actives[index]);
    p.levels[controlTypeLevel(p)].controlType[index] = draft_.controlType;
}

}  // namespace avizad
