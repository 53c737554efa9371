#pragma once
// The repaint of the current level (refresh): level area, background placements tile by
// tile, actives, texts, indicators, trajectory points with their numbers, grid dots, the
// selection frame and the phone screen outline, in this order. Objects look as the game
// shows them when the level starts (ObjectLook.h). Only what meets the clip rectangle is
// drawn, so a large level costs what is visible.

#include "level/LevelPainter.h"
#include "level/LevelView.h"
#include "model/Project.h"
#include "model/Settings.h"

namespace avizad {

// The fixed colours of the view.
inline constexpr Color kOutlineColor = rgb(100, 200, 150);
inline constexpr Color kPointColor = rgb(25, 0, 255);
inline constexpr Color kLabelColor = rgb(255, 0, 0);
inline constexpr Color kSelectionColor = rgb(255, 0, 0);

// Which steps of the repaint to run: the level area with the background placements
// (steps that change only with the level's backgrounds), the rest, or all.
enum class RenderLayers { Backgrounds, Overlay, All };

// Draws level `level` of `project` (nothing when level is 0 or outside the levels).
void renderLevel(const Project& project, int level, const Settings& settings, const LevelView& view,
                 LevelPainter& painter, const CanvasRect& clip,
                 RenderLayers layers = RenderLayers::All);

// The canvas size of a level at a zoom: r(width) x r(height).
CanvasRect levelCanvasRect(const Level& level, int zoom);

// The canvas rectangle a placement's picture covers (for partial repaints).
CanvasRect placementCanvasRect(const Project& project, ObjectKind kind, const Placement& p,
                               int zoom, const FontMeasure& measure);

// Object type `object` of `kind` drawn as a placement at level position (x, y) would be
// (the preview of a type armed for placing), and the canvas rectangle it covers.
void renderPreview(const Project& project, ObjectKind kind, int object, int x, int y, int zoom,
                   LevelPainter& painter, const CanvasRect& clip);
CanvasRect previewCanvasRect(const Project& project, ObjectKind kind, int object, int x, int y,
                             int zoom, const FontMeasure& measure);

}  // namespace avizad
