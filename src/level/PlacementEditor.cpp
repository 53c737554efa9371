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

}  // namespace

PlacementEditor::PlacementEditor() {
    view_.currentTrajectory = 1;
}

PlacingState& PlacementEditor::state(int level, ObjectKind kind) {
    return states_.at(static_cast<std::size_t>(level)).at(kindSlot(kind));
}

const PlacingState& PlacementEditor::state(int level, ObjectKind kind) const {
    return states_.at(static_cast<std::size_t>(level)).at(kindSlot(kind));
}

void PlacementEditor::snapped(const Settings& settings, int zoom, int X, int Y, int& sx, int& sy) {
    sx = snapToGrid(toLevel(X, zoom), settings.gridWidth);
    sy = snapToGrid(toLevel(Y, zoom), settings.gridHeight);
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

bool PlacementEditor::move(Project& project, int level, const Settings& settings, int X, int Y,
                           PlacementRef* moved) {
    if (!validLevel(project, level)) {
        return false;
    }
    int sx = 0, sy = 0;
    snapped(settings, view_.zoom, X, Y, sx, sy);
    bool changed = false;
    for (ObjectKind kind : kCanvasOrder) {
        PlacingState& s = state(level, kind);
        PlacementList& list = project.levels[level].placements(kind);
        if (s.dragIndex >= 1 && s.dragIndex <= list.count() && (sx != s.lastX || sy != s.lastY)) {
            Placement& p = list[s.dragIndex];
            p.x += sx - s.lastX;
            p.y += sy - s.lastY;
            changed = true;
            if (moved != nullptr) {
                *moved = {kind, s.dragIndex, p.object};
            }
        }
        s.lastX = sx;
        s.lastY = sy;
    }
    if (changed) {
        view_.selectionFrame = {};
    }
    return changed;
}

void PlacementEditor::track(const Settings& settings, int level, int X, int Y) {
    if (level < 1 || level > kMaxLevels) {
        return;
    }
    int sx = 0, sy = 0;
    snapped(settings, view_.zoom, X, Y, sx, sy);
    for (ObjectKind kind : kCanvasOrder) {
        state(level, kind).lastX = sx;
        state(level, kind).lastY = sy;
    }
}

void PlacementEditor::press(const Project& project, int level, ObjectKind kind, int X, int Y) {
    if (!validLevel(project, level) || view_.editMode != EditMode::Normal) {
        return;
    }
    view_.selectionFrame = {};
    pressX_ = X;
    pressY_ = Y;
    const PlacementList& list = project.levels[level].placements(kind);
    for (int i = 1; i <= list.count(); ++i) {
        if (hits(list[i], hitBox(project, kind, list[i]), view_.zoom, X, Y)) {
            for (ObjectKind other : kAllKinds) {
                state(level, other).dragIndex = 0;
            }
            state(level, kind).dragIndex = i;
        }
    }
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

PlacementRef PlacementEditor::release(const Project& project, int level, ObjectKind kind, int X,
                                      int Y, bool rightButton) {
    PlacementRef selected{kind, 0, 0};
    if (!validLevel(project, level)) {
        return selected;
    }
    if (rightButton) {
        disarm(level);
    }
    for (ObjectKind k : kAllKinds) {
        state(level, k).dragIndex = 0;
    }
    if (view_.editMode != EditMode::Normal) {
        return selected;
    }
    const bool atPress = kind == ObjectKind::Background || kind == ObjectKind::Active;
    if (!atPress && project.typeCount(kind) == 0) {
        return selected;
    }
    const int qx = atPress ? pressX_ : X;
    const int qy = atPress ? pressY_ : Y;
    const PlacementList& list = project.levels[level].placements(kind);
    for (int i = 1; i <= list.count(); ++i) {
        if (hits(list[i], hitBox(project, kind, list[i]), view_.zoom, qx, qy)) {
            selected = {kind, i, list[i].object};
        }
    }
    if (selected.index != 0) {
        const Placement& p = list[selected.index];
        view_.selectionFrame = canvasBox(p.x, p.y, selectionBox(project, kind, p), view_.zoom);
        deleteTarget_ = selected;
    }
    return selected;
}

bool PlacementEditor::removeSelected(Project& project, int level) {
    if (!validLevel(project, level) || deleteTarget_.index == 0) {
        return false;
    }
    PlacementList& list = project.levels[level].placements(deleteTarget_.kind);
    if (deleteTarget_.index > list.count()) {
        deleteTarget_ = {};
        return false;
    }
    list.removeAt(deleteTarget_.index);
    deleteTarget_ = {};
    view_.selectionFrame = {};
    return true;
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

}  // namespace avizad
