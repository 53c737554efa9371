#pragma once
// The level's data in the generated game, as one table: every name the engine declares
// as a field (System/draft/Stage.java, line "//level_fields") and every level class
// assigns in its constructor (System/draft/Etap1.java, line "//level_data"), with its
// Java type, what its elements run over and how each element is written. The run-time
// meaning of every name is described in docs/game-runtime.md.

#include <span>
#include <string>
#include <string_view>

#include "generator/ResourceFileNames.h"
#include "model/Project.h"

namespace avizad {

// What the elements of a level array run over.
enum class LevelArrayKind {
    Number,            // not an array: one int
    ActivePlacements,  // one element per placement of the kind, in placement order
    BackgroundPlacements,
    IndicatorPlacements,
    TextPlacements,
    ActiveTypesFromZero,  // element 0, then one per active object type of the project
    Directions,           // right, up, left, down
    Trajectories,         // the level's 10 editable trajectories
    Views,                // the 18 views a kind may be drawn in
};

// The level a class is generated for, as the element writers read it. Placement
// indices count from 0; the object type of a placement is checked, and a placement
// that names no existing type throws IoError (the game would read another type's data).
class LevelSource {
public:
    LevelSource(const Project& project, int level);

    const Project& project() const { return project_; }
    const Level& level() const { return project_.levels[level_]; }
    const ResourceFileNames& files() const { return files_; }

    // The number of elements of an array of `kind` (1 for a number).
    int count(LevelArrayKind kind) const;

    // The checked object type of placement `index` of a kind, and that type's record.
    int type(ObjectKind kind, int index) const;
    const ActiveObject& active(int index) const;
    const BackgroundObject& background(int index) const;
    const IndicatorObject& indicator(int index) const;
    const TextObject& text(int index) const;
    const Placement& placement(ObjectKind kind, int index) const;

private:
    const Project& project_;
    int level_;
    ResourceFileNames files_;
};

struct LevelArray {
    std::string_view name;      // the field of the engine, e.g. "raspxob"
    std::string_view javaType;  // "int", "int[]", "boolean[]", "String[][]", "int[][][]", ...
    LevelArrayKind kind;
    // Element `index` (or the number, for LevelArrayKind::Number) as Java text.
    std::string (*element)(const LevelSource& source, int index);
};

// The table, in the order the level class assigns the arrays.
std::span<const LevelArray> levelArrays();

// The Java value of `array` for the level: the number, or "new " + type + "{" + every
// element followed by "," + "}".
std::string levelArrayValue(const LevelArray& array, const LevelSource& source);

}  // namespace avizad
