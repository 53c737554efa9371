#include "level/ui/LevelCanvasPanel.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "level/ui/LevelCanvasView.h"

namespace avizad {

namespace {

QString readout(const char* name, int x, int y) {
    return QStringLiteral("%1(Х:%2 ;Y:%3 )").arg(QString::fromUtf8(name)).arg(x).arg(y);
}

}  // namespace

LevelCanvasPanel::LevelCanvasPanel(ProjectDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setObjectName("levelCanvasPanel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* title = new QLabel(QStringLiteral("Размещение объектов"), this);
    title->setStyleSheet("background: #3a62aa; color: white; font-weight: bold; padding: 3px;");
    layout->addWidget(title);
    layout->addWidget(buildToolbar());
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(buildView(), 1);
    row->addWidget(buildTrajectoryPanel());
    layout->addLayout(row, 1);
    connectToolbar();
    connectView();
    connectTrajectoryPanel();
}

QToolBar* LevelCanvasPanel::buildToolbar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName("canvasToolbar");
    grid_ = bar->addAction(QStringLiteral("Сетка"));
    grid_->setCheckable(true);
    grid_->setToolTip(QStringLiteral("Показать или скрыть сетку"));
    trajectory_ = bar->addAction(QStringLiteral("Траектории"));
    trajectory_->setCheckable(true);
    trajectory_->setToolTip(QStringLiteral("Редактирование траекторий"));
    bar->addSeparator();
    bar->addWidget(new QLabel(QStringLiteral(" Масштаб "), bar));
    zoomSlider_ = new QSlider(Qt::Horizontal, bar);
    zoomSlider_->setRange(0, 100);
    zoomSlider_->setValue(50);
    zoomSlider_->setFixedWidth(140);
    bar->addWidget(zoomSlider_);
    zoomBox_ = new QSpinBox(bar);
    zoomBox_->setObjectName("zoomBox");
    zoomBox_->setRange(kMinZoom, kMaxZoom);
    zoomBox_->setSuffix(QStringLiteral(" %"));
    zoomBox_->setValue(100);
    zoomBox_->setKeyboardTracking(false);  // a typed percentage applies when complete
    zoomBox_->setToolTip(QStringLiteral("Масштаб: введите число от %1 до %2 или Ctrl + колесо "
                                        "мыши над полем уровня")
                             .arg(kMinZoom)
                             .arg(kMaxZoom));
    bar->addWidget(zoomBox_);
    bar->addSeparator();
    mouse_ = new QLabel(QStringLiteral("Мышь(Х: ;Y: )"), bar);
    mouse_->setObjectName("mouseReadout");
    mouse_->setMinimumWidth(130);
    bar->addWidget(mouse_);
    selection_ = new QLabel(QStringLiteral("ВО(Х: ;Y: )"), bar);
    selection_->setObjectName("selectionReadout");
    bar->addWidget(selection_);
    return bar;
}

QScrollArea* LevelCanvasPanel::buildView() {
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("canvasScroll");
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new LevelCanvasView(document_, editor_, scroll_);
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return scroll_;
}

QGroupBox* LevelCanvasPanel::buildTrajectoryPanel() {
    trajectoryPanel_ = new QGroupBox(QStringLiteral("Траектории"), this);
    trajectoryPanel_->setObjectName("trajectoryPanel");
    auto* form = new QVBoxLayout(trajectoryPanel_);
    form->addWidget(new QLabel(QStringLiteral("номер траектории"), trajectoryPanel_));
    number_ = new QSpinBox(trajectoryPanel_);
    number_->setRange(1, kEditableTrajectories);
    number_->setValue(editor_.view().currentTrajectory);
    form->addWidget(number_);
    form->addWidget(new QLabel(QStringLiteral("начальная точка"), trajectoryPanel_));
    point_ = new QSpinBox(trajectoryPanel_);
    form->addWidget(point_);
    form->addWidget(new QLabel(QStringLiteral("направления"), trajectoryPanel_));
    for (QSpinBox*& box : directions_) {
        box = new QSpinBox(trajectoryPanel_);
        box->setRange(0, 0);
        form->addWidget(box);
    }
    deleteLast_ = new QPushButton(QStringLiteral("удалить последнюю точку"), trajectoryPanel_);
    form->addWidget(deleteLast_);
    form->addStretch(1);
    trajectoryPanel_->setFixedWidth(170);
    trajectoryPanel_->hide();
    return trajectoryPanel_;
}

void LevelCanvasPanel::connectToolbar() {
    connect(grid_, &QAction::toggled, this, [this](bool on) {
        editor_.view().showGrid = on;
        view_->redrawAll();
    });
    connect(trajectory_, &QAction::toggled, this, &LevelCanvasPanel::showTrajectoryPanel);
    connect(zoomSlider_, &QSlider::valueChanged, this,
            [this](int position) { setZoom(zoomFromSlider(position)); });
    connect(zoomBox_, &QSpinBox::valueChanged, this, &LevelCanvasPanel::setZoom);
}

void LevelCanvasPanel::connectView() {
    connect(view_, &LevelCanvasView::zoomStepRequested, this,
            [this](int steps) { zoomSlider_->setValue(zoomSlider_->value() + 2 * steps); });
    connect(view_, &LevelCanvasView::pointerMoved, this,
            [this](int x, int y) { mouse_->setText(readout("Мышь", x, y)); });
    connect(view_, &LevelCanvasView::selectionMoved, this, [this](int x, int y, bool cleared) {
        selection_->setText(cleared ? QStringLiteral("ВО(Х: ;Y: )") : readout("ВО", x, y));
    });
    connect(view_, &LevelCanvasView::message, this, &LevelCanvasPanel::message);
    connect(view_, &LevelCanvasView::trajectoryEdited, this,
            &LevelCanvasPanel::refreshTrajectoryBoxes);
}

void LevelCanvasPanel::connectTrajectoryPanel() {
    connect(number_, &QSpinBox::valueChanged, this, [this](int value) {
        Refusal refusal = Refusal::None;
        if (editor_.chooseTrajectory(value, refusal)) {
            refreshing_ = true;
            point_->setValue(0);
            for (QSpinBox* box : directions_) {
                box->setValue(0);
            }
            refreshing_ = false;
            refreshTrajectoryBoxes();
            view_->update();
        }
    });
    connect(point_, &QSpinBox::valueChanged, this, &LevelCanvasPanel::showPoint);
    for (int i = 0; i < 3; ++i) {
        connect(directions_[i], &QSpinBox::valueChanged, this, [this, i](int value) {
            const int lvl = view_->level();
            if (refreshing_ || lvl == 0) {
                return;
            }
            const int point = point_->value();
            document_.edit(
                QStringLiteral("Направление точки траектории"), ProjectParts().withLevel(lvl),
                [&](Project& p) { return editor_.setDirection(p, lvl, point, i + 1, value); });
        });
    }
    connect(deleteLast_, &QPushButton::clicked, this, [this] {
        const int lvl = view_->level();
        if (lvl == 0) {
            return;
        }
        document_.edit(QStringLiteral("Удаление точки траектории"), ProjectParts().withLevel(lvl),
                       [&](Project& p) { return editor_.deleteLastPoint(p, lvl); });
        refreshTrajectoryBoxes();
    });
    connect(&document_, &ProjectDocument::placementsChanged, this,
            &LevelCanvasPanel::refreshTrajectoryBoxes);
    connect(&document_, &ProjectDocument::currentLevelChanged, this,
            &LevelCanvasPanel::refreshTrajectoryBoxes);
}

void LevelCanvasPanel::arm(ObjectKind kind, int object) {
    const int lvl = view_->level();
    if (lvl == 0) {
        return;
    }
    editor_.arm(document_.project(), lvl, kind, object);
    view_->update();
}

void LevelCanvasPanel::setZoom(int zoom) {
    QScrollBar* h = scroll_->horizontalScrollBar();
    QScrollBar* v = scroll_->verticalScrollBar();
    const int oldZoom = editor_.view().zoom;
    // Keep the level point at the centre of the viewport where it was.
    const QSize viewport = scroll_->viewport()->size();
    const int centreX = toLevel(h->value() + viewport.width() / 2, oldZoom);
    const int centreY = toLevel(v->value() + viewport.height() / 2, oldZoom);
    if (zoom == oldZoom) {
        return;
    }
    editor_.view().zoom = zoom;
    editor_.refreshSelection(document_.project(), view_->level());
    // The slider and the box show the zoom, without starting another change.
    const QSignalBlocker blockSlider(zoomSlider_);
    const QSignalBlocker blockBox(zoomBox_);
    zoomSlider_->setValue(sliderFromZoom(zoom));
    zoomBox_->setValue(zoom);
    view_->relayout();
    view_->redrawAll();
    h->setValue(toCanvas(centreX, zoom) - viewport.width() / 2);
    v->setValue(toCanvas(centreY, zoom) - viewport.height() / 2);
}

void LevelCanvasPanel::showTrajectoryPanel(bool shown) {
    trajectoryPanel_->setVisible(shown);
    editor_.view().editMode = shown ? EditMode::Trajectory : EditMode::Normal;
    if (shown) {
        Refusal refusal = Refusal::None;
        editor_.chooseTrajectory(number_->value(), refusal);
        editor_.view().selectionFrame = {};
    }
    refreshTrajectoryBoxes();
    view_->update();
}

void LevelCanvasPanel::refreshTrajectoryBoxes() {
    const int lvl = view_->level();
    const int t = editor_.view().currentTrajectory;
    int count = 0;
    if (lvl != 0 && t >= 1 && t <= kEditableTrajectories) {
        count = document_.project().levels[lvl].trajectories[t].pointCount();
    }
    refreshing_ = true;
    point_->setRange(0, count);
    refreshing_ = false;
    showPoint(point_->value());
}

void LevelCanvasPanel::showPoint(int point) {
    const int lvl = view_->level();
    const int t = editor_.view().currentTrajectory;
    const TrajectoryPoint* p = nullptr;
    if (lvl != 0 && t >= 1 && t <= kEditableTrajectories && point >= 1 &&
        point <= document_.project().levels[lvl].trajectories[t].pointCount()) {
        p = &document_.project().levels[lvl].trajectories[t].points[point];
    }
    const bool wasRefreshing = refreshing_;
    refreshing_ = true;
    const int values[3] = {p ? p->d1 : 0, p ? p->d2 : 0, p ? p->d3 : 0};
    const int count = point_->maximum();
    for (int i = 0; i < 3; ++i) {
        // The direction boxes hold point numbers of the trajectory (0 = none).
        directions_[i]->setRange(0, std::max(count, values[i]));
        directions_[i]->setValue(values[i]);
        directions_[i]->setEnabled(p != nullptr);
    }
    refreshing_ = wasRefreshing;
}

}  // namespace avizad
