#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "model/ProjectFile.h"
#include "model/ProjectSnapshot.h"

namespace avizad {
namespace {

using testing::makeFixtureProject;

TEST(ImageSharing, CopiesShareThePixelsUntilOneIsWritten) {
    Image original(4, 3, 0x112233);
    original.setAlpha(1, 1, 7);
    Image copy = original;
    EXPECT_TRUE(copy.sharesPixelsWith(original));
    EXPECT_EQ(copy, original);

    copy.setPixel(0, 0, 0x445566);
    copy.setAlpha(1, 1, 9);
    EXPECT_FALSE(copy.sharesPixelsWith(original));
    EXPECT_EQ(original.pixel(0, 0), 0x112233);
    EXPECT_EQ(original.alpha(1, 1), 7);
    EXPECT_EQ(copy.pixel(0, 0), 0x445566);
    EXPECT_EQ(copy.alpha(1, 1), 9);
    EXPECT_NE(copy, original);

    Image bulk = original;
    bulk.pixels()[5] = 1;
    EXPECT_EQ(original.pixels()[5], 0x112233);
}

TEST(ImageSharing, EqualityComparesContentNotBuffers) {
    const Image a(2, 2, 5);
    const Image b(2, 2, 5);
    EXPECT_FALSE(a.sharesPixelsWith(b));
    EXPECT_EQ(a, b);
    EXPECT_NE(a, Image(2, 2, 6));
    EXPECT_NE(a, Image(4, 1, 5));
}

TEST(TileMapSharing, CopiesShareCellsUntilOneIsWritten) {
    TileMap map;
    map.at(2, 3) = 4;
    TileMap copy = map;
    copy.at(2, 3) = 9;
    EXPECT_EQ(map.at(2, 3), 4);
    EXPECT_EQ(copy.at(2, 3), 9);
    EXPECT_EQ(TileMap{}, TileMap{});
    TileMap zero;
    zero.at(1, 1) = 0;
    EXPECT_EQ(zero, TileMap{});
}

// Each row changes one part of a project; restoring the snapshot taken before gives
// back the same file, and the parts the snapshot did not take stay as they are.
TEST(ProjectSnapshot, RestoresExactlyThePartsItTook) {
    struct Row {
        const char* name;
        ProjectParts parts;
        void (*change)(Project&);
    };
    const Row rows[] = {
        {"types", ProjectParts().withTypes(ObjectKind::Active),
         [](Project& p) {
             p.actives[1].strip.setPixel(0, 0, 0x010203);
             p.activeCount = 1;
         }},
        {"one level", ProjectParts().withLevel(2),
         [](Project& p) {
             p.levels[2].backgroundPlacements.add(Placement{5, 6, 1, "x", 1, 1});
         }},
        {"all levels", ProjectParts().withAllLevels(),
         [](Project& p) {
             std::swap(p.levels[1], p.levels[2]);
             p.levelCount = 2;
             p.currentLevel = 0;
         }},
        {"one event", ProjectParts().withEvent(1),
         [](Project& p) { p.eventTable.events[1].conditionCaption = "changed"; }},
        {"all events", ProjectParts().withAllEvents(),
         [](Project& p) { p.eventTable.eventCount = 0; }},
        {"midlet", ProjectParts().withMidlet(), [](Project& p) { p.midletName = "other"; }},
        {"screen colour", ProjectParts().withScreenColor(),
         [](Project& p) { p.screenColor = 0x123456; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Project project = makeFixtureProject();
        project.currentLevel = 3;
        const std::string before = projectFileText(project);
        ProjectSnapshot snapshot(project, row.parts);
        row.change(project);
        ASSERT_NE(projectFileText(project), before);
        ProjectSnapshot after(project, row.parts);
        ProjectSnapshot::keepDifferences(snapshot, after);
        snapshot.restore(project);
        EXPECT_EQ(projectFileText(project), before);
        EXPECT_EQ(project.currentLevel, 3);
        after.restore(project);
        EXPECT_NE(projectFileText(project), before);
    }
}

// Two edits kept as their differences and then joined (a drag) undo both at once,
// also where the second edit changed what the first left alone.
TEST(ProjectSnapshot, DifferencesOfTwoJoinedEditsUndoAndRedoBoth) {
    Project project = makeFixtureProject();
    const ProjectParts parts = ProjectParts().withAllLevels().withTypes(ObjectKind::Active);
    const std::string start = projectFileText(project);

    ProjectSnapshot before1(project, parts);
    project.levels[1].name = "first";
    ProjectSnapshot after1(project, parts);
    ProjectSnapshot::keepDifferences(before1, after1);

    ProjectSnapshot before2(project, parts);
    project.levels[2].name = "second";
    project.actives[2].name = "moved";
    ProjectSnapshot after2(project, parts);
    ProjectSnapshot::keepDifferences(before2, after2);
    const std::string end = projectFileText(project);

    before1.fillFrom(before2);
    after2.fillFrom(after1);
    before1.restore(project);
    EXPECT_EQ(projectFileText(project), start);
    after2.restore(project);
    EXPECT_EQ(projectFileText(project), end);
}

TEST(ProjectSnapshot, KeepsPicturesSharedWithTheProject) {
    Project project = makeFixtureProject();
    const ProjectSnapshot snapshot(project, ProjectParts().withTypes(ObjectKind::Background));
    Project restored;
    snapshot.restore(restored);
    EXPECT_TRUE(restored.backgrounds[1].tileSet.sharesPixelsWith(project.backgrounds[1].tileSet));
    EXPECT_EQ(restored.backgroundCount, project.backgroundCount);
}

}  // namespace
}  // namespace avizad
