#include "level/PlacementEditor.h"

#include "level/LevelGeometry.h"

namespace avizad {

namespace {

std::size_t kindSlot(ObjectKind kind) {
    return static_cast<std::size_t>(kind) - 1;
}

bool validLevel(const Project& project, int level) {
    return level >= 1 && level <= project.levelCount;
}

const FontMeasure& fixedMeasure() {
    static const FontMeasure measure;
    return measure;
}

}  // namespace

PlacementEditor::PlacementEditor() : measure_(&fixedMeasure()) {
    view_.currentTrajectory = 1;
}

PlacingState& PlacementEditor::state(int level, ObjectKind kind) {
    return states_.at(static_cast<std::size_t>(level)).at(kindSlot(kind));
}

const PlacingState& PlacementEditor::state(int level, ObjectKind kind) const {
    return states_.at(static_cast<std::size_t>(level)).at(kindSlot(kind));
}

void PlacementEditor::pointer(const Settings& settings, int zoom, int X, int Y, bool snap, int& x,
                              int& y) {
    x = toLevel(X, zoom);
    y = toLevel(Y, zoom);
    if (snap) {
        x = snapToGrid(x, settings.gridWidth);
        y = snapToGrid(y, settings.gridHeight);
    }
}

void PlacementEditor::arm(const Project& project, int level, ObjectKind kind, int object) {
    if (!validLevel(project, level) || object < 1 || object > project.typeCount(kind)) {
        return;
    }
    disarm(level);
    PlacingState& s = state(level, kind);
    s.armed = true;
    armedObject_ = object;
    switch (kind) {
        case ObjectKind::Background:
            s.armedName = project.backgrounds[object].name;
            break;
        case ObjectKind::Active:
            s.armedName = project.actives[object].name;
            break;
        case ObjectKind::Indicator:
            s.armedName = project.indicators[object].name;
            break;
        case ObjectKind::Text:
            s.armedName.clear();
            break;
    }
}

void PlacementEditor::disarm(int level) {
    for (ObjectKind kind : kAllKinds) {
        state(level, kind).armed = false;
    }
}

bool PlacementEditor::armedKind(int level, ObjectKind& kind) const {
    for (ObjectKind k : kCanvasOrder) {
        if (state(level, k).armed) {
            kind = k;
            return true;
        }
    }
    return false;
}

bool PlacementEditor::dragging(int level) const {
    for (ObjectKind k : kAllKinds) {
        if (state(level, k).dragIndex != 0) {
            return true;
        }
    }
    return false;
}

void PlacementEditor::track(const Settings& settings, int level, int X, int Y, bool snap) {
    if (level < 1 || level > kMaxLevels) {
        return;
    }
    int x = 0, y = 0;
    pointer(settings, view_.zoom, X, Y, snap, x, y);
    for (ObjectKind kind : kCanvasOrder) {
        state(level, kind).lastX = x;
        state(level, kind).lastY = y;
    }
}

std::optional<PlacementMove> PlacementEditor::dragTo(const Project& project, int level,
                                                     const Settings& settings, int X, int Y,
                                                     bool snap) const {
    if (!validLevel(project, level)) {
        return std::nullopt;
    }
    int x = 0, y = 0;
    pointer(settings, view_.zoom, X, Y, snap, x, y);
    for (ObjectKind kind : kCanvasOrder) {
        const PlacingState& s = state(level, kind);
        const PlacementList& list = project.levels[level].placements(kind);
        if (s.dragIndex >= 1 && s.dragIndex <= list.count() && (x != s.lastX || y != s.lastY)) {
            const Placement& p = list[s.dragIndex];
            return PlacementMove{
                {kind, s.dragIndex, p.object}, p.x + x - s.lastX, p.y + y - s.lastY};
        }
    }
    return std::nullopt;
}

PlacementRef PlacementEditor::placementAt(const Project& project, int level, int X, int Y) const {
    PlacementRef top;
    for (ObjectKind kind : kCanvasOrder) {
        const PlacementList& list = project.levels[level].placements(kind);
        for (int i = 1; i <= list.count(); ++i) {
            if (hits(list[i], hitBox(project, kind, list[i], *measure_), view_.zoom, X, Y)) {
                top = {kind, i, list[i].object};
            }
        }
    }
    return top;
}

PlacementRef PlacementEditor::press(const Project& project, int level, int X, int Y) {
    if (!validLevel(project, level) || view_.editMode != EditMode::Normal) {
        return {};
    }
    for (ObjectKind other : kAllKinds) {
        state(level, other).dragIndex = 0;
    }
    const PlacementRef hit = placementAt(project, level, X, Y);
    if (hit.index == 0) {
        clearSelection();
        return hit;
    }
    state(level, hit.kind).dragIndex = hit.index;
    select(project, level, hit);
    return hit;
}

std::optional<NewPlacement> PlacementEditor::place(const Project& project, int level,
                                                   Refusal& refusal) const {
    refusal = Refusal::None;
    ObjectKind kind{};
    if (!validLevel(project, level) || !armedKind(level, kind) || armedObject_ < 1 ||
        armedObject_ > project.typeCount(kind)) {
        return std::nullopt;  // nothing armed, or the type went away since it was armed
    }
    if (project.levels[level].placements(kind).full()) {
        refusal = Refusal::PlacementsFull;
        return std::nullopt;
    }
    const PlacingState& s = state(level, kind);
    NewPlacement made{kind, {}};
    Placement& p = made.placement;
    p.x = s.lastX;
    p.y = s.lastY;
    p.object = armedObject_;
    if (kind == ObjectKind::Background || kind == ObjectKind::Active) {
        p.objectName = s.armedName;
        const BoxSize size = placementSize(project, kind, armedObject_);
        p.width = size.width;
        p.height = size.height;
    }
    return made;
}

void PlacementEditor::release(int level, bool rightButton) {
    if (level < 1 || level > kMaxLevels) {
        return;
    }
    if (rightButton) {
        disarm(level);
    }
    for (ObjectKind k : kAllKinds) {
        state(level, k).dragIndex = 0;
    }
}

void PlacementEditor::select(const Project& project, int level, PlacementRef placement) {
    selected_ = placement;
    refreshSelection(project, level);
}

void PlacementEditor::clearSelection() {
    selected_ = {};
    view_.selectionFrame = {};
}

void PlacementEditor::refreshSelection(const Project& project, int level) {
    if (selected_.index == 0) {
        view_.selectionFrame = {};
        return;
    }
    if (!validLevel(project, level) ||
        selected_.index > project.levels[level].placements(selected_.kind).count()) {
        clearSelection();
        return;
    }
    const Placement& p = project.levels[level].placements(selected_.kind)[selected_.index];
    selected_.object = p.object;
    view_.selectionFrame =
        canvasBox(p.x, p.y, selectionBox(project, selected_.kind, p, *measure_), view_.zoom);
}

std::optional<PlacementMove> PlacementEditor::nudge(const Project& project, int level, int dx,
                                                    int dy) const {
    if (selected_.index == 0 || !validLevel(project, level) ||
        selected_.index > project.levels[level].placements(selected_.kind).count() ||
        (dx == 0 && dy == 0)) {
        return std::nullopt;
    }
    const Placement& p = project.levels[level].placements(selected_.kind)[selected_.index];
    return PlacementMove{selected_, p.x + dx, p.y + dy};
}

bool PlacementEditor::copySelected(const Project& project, int level) {
    if (selected_.index == 0 || !validLevel(project, level) ||
        selected_.index > project.levels[level].placements(selected_.kind).count()) {
        return false;
    }
    copied_ = NewPlacement{selected_.kind,
                           project.levels[level].placements(selected_.kind)[selected_.index]};
    return true;
}

std::optional<NewPlacement> PlacementEditor::paste(const Project& project, int level,
                                                   Refusal& refusal) const {
    refusal = Refusal::None;
    if (!copied_ || !validLevel(project, level) ||
        copied_->placement.object > project.typeCount(copied_->kind)) {
        return std::nullopt;
    }
    if (project.levels[level].placements(copied_->kind).full()) {
        refusal = Refusal::PlacementsFull;
        return std::nullopt;
    }
    NewPlacement made = *copied_;
    made.placement.x = state(level, made.kind).lastX;
    made.placement.y = state(level, made.kind).lastY;
    return made;
}

bool PlacementEditor::chooseTrajectory(int number, Refusal& refusal) {
    refusal = Refusal::None;
    if (number < 1 || number > kEditableTrajectories) {
        refusal = Refusal::NoTrajectory;
        return false;
    }
    view_.currentTrajectory = number;
    view_.editMode = EditMode::Trajectory;
    return true;
}

bool PlacementEditor::appendPoint(Project& project, int level, int X, int Y, Refusal& refusal) {
    refusal = Refusal::None;
    if (!validLevel(project, level) || view_.editMode != EditMode::Trajectory) {
        return false;
    }
    if (view_.currentTrajectory < 1 || view_.currentTrajectory > kEditableTrajectories) {
        refusal = Refusal::NoTrajectory;
        return false;
    }
    Trajectory& t = project.levels[level].trajectories[view_.currentTrajectory];
    if (t.points.full()) {
        refusal = Refusal::PointsFull;
        return false;
    }
    TrajectoryPoint point;
    point.x = toLevel(X, view_.zoom);
    point.y = toLevel(Y, view_.zoom);
    t.points.add(point);
    return true;
}

bool PlacementEditor::setDirection(Project& project, int level, int point, int which, int value) {
    if (!validLevel(project, level) || view_.currentTrajectory < 1 ||
        view_.currentTrajectory > kEditableTrajectories) {
        return false;
    }
    Trajectory& t = project.levels[level].trajectories[view_.currentTrajectory];
    if (point < 1 || point > t.pointCount()) {
        return false;
    }
    TrajectoryPoint& p = t.points[point];
    int* field = which == 1 ? &p.d1 : which == 2 ? &p.d2 : which == 3 ? &p.d3 : nullptr;
    if (field == nullptr || *field == value) {
        return false;
    }
    *field = value;
    return true;
}

bool PlacementEditor::deleteLastPoint(Project& project, int level) {
    if (!validLevel(project, level) || view_.currentTrajectory < 1 ||
        view_.currentTrajectory > kEditableTrajectories) {
        return false;
    }
    Trajectory& t = project.levels[level].trajectories[view_.currentTrajectory];
    if (t.pointCount() == 0) {
        return false;
    }
    t.points.removeAt(t.pointCount());
    return true;
}

int addPlacement(Project& project, int level, const NewPlacement& made) {
    PlacementList& list = project.levels[level].placements(made.kind);
    list.add(made.placement);
    return list.count();
}

void movePlacement(Project& project, int level, const PlacementMove& move) {
    Placement& placement =
        project.levels[level].placements(move.placement.kind)[move.placement.index];
    placement.x = move.x;
    placement.y = move.y;
}

bool deletePlacement(Project& project, int level, const PlacementRef& placement) {
    PlacementList& list = project.levels[level].placements(placement.kind);
    if (placement.index < 1 || placement.index > list.count()) {
        return false;
    }
    list.removeAt(placement.index);
    return true;
}

}  // namespace avizad
