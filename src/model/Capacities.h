#pragma once
// The capacities of the project model: nothing larger is representable.

namespace avizad {

inline constexpr int kMaxLevels = 10;
inline constexpr int kMaxBackgroundTypes = 30;
inline constexpr int kMaxActiveTypes = 30;
inline constexpr int kMaxIndicatorTypes = 20;
inline constexpr int kMaxTextTypes = 20;

inline constexpr int kMaxBackgroundPlacements = 100;
inline constexpr int kMaxActivePlacements = 100;
inline constexpr int kMaxIndicatorPlacements = 20;
inline constexpr int kMaxTextPlacements = 20;

inline constexpr int kEditableTrajectories = 10;  // numbers 1..10 are edited and generated
inline constexpr int kStoredTrajectories = 20;    // the project file carries 20 per level
inline constexpr int kMaxTrajectoryPoints = 40;

inline constexpr int kMaxEvents = 50;
inline constexpr int kMaxActions = 50;        // per event and action list
inline constexpr int kActionColumns = 30;     // per-type action lists of each kind
inline constexpr int kSpecialCategories = 4;  // special, sound, level change, control

inline constexpr int kMaxTextLines = 12;
inline constexpr int kMaxFrames = 20;
inline constexpr int kPropertyCount = 5;
inline constexpr int kMaxMapCells = 100;   // rows and columns of a tile map
inline constexpr int kAnimationSteps = 6;  // positions of an animation sequence
inline constexpr int kDirections = 4;
inline constexpr int kAnimationStates = 4;
inline constexpr int kControlTypeSlots = 100;  // a level's control type per active type

// The longest object name the editors take, in characters: a Windows-1251 character takes
// at most three bytes in UTF-8, so with ".png" and a "-NN" its file name fits the file
// systems' 255 bytes.
inline constexpr int kMaxObjectNameLength = 80;

inline constexpr int kMinLevelSize = 100;
inline constexpr int kMaxLevelSize = 10000;

}  // namespace avizad
