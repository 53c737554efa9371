#pragma once
// The project model (kept names such as fon, kol and napr: docs/glossary.md): the whole edited
// game, its object types, levels, placements, trajectories and events. Tables are 1-based with
// fixed capacities; texts are Windows-1251 byte strings.

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

#include "model/Capacities.h"
#include "model/Color.h"
#include "model/Image.h"
#include "model/OneBased.h"

namespace avizad {

enum class ObjectKind { Background = 1, Active = 2, Indicator = 3, Text = 4 };

inline constexpr ObjectKind kAllKinds[] = {ObjectKind::Background, ObjectKind::Active,
                                           ObjectKind::Indicator, ObjectKind::Text};

// "fon", "active", "line", "text".
std::string_view kindKey(ObjectKind kind);
// The object catalogue's caption (Windows-1251), e.g. "Фоновые объекты".
std::string kindCaption(ObjectKind kind);
// The capacity of a kind's type table (30, 30, 20, 20).
int typeCapacity(ObjectKind kind);
// The per-level placement capacity of a kind (100, 100, 20, 20).
int placementCapacity(ObjectKind kind);

// The MIDlet settings of a project until the author changes them.
inline constexpr const char* kDefaultMidletName = "syrk";
inline constexpr const char* kDefaultMidletVendor = "tulvask";
inline constexpr const char* kDefaultMidletVersion = "1.0";

enum class ControlType { None = 0, PersonTop = 1, PersonSide = 2, Vehicle = 3 };
enum class Direction { Right = 1, Up = 2, Left = 3, Down = 4 };
enum class AnimationState { Idle = 1, Move = 2, Attack = 3, Destroy = 4 };

using PropertyTexts = Array1<std::string, kPropertyCount>;

// A tile map of up to 100 x 100 cells, indexed [row][column] from 1. The cells are
// allocated on the first write, so an unused map costs nothing; copies share their
// cells until one of them is written.
class TileMap {
public:
    int& at(int row, int column) {
        const std::size_t i = slot(row, column);
        if (!cells_) {
            cells_ = std::make_shared<std::vector<int>>(
                static_cast<std::size_t>(kMaxMapCells * kMaxMapCells), 0);
        } else if (cells_.use_count() > 1) {
            cells_ = std::make_shared<std::vector<int>>(*cells_);
        }
        return (*cells_)[i];
    }
    int at(int row, int column) const {
        const std::size_t i = slot(row, column);
        return cells_ ? (*cells_)[i] : 0;
    }
    bool operator==(const TileMap& other) const {
        if (cells_ == other.cells_) {
            return true;
        }
        if (!cells_ || !other.cells_) {
            const auto& cells = cells_ ? *cells_ : *other.cells_;
            return std::all_of(cells.begin(), cells.end(), [](int v) { return v == 0; });
        }
        return *cells_ == *other.cells_;
    }

private:
    static std::size_t slot(int row, int column) {
        if (row < 1 || row > kMaxMapCells || column < 1 || column > kMaxMapCells) {
            throw IndexError("tile map cell (" + std::to_string(row) + ", " +
                             std::to_string(column) + ") outside 1..100");
        }
        return static_cast<std::size_t>((row - 1) * kMaxMapCells + (column - 1));
    }
    std::shared_ptr<std::vector<int>> cells_;
};

struct BackgroundObject {
    std::string name;
    int tileWidth = 0;
    int tileHeight = 0;
    int columns = 0;
    int rows = 0;
    int kind = 0;  // 0 neutral, 1 obstacle, 2 ladder
    TileMap tileMap;
    int mapPictureWidth = 0;
    int mapPictureHeight = 0;
    int tileSetWidth = 0;
    int tileSetHeight = 0;
    Image mapPicture;
    Image tileSet;
    int reservedInt = 0;
    PropertyTexts propertyNames;
    PropertyTexts propertyValues;

    bool operator==(const BackgroundObject&) const = default;
};

// [sequence position 1..6][Direction 1..4][AnimationState 1..4] -> frame number, 0 = empty.
using AnimationTable = Array1<Array1<Array1<int, kAnimationStates>, kDirections>, kAnimationSteps>;

struct ActiveObject {
    std::string name;
    std::string placingName;
    int frameWidth = 0;
    int frameHeight = 0;
    int frameCount = 0;
    int moveSpeed = 0;
    int acceleration = 0;
    int braking = 0;
    int reservedInt = 0;
    AnimationTable animation;
    int reservedInt2 = 0;
    int iconWidth = 0;
    int iconHeight = 0;
    int stripWidth = 0;
    int stripHeight = 0;
    PropertyTexts propertyNames;
    PropertyTexts propertyValues;
    Image icon;
    Image strip;
    int transparentBackground = 0;

    bool operator==(const ActiveObject&) const = default;
};

struct IndicatorObject {
    int imageWidth = 0;
    int imageHeight = 0;
    std::string reservedText;
    std::string name;
    int amount = 0;
    int pngWidth = 0;
    int pngHeight = 0;
    Image image;
    PropertyTexts propertyNames;
    PropertyTexts propertyValues;

