#pragma once
// Level list operations of the levels panel and the level properties dialog:
// the block primitives copyLevel and clearLevel, moving and deleting levels, and the
// rules of the level properties dialog. A level's block is everything the level
// holds: its placements of the four kinds, name, size, trajectories, control types
// and reserved text, so a level keeps all of its data when it changes its number.

#include <string>

#include "model/Project.h"

namespace avizad {

// Copies the block of level `from` onto level `to` (both 1..10).
void copyLevel(Project& project, int from, int to);
// Empties the block of level `index`: no placements, empty name, size 0 x 0.
void clearLevel(Project& project, int index);

// Moves level currentLevel one place up (down). With no level chosen nothing happens
// and false is returned; otherwise currentLevel becomes 0 (also when the first level
// cannot move up or the last one down) and true is returned. Ten levels move as well:
// the spare block is a temporary outside the level table.
bool moveLevelUp(Project& project);
bool moveLevelDown(Project& project);
// Deletes level currentLevel when a level is chosen and at least two exist: the
// following levels move one place up, levelCount drops by one and currentLevel
// becomes 0. Returns whether a level was deleted.
bool deleteLevel(Project& project);

// The values of the level properties dialog.
struct LevelProperties {
    std::string name;  // Windows-1251
    int width = kMinLevelSize;
    int height = kMinLevelSize;

    bool operator==(const LevelProperties&) const = default;
};

// What the dialog shows on opening: the level last clicked in the levels panel
// (panelLevel), or an empty name and the minimum size when no existing level was clicked.
LevelProperties shownLevelProperties(const Project& project, int panelLevel);

enum class LevelPropertiesResult {
    Changed,   // an existing level got the values
    Appended,  // the level was levelCount + 1 and became a new level
    Refused,   // the level is neither an existing level nor the next one
};
// "Да" of the dialog for target level `level`: sizes are limited to 100..10000.
LevelPropertiesResult applyLevelProperties(Project& project, int level,
                                           const LevelProperties& properties);
// Whether one more level can be created (fewer than ten exist).
bool canAppendLevel(const Project& project);

// The level listed at a vertical position of the levels list (0 = top of the first
// row, rows `rowHeight` high); 0 for positions above the list or below the last level.
int levelAtPosition(int y, int rowHeight, int levelCount);
// The name the levels panel shows: the level's name, or "Без названия" when it is empty
// (Windows-1251).
std::string listedLevelName(const Level& level);
// The size the levels panel shows, e.g. "240x320".
std::string listedLevelSize(const Level& level);

}  // namespace avizad
