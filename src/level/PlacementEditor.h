#pragma once
// The placing, dragging, selecting, nudging, copying and deleting of placements on a level
// and the editing of its trajectories, driven by pointer positions in canvas pixels. The
// editor keeps the transient state (armed types, the drag, the last pointer position, the
// selection, the copied placement, the view) and never changes the project itself: it
// says what a gesture makes (a new placement, a placement's new position), and the caller
// makes that one undoable edit. Trajectory edits take the project they change.

#include <array>
#include <optional>
#include <string>

#include "editors/TextPicture.h"
#include "level/LevelView.h"
#include "model/Project.h"
#include "model/Settings.h"

namespace avizad {

// Placing state of one kind on one level.
struct PlacingState {
    bool armed = false;
    std::string armedName;
    int dragIndex = 0;  // the placement being dragged; 0 none
    int lastX = 0;      // pointer position of the last move (level pixels), snapped unless
    int lastY = 0;      // snapping was off
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

// A placement of the current level: its kind and index (0 none) and its object type.
struct PlacementRef {
    ObjectKind kind = ObjectKind::Background;
    int index = 0;
    int object = 0;

    bool operator==(const PlacementRef&) const = default;
};

// A placement's new position.
struct PlacementMove {
    PlacementRef placement;
    int x = 0;
    int y = 0;
};

// The edits the editor's gestures say: the caller makes each one inside one undoable change.
// A new placement is added at the end of its level's list; returns its index.
int addPlacement(Project& project, int level, const NewPlacement& made);
// The placement moves to the new position.
void movePlacement(Project& project, int level, const PlacementMove& move);
// The placement goes (the later ones move down); false when the level has no such placement.
bool deletePlacement(Project& project, int level, const PlacementRef& placement);

class PlacementEditor {
public:
    PlacementEditor();

    LevelView& view() { return view_; }
    const LevelView& view() const { return view_; }
    PlacingState& state(int level, ObjectKind kind);
    const PlacingState& state(int level, ObjectKind kind) const;
    // The fonts text placements are measured in for picking (the level view's); a fixed
    // width per character until one is set. The measure must outlive the editor.
    void setFontMeasure(const FontMeasure& measure) { measure_ = &measure; }
    const FontMeasure& fontMeasure() const { return *measure_; }

    // Arms object type `object` of `kind` for placing on `level` (a double click in the
    // palette): every other kind on the level is disarmed first.
    void arm(const Project& project, int level, ObjectKind kind, int object);
    // Placing is cancelled for every kind on the level.
    void disarm(int level);
    // The armed kind of a level, if any (order background, active, text, indicator).
    bool armedKind(int level, ObjectKind& kind) const;
    int armedObject() const { return armedObject_; }

    // The level position of canvas (X, Y), snapped to the grid cell when `snap`.
    static void pointer(const Settings& settings, int zoom, int X, int Y, bool snap, int& x,
                        int& y);
    // A pointer move to canvas (X, Y): the last pointer position of the level's kinds.
    void track(const Settings& settings, int level, int X, int Y, bool snap = true);
    // Where a pointer move to (X, Y) takes the dragged placement: moved by the change of the
    // pointer position since the last move (whole grid cells when snapping, so a placement
    // off the grid stays off it by the same amount); none when nothing is dragged or the
    // position stays. The caller moves it and then tracks the pointer.
    std::optional<PlacementMove> dragTo(const Project& project, int level, const Settings& settings,
                                        int X, int Y, bool snap = true) const;
    // Whether a placement of the level is being dragged.
    bool dragging(int level) const;

    // Any button pressed at (X, Y): in normal mode the placement on top at that point (of
    // any kind: indicators over texts over actives over backgrounds, later over earlier)
    // becomes the selected and dragged one; on empty ground the selection ends.
    PlacementRef press(const Project& project, int level, int X, int Y);
    // Left click: the placement the armed type of the level makes at the last pointer
    // position; none when nothing is armed, the type went away, or the level's list is
    // full (`refusal` says so). The caller adds it to the level as one edit and disarms.
    std::optional<NewPlacement> place(const Project& project, int level, Refusal& refusal) const;
    // Any button released: the drag ends; a right button cancels placing first.
    void release(int level, bool rightButton);

    // The selected placement (index 0: none) and its frame in the view. refreshSelection
    // follows the project after any change (undo, redo, a drag): the frame goes to where
    // the placement is, and the selection ends when the placement is no more.
    const PlacementRef& selected() const { return selected_; }
    void select(const Project& project, int level, PlacementRef placement);
    void clearSelection();
    void refreshSelection(const Project& project, int level);
    // The selected placement moved by (dx, dy) (arrow keys); none without a selection.
    std::optional<PlacementMove> nudge(const Project& project, int level, int dx, int dy) const;

    // Ctrl+C keeps a copy of the selected placement (false without one); Ctrl+V makes that
    // copy at the last pointer position (refused when the level's list is full).
    bool copySelected(const Project& project, int level);
    bool hasCopy() const { return copied_.has_value(); }
    std::optional<NewPlacement> paste(const Project& project, int level, Refusal& refusal) const;

    // Trajectories of the level (1..10). A press in trajectory mode appends a point at
    // the pointer's level position (not snapped).
    bool appendPoint(Project& project, int level, int X, int Y, Refusal& refusal);
    // Stores d1, d2 or d3 (`which` 1..3) of point `point` of the current trajectory.
    bool setDirection(Project& project, int level, int point, int which, int value);
    bool deleteLastPoint(Project& project, int level);
    // Chooses the trajectory to edit and switches trajectory mode on; numbers outside
    // 1..10 are refused.
    bool chooseTrajectory(int number, Refusal& refusal);

private:
    // The placement of the level on top at canvas point (X, Y).
    PlacementRef placementAt(const Project& project, int level, int X, int Y) const;

    LevelView view_;
    std::array<std::array<PlacingState, 4>, kMaxLevels + 1> states_{};
    int armedObject_ = 0;
    PlacementRef selected_;
    std::optional<NewPlacement> copied_;
    const FontMeasure* measure_;
};

// The kinds in the order the canvas draws them, each over the ones before.
inline constexpr ObjectKind kCanvasOrder[] = {ObjectKind::Background, ObjectKind::Active,
                                              ObjectKind::Text, ObjectKind::Indicator};

}  // namespace avizad
