#pragma once
// The placing, dragging, selecting and deleting of placements on a level and the editing
// of its trajectories, driven by pointer positions in canvas pixels. The editor keeps the
// transient state (armed types, drags, the last pointer position, the view); the changes
// go into the Project it is handed, so the caller can make each one an undoable edit.

#include <array>
#include <optional>
#include <string>

#include "level/LevelView.h"
#include "model/Project.h"
#include "model/Settings.h"

namespace avizad {

// Placing state of one kind on one level.
struct PlacingState {
    bool armed = false;
    std::string armedName;
    int dragIndex = 0;  // the placement being dragged; 0 none
    int lastX = 0;      // snapped pointer position of the last move (level pixels)
    int lastY = 0;
};

// Why an addition was refused.
enum class Refusal {
    None,
    PlacementsFull,  // the level holds as many placements of the kind as it can
    PointsFull,      // the trajectory holds 40 points
    NoTrajectory,    // trajectories are numbered 1..10
};

// A placement to be added to a level.
struct NewPlacement {
    ObjectKind kind = ObjectKind::Background;
    Placement placement;
};

// The placement a release selected, which "Удалить" removes.
struct PlacementRef {
    ObjectKind kind = ObjectKind::Background;
    int index = 0;  // 0 none
    int object = 0;
};

class PlacementEditor {
public:
    PlacementEditor();

    LevelView& view() { return view_; }
    const LevelView& view() const { return view_; }
    PlacingState& state(int level, ObjectKind kind);
    const PlacingState& state(int level, ObjectKind kind) const;

    // Arms object type `object` of `kind` for placing on `level` (a double click in the
    // palette): every other kind on the level is disarmed first.
    void arm(const Project& project, int level, ObjectKind kind, int object);
    // Placing is cancelled for every kind on the level.
    void disarm(int level);
    // The armed kind of a level, if any (order background, active, text, indicator).
    bool armedKind(int level, ObjectKind& kind) const;
    int armedObject() const { return armedObject_; }

    // Pointer move to canvas (X, Y): snaps the level position and drags the dragged
    // placements of the level by whole cells. Returns whether a placement moved;
    // `moved` receives the position of the last one moved.
    bool move(Project& project, int level, const Settings& settings, int X, int Y,
              PlacementRef* moved = nullptr);
    // A pointer move while nothing is dragged: only the last snapped position is kept.
    void track(const Settings& settings, int level, int X, int Y);
    // Whether a placement of the level is being dragged.
    bool dragging(int level) const;

    // Any button pressed at (X, Y): in normal mode the frame goes and the last placement
    // of `kind` under the pointer becomes the dragged one; the pressed point is kept.
    void press(const Project& project, int level, ObjectKind kind, int X, int Y);
    // Left click: the placement the armed type of the level makes at the last snapped
    // pointer position; none when nothing is armed, the type went away, or the level's
    // list is full (`refusal` says so). The caller adds it to the level as one edit and
    // disarms the level.
    std::optional<NewPlacement> place(const Project& project, int level, Refusal& refusal) const;
    // Any button released at (X, Y): drags end; the last placement of `kind` under the
    // pointer (backgrounds and actives where the press was) is selected and framed.
    // A right button cancels placing first. Returns the selected placement (index 0: none).
    PlacementRef release(const Project& project, int level, ObjectKind kind, int X, int Y,
                         bool rightButton);
    // Removes the placement the last release selected; the frame goes.
    bool removeSelected(Project& project, int level);

    // Trajectories of the level (1..10). A press in trajectory mode appends a point at
    // the pointer's level position (not snapped).
    bool appendPoint(Project& project, int level, int X, int Y, Refusal& refusal);
    // Stores d1, d2 or d3 (`which` 1..3) of point `point` of the current trajectory.
    bool setDirection(Project& project, int level, int point, int which, int value);
    bool deleteLastPoint(Project& project, int level);
    // Chooses the trajectory to edit and switches trajectory mode on; numbers outside
    // 1..10 are refused.
    bool chooseTrajectory(int number, Refusal& refusal);

    // The snapped level position of canvas (X, Y).
    static void snapped(const Settings& settings, int zoom, int X, int Y, int& sx, int& sy);

private:
    LevelView view_;
    std::array<std::array<PlacingState, 4>, kMaxLevels + 1> states_{};
    int armedObject_ = 0;
    int pressX_ = 0;
    int pressY_ = 0;
    PlacementRef deleteTarget_;
};

// The kinds in the order the canvas handles them.
inline constexpr ObjectKind kCanvasOrder[] = {ObjectKind::Background, ObjectKind::Active,
                                              ObjectKind::Text, ObjectKind::Indicator};

}  // namespace avizad
