#pragma once
// The view state of the level view: zoom, grid, trajectory mode, the trajectory being
// edited and the frame around the selected placement. Set by the canvas, not saved.

#include "level/LevelGeometry.h"

namespace avizad {

enum class EditMode { Normal, Trajectory };

struct LevelView {
    int zoom = 100;
    bool showGrid = false;
    EditMode editMode = EditMode::Normal;
    int currentTrajectory = 0;  // 0..10
    CanvasRect selectionFrame;  // all 0 = none
};

}  // namespace avizad
