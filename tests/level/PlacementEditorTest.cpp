// Placing, dragging, selecting, deleting and trajectory editing driven by pointer
// positions, and the capacities that refuse an addition.
#include <gtest/gtest.h>

#include "level/PlacementEditor.h"

namespace avizad {
namespace {

struct PlacementEditorTest : ::testing::Test {
    PlacementEditorTest() {
        project.levels[1].width = project.levels[1].height = 1000;
        project.activeCount = 1;
        project.actives[1].name = "hero";
        project.actives[1].iconWidth = project.actives[1].iconHeight = 32;
        project.textCount = 1;
        settings.gridWidth = settings.gridHeight = 16;
    }
    // A left click as the canvas makes it: the placement is added and placing ends.
    bool click() {
        Refusal refusal = Refusal::None;
        const std::optional<NewPlacement> made = editor.place(project, 1, refusal);
        editor.disarm(1);
        if (made) {
            project.levels[1].placements(made->kind).add(made->placement);
        }
        return made.has_value();
    }
    // Double click in the palette, pointer move to (x, y), left click.
    bool placeAt(ObjectKind kind, int object, int x, int y) {
        editor.arm(project, 1, kind, object);
        editor.track(settings, 1, x, y);
        return click();
    }
    Project project;
    Settings settings;
    PlacementEditor editor;
};

TEST_F(PlacementEditorTest, PlacesAtTheSnappedPointerWithoutChangingTheProject) {
    editor.arm(project, 1, ObjectKind::Active, 1);
    editor.track(settings, 1, 23, 40);
    Refusal refusal = Refusal::None;
    const Project before = project;
    const std::optional<NewPlacement> made = editor.place(project, 1, refusal);
    ASSERT_TRUE(made.has_value());
    EXPECT_TRUE(project == before);
    EXPECT_EQ(made->kind, ObjectKind::Active);
    const Placement& p = made->placement;
    EXPECT_EQ(p.x, 16);
    EXPECT_EQ(p.y, 32);
    EXPECT_EQ(p.object, 1);
    EXPECT_EQ(p.objectName, "hero");
    EXPECT_EQ(p.width, 32);
    ObjectKind kind{};
    EXPECT_TRUE(editor.armedKind(1, kind));  // the caller ends placing
    editor.disarm(1);
    EXPECT_FALSE(editor.place(project, 1, refusal));  // a second click places nothing
}

TEST_F(PlacementEditorTest, RightReleaseCancelsPlacing) {
    editor.arm(project, 1, ObjectKind::Active, 1);
    editor.release(project, 1, ObjectKind::Active, 5, 5, true);
    EXPECT_FALSE(click());
    EXPECT_EQ(project.levels[1].activePlacements.count(), 0);
}

TEST_F(PlacementEditorTest, FullListIsRefused) {
    for (int i = 0; i < kMaxTextPlacements; ++i) {
        ASSERT_TRUE(placeAt(ObjectKind::Text, 1, 0, 0));
    }
    editor.arm(project, 1, ObjectKind::Text, 1);
    Refusal refusal = Refusal::None;
    EXPECT_FALSE(editor.place(project, 1, refusal));
    EXPECT_EQ(refusal, Refusal::PlacementsFull);
    EXPECT_EQ(project.levels[1].textPlacements.count(), kMaxTextPlacements);
}

TEST_F(PlacementEditorTest, DragMovesByWholeCellsAndKeepsTheOffset) {
    Placement off;
    off.object = 1;
    off.x = 3;
    off.y = 5;
    project.levels[1].activePlacements.add(off);
    editor.move(project, 1, settings, 10, 10);  // snapped (16, 16)
    editor.press(project, 1, ObjectKind::Active, 10, 10);
    ASSERT_TRUE(editor.dragging(1));
    EXPECT_FALSE(editor.move(project, 1, settings, 12, 12));  // same cell: no move
    EXPECT_TRUE(editor.move(project, 1, settings, 42, 10));   // (48, 16): two cells right
    EXPECT_EQ(project.levels[1].activePlacements[1].x, 3 + 32);
    EXPECT_EQ(project.levels[1].activePlacements[1].y, 5);
    editor.release(project, 1, ObjectKind::Active, 42, 10, false);
    EXPECT_FALSE(editor.dragging(1));
    EXPECT_FALSE(editor.move(project, 1, settings, 90, 90));
}

TEST_F(PlacementEditorTest, LaterOverlappingPlacementIsDraggedAndSelected) {
    for (int x : {0, 8}) {
        Placement p;
        p.object = 1;
        p.x = x;
        project.levels[1].activePlacements.add(p);
    }
    editor.press(project, 1, ObjectKind::Active, 16, 16);
    EXPECT_EQ(editor.state(1, ObjectKind::Active).dragIndex, 2);
    const PlacementRef selected = editor.release(project, 1, ObjectKind::Active, 16, 16, false);
    EXPECT_EQ(selected.index, 2);
    EXPECT_EQ(editor.view().selectionFrame, (CanvasRect{8, 0, 40, 32}));
}

TEST_F(PlacementEditorTest, OtherKindsCannotBeSelected) {
    Placement p;
    p.object = 1;
    project.levels[1].activePlacements.add(p);
    editor.press(project, 1, ObjectKind::Text, 10, 5);
    EXPECT_FALSE(editor.dragging(1));
    EXPECT_EQ(editor.release(project, 1, ObjectKind::Text, 10, 5, false).index, 0);
    EXPECT_EQ(editor.release(project, 1, ObjectKind::Background, 10, 5, false).index, 0);
}

TEST_F(PlacementEditorTest, RightReleaseSelectsAndDeleteRemovesIt) {
    ASSERT_TRUE(placeAt(ObjectKind::Text, 1, 0, 0));
    ASSERT_TRUE(placeAt(ObjectKind::Text, 1, 100, 100));
    editor.press(project, 1, ObjectKind::Text, 5, 5);
    const PlacementRef selected = editor.release(project, 1, ObjectKind::Text, 5, 5, true);
    ASSERT_EQ(selected.index, 1);
    ASSERT_TRUE(editor.removeSelected(project, 1));
    ASSERT_EQ(project.levels[1].textPlacements.count(), 1);
    EXPECT_EQ(project.levels[1].textPlacements[1].x, 96);
    EXPECT_EQ(editor.view().selectionFrame, CanvasRect{});
    EXPECT_FALSE(editor.removeSelected(project, 1));
}

TEST_F(PlacementEditorTest, TrajectoryEditing) {
    Refusal refusal = Refusal::None;
    EXPECT_FALSE(editor.chooseTrajectory(0, refusal));
    EXPECT_EQ(refusal, Refusal::NoTrajectory);
    EXPECT_FALSE(editor.chooseTrajectory(11, refusal));
    ASSERT_TRUE(editor.chooseTrajectory(3, refusal));
    editor.view().zoom = 50;
    ASSERT_TRUE(editor.appendPoint(project, 1, 23, 41, refusal));  // not snapped
    const Trajectory& t = project.levels[1].trajectories[3];
    ASSERT_EQ(t.pointCount(), 1);
    EXPECT_EQ(t.points[1].x, 46);
    EXPECT_EQ(t.points[1].y, 82);
    EXPECT_TRUE(editor.setDirection(project, 1, 1, 2, 7));
    EXPECT_EQ(t.points[1].d2, 7);
    EXPECT_FALSE(editor.setDirection(project, 1, 1, 2, 7));  // unchanged
    EXPECT_FALSE(editor.setDirection(project, 1, 2, 1, 7));  // no such point
    for (int i = 1; i < kMaxTrajectoryPoints; ++i) {
        ASSERT_TRUE(editor.appendPoint(project, 1, i, i, refusal));
    }
    EXPECT_FALSE(editor.appendPoint(project, 1, 0, 0, refusal));
    EXPECT_EQ(refusal, Refusal::PointsFull);
    EXPECT_TRUE(editor.deleteLastPoint(project, 1));
    EXPECT_EQ(t.pointCount(), kMaxTrajectoryPoints - 1);
    // In trajectory mode a press selects nothing.
    editor.press(project, 1, ObjectKind::Active, 5, 5);
    EXPECT_FALSE(editor.dragging(1));
}

}  // namespace
}  // namespace avizad
