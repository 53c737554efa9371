#include "level/ui/LevelCanvasView.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "level/LevelRenderer.h"
#include "level/ui/QtLevelPainter.h"

namespace avizad {

namespace {

constexpr int kChunk = 512;
constexpr std::size_t kMaxChunks = 48;
const QColor kOutside(150, 150, 150);

int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

QRect toQRect(const CanvasRect& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

LevelCanvasView::LevelCanvasView(ProjectDocument& document, PlacementEditor& editor,
                                 QWidget* parent)
    : QWidget(parent), document_(document), editor_(editor) {
    setObjectName("levelCanvasView");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    measure_ = FontMeasure(document_.settings().screenWidth, document_.settings().screenHeight);
    editor_.setFontMeasure(measure_);
    menu_ = new QMenu(this);
    menu_->setObjectName("placementMenu");
    menu_->addAction(QStringLiteral("Настройки объекта"), this, [this] {
        const PlacementRef& selected = editor_.selected();
        if (selected.index != 0) {
            emit editObjectRequested(selected.kind, selected.object);
        }
    });
    menu_->addAction(QStringLiteral("Удалить"), this, &LevelCanvasView::deleteSelected);

    connect(&document_, &ProjectDocument::placementsChanged, this,
            &LevelCanvasView::placementsChanged);
    connect(&document_, &ProjectDocument::typesChanged, this, [this] {
        pictures_.clear();
        looks_.clear();
        const CanvasRect frame = editor_.view().selectionFrame;
        editor_.refreshSelection(document_.project(), level());
        showSelection(frame);
        redrawAll();
    });
    // Names and order of levels do not show here; a size does. Placements that change
    // come with placementsChanged.
    connect(&document_, &ProjectDocument::levelsChanged, this, [this] {
        const int lvl = level();
        if (!shown_ || lvl == 0 || shown_->width != document_.project().levels[lvl].width ||
            shown_->height != document_.project().levels[lvl].height) {
            relayout();
            redrawAll();
        }
    });
    for (auto signal : {&ProjectDocument::projectReplaced, &ProjectDocument::screenColorChanged,
                        &ProjectDocument::settingsChanged}) {
        connect(&document_, signal, this, [this] {
            relayout();
            redrawAll();
        });
    }
    connect(&document_, &ProjectDocument::currentLevelChanged, this, [this] {
        editor_.clearSelection();
        emit selectionMoved(0, 0, true);
        relayout();
        redrawAll();
    });
    relayout();
}

int LevelCanvasView::level() const {
    const Project& project = document_.project();
    const int current = project.currentLevel;
    return current >= 1 && current <= project.levelCount ? current : 0;
}

void LevelCanvasView::relayout() {
    const int lvl = level();
    if (lvl == 0) {
        setFixedSize(1, 1);
    } else {
        const CanvasRect area =
            levelCanvasRect(document_.project().levels[lvl], editor_.view().zoom);
        setFixedSize(std::max(1, area.right), std::max(1, area.bottom));
    }
    chunks_.clear();
}

void LevelCanvasView::redrawAll() {
    chunks_.clear();
    measure_ = FontMeasure(document_.settings().screenWidth, document_.settings().screenHeight);
    const int lvl = level();
    if (lvl != 0) {
        shown_ = document_.project().levels[lvl];
    } else {
        shown_.reset();
    }
    update();
}

const QImage& LevelCanvasView::chunk(int cx, int cy) {
    const auto key = std::make_pair(cx, cy);
    auto it = chunks_.find(key);
    if (it != chunks_.end()) {
        return it->second;
    }
    if (chunks_.size() >= kMaxChunks) {
        chunks_.clear();
    }
    QImage image(kChunk, kChunk, QImage::Format_RGB32);
    image.fill(kOutside);
    {
        QPainter painter(&image);
        const QPoint origin(cx * kChunk, cy * kChunk);
        QtLevelPainter levelPainter(painter, image, -origin, editor_.view().zoom, pictures_, looks_,
                                    measure_);
        renderLevel(document_.project(), level(), document_.settings(), editor_.view(),
                    levelPainter,
                    {origin.x(), origin.y(), origin.x() + kChunk, origin.y() + kChunk},
                    RenderLayers::Backgrounds);
    }
    return chunks_.emplace(key, std::move(image)).first->second;
}

void LevelCanvasView::paintEvent(QPaintEvent* event) {
    QPainter out(this);
    const QRect exposed = event->rect();
    const int lvl = level();
    if (lvl == 0) {
        out.fillRect(exposed, kOutside);
        return;
    }
    if (buffer_.size() != exposed.size()) {
        buffer_ = QImage(exposed.size(), QImage::Format_RGB32);
    }
    {
        QPainter painter(&buffer_);
        for (int cy = floorDiv(exposed.top(), kChunk); cy <= floorDiv(exposed.bottom(), kChunk);
             ++cy) {
            for (int cx = floorDiv(exposed.left(), kChunk); cx <= floorDiv(exposed.right(), kChunk);
                 ++cx) {
                painter.drawImage(QPoint(cx * kChunk, cy * kChunk) - exposed.topLeft(),
                                  chunk(cx, cy));
            }
        }
        QtLevelPainter levelPainter(painter, buffer_, -exposed.topLeft(), editor_.view().zoom,
                                    pictures_, looks_, measure_);
        const CanvasRect clip{exposed.left(), exposed.top(), exposed.right() + 1,
                              exposed.bottom() + 1};
        renderLevel(document_.project(), lvl, document_.settings(), editor_.view(), levelPainter,
                    clip, RenderLayers::Overlay);

        // The armed type under the pointer, as it will look when placed.
        ObjectKind kind{};
        if (pointerInside_ && editor_.armedKind(lvl, kind)) {
            const PlacingState& state = editor_.state(lvl, kind);
            renderPreview(document_.project(), kind, editor_.armedObject(), state.lastX,
                          state.lastY, editor_.view().zoom, levelPainter, clip);
        }
    }
    out.drawImage(exposed.topLeft(), buffer_);
}

CanvasRect LevelCanvasView::previewRect() const {
    const int lvl = level();
    ObjectKind kind{};
    if (lvl == 0 || !editor_.armedKind(lvl, kind)) {
        return {};
    }
    const PlacingState& s = editor_.state(lvl, kind);
    return previewCanvasRect(document_.project(), kind, editor_.armedObject(), s.lastX, s.lastY,
                             editor_.view().zoom, measure_);
}

void LevelCanvasView::updateCanvas(const CanvasRect& rect) {
    if (!rect.empty()) {
        update(toQRect(rect).adjusted(-3, -3, 3, 3));
    }
}

void LevelCanvasView::placementsChanged(int changed) {
    const int lvl = level();
    if (changed != 0 && changed != lvl) {
        return;
    }
    const CanvasRect frame = editor_.view().selectionFrame;
    editor_.refreshSelection(document_.project(), lvl);
    showSelection(frame);
    if (lvl == 0 || changed == 0 || !shown_) {
        redrawAll();
        return;
    }
    const Project& project = document_.project();
    const Level& now = project.levels[lvl];
    const Level& before = *shown_;
    if (!(now.trajectories == before.trajectories)) {
        update();
    }
    const int zoom = editor_.view().zoom;
    for (ObjectKind kind : kAllKinds) {
        const PlacementList& a = before.placements(kind);
        const PlacementList& b = now.placements(kind);
        for (int i = 1; i <= std::max(a.count(), b.count()); ++i) {
            const bool inA = i <= a.count();
            const bool inB = i <= b.count();
            if (inA && inB && a[i] == b[i]) {
                continue;
            }
            for (const Placement* p : {inA ? &a[i] : nullptr, inB ? &b[i] : nullptr}) {
                if (p == nullptr) {
                    continue;
                }
                const CanvasRect rect = placementCanvasRect(project, kind, *p, zoom, measure_);
                if (kind == ObjectKind::Background) {
                    for (auto it = chunks_.begin(); it != chunks_.end();) {
                        const CanvasRect c{it->first.first * kChunk, it->first.second * kChunk,
                                           (it->first.first + 1) * kChunk,
                                           (it->first.second + 1) * kChunk};
                        it = c.intersects(rect) ? chunks_.erase(it) : std::next(it);
                    }
                }
                updateCanvas(rect);
            }
        }
    }
    shown_ = now;
}

void LevelCanvasView::showRefusal(Refusal refusal) {
    switch (refusal) {
        case Refusal::None:
            return;
        case Refusal::PlacementsFull:
            emit message(
                QStringLiteral("На уровне уже размещено столько объектов этого типа, "
                               "сколько он вмещает (фоновых и активных — 100, "
                               "индикаторов и текстов — 20)."));
            return;
        case Refusal::PointsFull:
            emit message(QStringLiteral("В траектории уже 40 точек — больше добавить нельзя."));
            return;
        case Refusal::NoTrajectory:
            emit message(QStringLiteral("Выберите номер траектории от 1 до 10."));
            return;
    }
}

void LevelCanvasView::add(const NewPlacement& made, const QString& text) {
    const int lvl = level();
    int index = 0;
    if (document_.edit(text, ProjectParts().withLevel(lvl), [&](Project& p) {
            index = addPlacement(p, lvl, made);
            return true;
        })) {
        const CanvasRect frame = editor_.view().selectionFrame;
        editor_.select(document_.project(), lvl, {made.kind, index, made.placement.object});
        showSelection(frame);
    }
}

void LevelCanvasView::moveTo(const PlacementMove& move, const QString& text, int mergeKey) {
    const int lvl = level();
    document_.edit(
        text, ProjectParts().withLevel(lvl),
        [&](Project& p) {
            movePlacement(p, lvl, move);
            return true;
        },
        mergeKey);
}

void LevelCanvasView::showSelection(const CanvasRect& frameBefore) {
    const CanvasRect& frame = editor_.view().selectionFrame;
    if (!(frameBefore == frame)) {
        updateCanvas(frameBefore);
        updateCanvas(frame);
    }
    const PlacementRef& selected = editor_.selected();
    const int lvl = level();
    if (selected.index == 0 || lvl == 0) {
        emit selectionMoved(0, 0, true);
        return;
    }
    const Placement& p = document_.project().levels[lvl].placements(selected.kind)[selected.index];
    emit selectionMoved(p.x, p.y, false);
}

void LevelCanvasView::showSnapping(bool snap) {
    if (snapShown_ == (snap ? 1 : 0)) {
        return;
    }
    snapShown_ = snap ? 1 : 0;
    emit message(snap ? QStringLiteral("Объекты ставятся и двигаются по сетке; с нажатой Alt — "
                                       "без привязки к сетке.")
                      : QStringLiteral("Alt: привязка к сетке выключена — объект ставится и "
                                       "двигается точно за указателем."));
}

void LevelCanvasView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const int zoom = editor_.view().zoom;
    emit pointerMoved(toLevel(pos.x(), zoom), toLevel(pos.y(), zoom));
    const int lvl = level();
    if (!document_.values().levelOpened || lvl == 0) {
        return;
    }
    const bool snap = !(event->modifiers() & Qt::AltModifier);
    showSnapping(snap);
    const CanvasRect previewBefore = previewRect();
    pointerInside_ = true;
    const Settings& settings = document_.settings();
    if (const auto move =
            editor_.dragTo(document_.project(), lvl, settings, pos.x(), pos.y(), snap)) {
        moveTo(*move, QStringLiteral("Перемещение размещения"), dragKey_);
    }
    editor_.track(settings, lvl, pos.x(), pos.y(), snap);
    const CanvasRect previewAfter = previewRect();
    if (!(previewBefore == previewAfter)) {
        updateCanvas(previewBefore);
        updateCanvas(previewAfter);
    }
}

void LevelCanvasView::mousePressEvent(QMouseEvent* event) {
    const int lvl = level();
    if (lvl == 0) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (editor_.view().editMode == EditMode::Trajectory) {
        Refusal refusal = Refusal::None;
        document_.edit(
            QStringLiteral("Точка траектории"), ProjectParts().withLevel(lvl),
            [&](Project& p) { return editor_.appendPoint(p, lvl, pos.x(), pos.y(), refusal); });
        showRefusal(refusal);
        emit trajectoryEdited();
        return;
    }
    const CanvasRect frame = editor_.view().selectionFrame;
    const PlacementRef hit = editor_.press(document_.project(), lvl, pos.x(), pos.y());
    if (hit.index != 0) {
        // The catalogue shows the kind of what was clicked, with its type selected.
        document_.setCurrentKind(hit.kind);
        dragKey_ = document_.newMergeKey();
    }
    document_.setSelectedObject(hit.object);
    showSelection(frame);
}

void LevelCanvasView::mouseReleaseEvent(QMouseEvent* event) {
    const int lvl = level();
    if (lvl == 0) {
        return;
    }
    const bool right = event->button() == Qt::RightButton;
    if (event->button() == Qt::LeftButton) {
        // The click: an armed type is placed at the last pointer position.
        Refusal refusal = Refusal::None;
        const CanvasRect preview = previewRect();
        if (const auto made = editor_.place(document_.project(), lvl, refusal)) {
            add(*made, QStringLiteral("Размещение объекта"));
            document_.setSelectedObject(made->placement.object);
        }
        editor_.disarm(lvl);
        showRefusal(refusal);
        updateCanvas(preview);
    } else if (right) {
        updateCanvas(previewRect());
    }
    editor_.release(lvl, right);
    dragKey_ = 0;
    if (right && editor_.selected().index != 0) {
        menu_->popup(event->globalPosition().toPoint());
    }
}

void LevelCanvasView::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const Settings& settings = document_.settings();
    const int stepX = shift && settings.gridWidth > 0 ? settings.gridWidth : 1;
    const int stepY = shift && settings.gridHeight > 0 ? settings.gridHeight : 1;
    if (event->matches(QKeySequence::Copy)) {
        copySelected();
    } else if (event->matches(QKeySequence::Paste)) {
        paste();
    } else if (event->key() == Qt::Key_Delete) {
        deleteSelected();
    } else if (event->key() == Qt::Key_Left) {
        nudgeSelected(-stepX, 0);
    } else if (event->key() == Qt::Key_Right) {
        nudgeSelected(stepX, 0);
    } else if (event->key() == Qt::Key_Up) {
        nudgeSelected(0, -stepY);
    } else if (event->key() == Qt::Key_Down) {
        nudgeSelected(0, stepY);
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void LevelCanvasView::nudgeSelected(int dx, int dy) {
    if (const auto move = editor_.nudge(document_.project(), level(), dx, dy)) {
        moveTo(*move, QStringLiteral("Перемещение размещения"));
    }
}

void LevelCanvasView::copySelected() {
    if (editor_.copySelected(document_.project(), level())) {
        emit message(QStringLiteral("Размещение скопировано: Ctrl+V ставит копию под указатель."));
    }
}

void LevelCanvasView::paste() {
    Refusal refusal = Refusal::None;
    if (const auto made = editor_.paste(document_.project(), level(), refusal)) {
        add(*made, QStringLiteral("Вставка размещения"));
    }
    showRefusal(refusal);
}

void LevelCanvasView::deleteSelected() {
    const int lvl = level();
    const PlacementRef selected = editor_.selected();
    if (lvl == 0 || selected.index == 0) {
        return;
    }
    document_.edit(QStringLiteral("Удаление размещения"), ProjectParts().withLevel(lvl),
                   [&](Project& p) { return deletePlacement(p, lvl, selected); });
    const CanvasRect frame = editor_.view().selectionFrame;
    editor_.clearSelection();
    showSelection(frame);
}

void LevelCanvasView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        const int delta = event->angleDelta().y();
        if (delta != 0) {
            emit zoomStepRequested(delta > 0 ? 1 : -1);
        }
        event->accept();
        return;
    }
    event->ignore();
}

void LevelCanvasView::leaveEvent(QEvent* event) {
    updateCanvas(previewRect());
    pointerInside_ = false;
    QWidget::leaveEvent(event);
}

}  // namespace avizad