    bool operator==(const IndicatorObject&) const = default;
};

struct TextObject {
    int kind = 0;
    int size = 0;
    int bold = 0;
    int italic = 0;
    int underline = 0;
    int colorR = 0;
    int colorG = 0;
    int colorB = 0;
    int lineCount = 0;     // 0..12
    std::string fileName;  // the object name with ".png" appended
    Array1<std::string, kMaxTextLines> lines;
    PropertyTexts propertyNames;
    PropertyTexts propertyValues;

    bool operator==(const TextObject&) const = default;
};

// One instance of an object type on a level. Indicator and text placements use x, y, object only.
struct Placement {
    int x = 0;
    int y = 0;
    int object = 0;
    std::string objectName;
    int width = 0;
    int height = 0;

    bool operator==(const Placement&) const = default;
};

struct PlacementList : List1<Placement> {
    explicit PlacementList(int capacity) : List1<Placement>(capacity) {}
};

struct TrajectoryPoint {
    int x = 0;
    int y = 0;
    int d1 = 0;
    int d2 = 0;
    int d3 = 0;

    bool operator==(const TrajectoryPoint&) const = default;
};

struct Trajectory {
    List1<TrajectoryPoint> points{kMaxTrajectoryPoints};
    int pointCount() const { return points.count(); }

    bool operator==(const Trajectory&) const = default;
};

struct Level {
    std::string name;
    int width = 0;
    int height = 0;
    std::string reservedText;
    Array1<int, kControlTypeSlots> controlType;  // ControlType per active object type
    PlacementList backgroundPlacements{kMaxBackgroundPlacements};
    PlacementList activePlacements{kMaxActivePlacements};
    PlacementList indicatorPlacements{kMaxIndicatorPlacements};
    PlacementList textPlacements{kMaxTextPlacements};
    Array1<Trajectory, kStoredTrajectories> trajectories;

    PlacementList& placements(ObjectKind kind);
    const PlacementList& placements(ObjectKind kind) const;

    bool operator==(const Level&) const = default;
};

struct Action {
    std::string caption;
    std::string code;

    bool operator==(const Action&) const = default;
};

struct ActionList : List1<Action> {
    ActionList() : List1<Action>(kMaxActions) {}
};

struct Event {
    std::string conditionCaption;
    std::string conditionCode;
    std::string tag;  // "event" once the event has a condition
    Array1<ActionList, kSpecialCategories> specialActions;
    Array1<ActionList, kActionColumns> backgroundActions;
    Array1<ActionList, kActionColumns> activeActions;
    Array1<ActionList, kActionColumns> indicatorActions;
    Array1<ActionList, kActionColumns> textActions;

    // The action lists of one kind's object types.
    Array1<ActionList, kActionColumns>& actions(ObjectKind kind);
    const Array1<ActionList, kActionColumns>& actions(ObjectKind kind) const;

    bool operator==(const Event&) const = default;
};

struct EventTable {
    int eventCount = 0;
    Array1<Event, kMaxEvents> events;

    bool operator==(const EventTable&) const = default;
};

// Special action categories (the first index of Event::specialActions).
enum class SpecialCategory { Special = 1, Sound = 2, LevelChange = 3, Control = 4 };

struct Project {
    Project();

    int backgroundCount = 0;
    int activeCount = 0;
    int textCount = 0;
    int indicatorCount = 0;
    int levelCount = 1;

    Array1<BackgroundObject, kMaxBackgroundTypes> backgrounds;
    Array1<ActiveObject, kMaxActiveTypes> actives;
    Array1<IndicatorObject, kMaxIndicatorTypes> indicators;
    Array1<TextObject, kMaxTextTypes> texts;
    Array1<Level, kMaxLevels> levels;
    EventTable eventTable;

    Color screenColor = 0;
    std::string midletName = kDefaultMidletName;
    std::string midletVendor = kDefaultMidletVendor;
    std::string midletVersion = kDefaultMidletVersion;
    std::string midletIcon;

    int currentLevel = 0;  // working value, not saved; 0 = none chosen

    int eventCount() const { return eventTable.eventCount; }
    // The number of object types of a kind in use.
    int typeCount(ObjectKind kind) const;
    int& typeCountRef(ObjectKind kind);

    bool operator==(const Project&) const = default;
};

// --- Model operations ---------------------------------------------------------

// Empties the action lists of type t of a kind in every event 1..eventCount.
void clearColumn(Project& project, ObjectKind kind, int t);
// Copies the action lists of type a onto type b in every event 1..eventCount.
void copyColumn(Project& project, ObjectKind kind, int a, int b);
// The clearing done by the new and open commands: the event table is emptied and
// every level's active placements are removed; nothing else changes.
void clearProject(Project& project);
// The MIDlet settings of a project made with the "Создать проект" button.
void resetMidletSettings(Project& project);

}  // namespace avizad
