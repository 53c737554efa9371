// Level list operations: copyLevel / clearLevel, moves, delete and the level properties rules.

#include <gtest/gtest.h>

#include <vector>

#include "model/Cp1251.h"
#include "model/LevelOperations.h"

namespace avizad {
namespace {

// Level i is marked by its name "L<i>", its size, a placement of every kind, a
// trajectory point, a control type and its reserved text.
Level markedLevel(int i) {
    Level level;
    level.name = "L" + std::to_string(i);
    level.width = 100 + i;
    level.height = 200 + i;
    level.reservedText = "r" + std::to_string(i);
    level.controlType[1] = i % 4;
    for (const ObjectKind kind : kAllKinds) {
        Placement placement;
        placement.x = i;
        placement.y = static_cast<int>(kind);
        placement.object = 1;
        placement.objectName = "o" + std::to_string(i);
        level.placements(kind).add(placement);
    }
    level.trajectories[1].points.add(TrajectoryPoint{i, i, 0, 0, 0});
    return level;
}

Project projectWithLevels(int count, int current) {
    Project project;
    for (int i = 1; i <= count; ++i) {
        project.levels[i] = markedLevel(i);
    }
    project.levelCount = count;
    project.currentLevel = current;
    return project;
}

// The marks of levels 1..levelCount, e.g. {2, 1, 3}.
std::vector<int> order(const Project& project) {
    std::vector<int> marks;
    for (int i = 1; i <= project.levelCount; ++i) {
        marks.push_back(std::stoi(project.levels[i].name.substr(1)));
    }
    return marks;
}

enum class Op { Up, Down, Delete };

struct LevelMoveCase {
    const char* what;
    int count;
    int current;
    Op op;
    bool acted;
    std::vector<int> expected;
    int expectedCurrent;
};

class LevelMoves : public ::testing::TestWithParam<LevelMoveCase> {};

TEST_P(LevelMoves, MoveWholeLevelBlocks) {
    const LevelMoveCase& c = GetParam();
    Project project = projectWithLevels(c.count, c.current);
    bool acted = false;
    switch (c.op) {
        case Op::Up:
            acted = moveLevelUp(project);
            break;
        case Op::Down:
            acted = moveLevelDown(project);
            break;
        case Op::Delete:
            acted = deleteLevel(project);
            break;
    }
    EXPECT_EQ(acted, c.acted);
    EXPECT_EQ(order(project), c.expected);
    EXPECT_EQ(project.currentLevel, c.expectedCurrent);
    // Every listed level carries its whole block: placements, trajectories, control types.
    for (int i = 1; i <= project.levelCount; ++i) {
        EXPECT_EQ(project.levels[i], markedLevel(c.expected[static_cast<std::size_t>(i - 1)]))
            << "level " << i;
    }
    // Blocks above the count are empty (a deleted level leaves nothing behind; a move
    // uses no block of the table as its spare).
    for (int i = project.levelCount + 1; i <= kMaxLevels; ++i) {
        EXPECT_EQ(project.levels[i], Level{}) << "block " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LevelMoves,
    ::testing::Values(
        LevelMoveCase{"up: second of three", 3, 2, Op::Up, true, {2, 1, 3}, 0},
        LevelMoveCase{"up: first stays", 3, 1, Op::Up, true, {1, 2, 3}, 0},
        LevelMoveCase{"up: none chosen", 3, 0, Op::Up, false, {1, 2, 3}, 0},
        LevelMoveCase{"up: tenth of ten", 10, 10, Op::Up, true, {1, 2, 3, 4, 5, 6, 7, 8, 10, 9}, 0},
        LevelMoveCase{"down: first of two", 2, 1, Op::Down, true, {2, 1}, 0},
        LevelMoveCase{"down: last stays", 3, 3, Op::Down, true, {1, 2, 3}, 0},
        LevelMoveCase{
            "down: ninth of ten", 10, 9, Op::Down, true, {1, 2, 3, 4, 5, 6, 7, 8, 10, 9}, 0},
        LevelMoveCase{"delete: second of three", 3, 2, Op::Delete, true, {1, 3}, 0},
        LevelMoveCase{
            "delete: first of ten", 10, 1, Op::Delete, true, {2, 3, 4, 5, 6, 7, 8, 9, 10}, 0},
        LevelMoveCase{"delete: the only level", 1, 1, Op::Delete, false, {1}, 1},
        LevelMoveCase{"delete: none chosen", 3, 0, Op::Delete, false, {1, 2, 3}, 0}),
    [](const auto& param) { return "case" + std::to_string(param.index); });

TEST(LevelBlocks, ClearEmptiesAndCopyDuplicatesABlock) {
    Project project = projectWithLevels(3, 0);
    copyLevel(project, 3, 1);
    EXPECT_EQ(project.levels[1], markedLevel(3));
    clearLevel(project, 2);
    EXPECT_EQ(project.levels[2].width, 0);
    EXPECT_EQ(project.levels[2].height, 0);
    EXPECT_TRUE(project.levels[2].name.empty());
    EXPECT_EQ(project.levels[2].activePlacements.count(), 0);
    EXPECT_EQ(project.levels[2], Level{});
}

TEST(LevelProperties, CreatesLevelsUpToTen) {
    Project project;
    for (int n = 2; n <= kMaxLevels; ++n) {
        ASSERT_TRUE(canAppendLevel(project));
        EXPECT_EQ(applyLevelProperties(project, project.levelCount + 1, {"x", 300, 400}),
                  LevelPropertiesResult::Appended);
        EXPECT_EQ(project.levelCount, n);
    }
    EXPECT_FALSE(canAppendLevel(project));
    EXPECT_EQ(applyLevelProperties(project, 11, {"x", 300, 400}), LevelPropertiesResult::Refused);
    EXPECT_EQ(project.levelCount, kMaxLevels);
}

TEST(LevelProperties, ChangesExistingLevelAndLimitsSizes) {
    Project project = projectWithLevels(2, 1);
    EXPECT_EQ(applyLevelProperties(project, 2, {utf8ToCp1251("Замок"), 50, 20000}),
              LevelPropertiesResult::Changed);
    EXPECT_EQ(project.levels[2].name, utf8ToCp1251("Замок"));
    EXPECT_EQ(project.levels[2].width, kMinLevelSize);
    EXPECT_EQ(project.levels[2].height, kMaxLevelSize);
    EXPECT_EQ(project.levels[2].backgroundPlacements.count(), 1);  // placements stay
    EXPECT_EQ(project.levelCount, 2);
    // Neither an unknown level nor one beyond the next is touched.
    EXPECT_EQ(applyLevelProperties(project, 0, {"x", 300, 300}), LevelPropertiesResult::Refused);
    EXPECT_EQ(applyLevelProperties(project, 4, {"x", 300, 300}), LevelPropertiesResult::Refused);
    EXPECT_EQ(project.levelCount, 2);
}

TEST(LevelProperties, NewLevelStartsEmptyWhateverTheBlockHeld) {
    Project project = projectWithLevels(3, 0);
    project.levelCount = 2;  // block 3 still holds an earlier level's data
    applyLevelProperties(project, 3, {"new", 240, 320});
    EXPECT_EQ(project.levels[3].backgroundPlacements.count(), 0);
    EXPECT_EQ(project.levels[3].trajectories[1].pointCount(), 0);
    EXPECT_EQ(project.levels[3].name, "new");
}

TEST(LevelProperties, DialogShowsTheClickedLevelOrDefaults) {
    const Project project = projectWithLevels(2, 0);
    EXPECT_EQ(shownLevelProperties(project, 2), (LevelProperties{"L2", 102, 202}));
    EXPECT_EQ(shownLevelProperties(project, 0), (LevelProperties{"", 100, 100}));
    EXPECT_EQ(shownLevelProperties(project, 3), (LevelProperties{"", 100, 100}));
}

TEST(LevelList, PositionsChooseExistingLevelsOnly) {
    struct Case {
        int y;
        int expected;
    };
    for (const Case c : {Case{-1, 0}, Case{0, 1}, Case{49, 1}, Case{50, 2}, Case{149, 3},
                         Case{150, 0}, Case{5000, 0}}) {
        EXPECT_EQ(levelAtPosition(c.y, 50, 3), c.expected) << "y = " << c.y;
    }
}

TEST(LevelList, NamesAndSizes) {
    Level level;
    level.width = 100;
    level.height = 100;
    EXPECT_EQ(cp1251ToUtf8(listedLevelName(level)), "Без названия");
    EXPECT_EQ(listedLevelSize(level), "100x100");
    level.name = utf8ToCp1251("Лес");
    EXPECT_EQ(listedLevelName(level), utf8ToCp1251("Лес"));
}

}  // namespace
}  // namespace avizad
