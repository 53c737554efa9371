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
            addPlacement(project, 1, *made);
        }
        return made.has_value();
    }
    // A pointer move to (x, y) with a placement pressed: the dragged one moves.
    bool drag(int x, int y, bool snap = true) {
        const std::optional<PlacementMove> move = editor.dragTo(project, 1, settings, x, y, snap);
        editor.track(settings, 1, x, y, snap);
        if (!move) {
            return false;
        }
        movePlacement(project, 1, *move);
        return true;
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
    editor.release(1, true);
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
    editor.track(settings, 1, 10, 10);  // snapped (16, 16)
    editor.press(project, 1, 10, 10);
    ASSERT_TRUE(editor.dragging(1));
    EXPECT_FALSE(drag(12, 12));  // same cell: no move
    EXPECT_TRUE(drag(42, 10));   // (48, 16): two cells right
    EXPECT_EQ(project.levels[1].activePlacements[1].x, 3 + 32);
    EXPECT_EQ(project.levels[1].activePlacements[1].y, 5);
    editor.release(1, false);
    EXPECT_FALSE(editor.dragging(1));
    EXPECT_FALSE(drag(90, 90));
}

TEST_F(PlacementEditorTest, WithoutSnappingPlacingAndDraggingFollowThePointer) {
    editor.arm(project, 1, ObjectKind::Active, 1);
    editor.track(settings, 1, 23, 40, false);
    Refusal refusal = Refusal::None;
    const auto made = editor.place(project, 1, refusal);
    ASSERT_TRUE(made.has_value());
    EXPECT_EQ(made->placement.x, 23);  // a 24-pixel hero stands where it is put
    EXPECT_EQ(made->placement.y, 40);
    project.levels[1].activePlacements.add(made->placement);
    editor.disarm(1);
    editor.track(settings, 1, 30, 50, false);
    editor.press(project, 1, 30, 50);
    EXPECT_TRUE(drag(33, 51, false));
    EXPECT_EQ(project.levels[1].activePlacements[1].x, 26);
    EXPECT_EQ(project.levels[1].activePlacements[1].y, 41);
}

TEST_F(PlacementEditorTest, APressSelectsThePlacementOnTopOfAnyKind) {
    project.backgroundCount = 1;
    project.backgrounds[1].tileWidth = project.backgrounds[1].tileHeight = 32;
    project.backgrounds[1].columns = project.backgrounds[1].rows = 2;
    for (ObjectKind kind : {ObjectKind::Background, ObjectKind::Active, ObjectKind::Active}) {
        Placement p;
        p.object = 1;
        p.x = kind == ObjectKind::Active ? project.levels[1].activePlacements.count() * 8 : 0;
        project.levels[1].placements(kind).add(p);
    }
    // The later of two overlapping actives, over the background.
    PlacementRef hit = editor.press(project, 1, 16, 16);
    EXPECT_EQ(hit, (PlacementRef{ObjectKind::Active, 2, 1}));
    EXPECT_EQ(editor.state(1, ObjectKind::Active).dragIndex, 2);
    EXPECT_EQ(editor.selected(), hit);
    EXPECT_EQ(editor.view().selectionFrame, (CanvasRect{8, 0, 40, 32}));
    // Beside the actives only the background is there.
    hit = editor.press(project, 1, 50, 50);
    EXPECT_EQ(hit, (PlacementRef{ObjectKind::Background, 1, 1}));
    EXPECT_EQ(editor.view().selectionFrame, (CanvasRect{0, 0, 64, 64}));
    // Empty ground ends the selection.
    EXPECT_EQ(editor.press(project, 1, 500, 500).index, 0);
    EXPECT_EQ(editor.selected().index, 0);
    EXPECT_EQ(editor.view().selectionFrame, CanvasRect{});
}

TEST_F(PlacementEditorTest, TheSelectionFollowsTheProject) {
    ASSERT_TRUE(placeAt(ObjectKind::Active, 1, 0, 0));
    editor.press(project, 1, 5, 5);
    ASSERT_EQ(editor.selected().index, 1);
    project.levels[1].activePlacements[1].x = 64;  // undo of a drag, say
    editor.refreshSelection(project, 1);
    EXPECT_EQ(editor.view().selectionFrame, (CanvasRect{64, 0, 96, 32}));
    project.levels[1].activePlacements.removeAt(1);  // undo of the placing
    editor.refreshSelection(project, 1);
    EXPECT_EQ(editor.selected().index, 0);
    EXPECT_EQ(editor.view().selectionFrame, CanvasRect{});
}

TEST_F(PlacementEditorTest, DeletingMovesTheLaterPlacementsDownAndRefusesWhatIsNotThere) {
    ASSERT_TRUE(placeAt(ObjectKind::Active, 1, 0, 0));
    ASSERT_TRUE(placeAt(ObjectKind::Active, 1, 64, 0));
    EXPECT_FALSE(deletePlacement(project, 1, {ObjectKind::Active, 3, 1}));
    EXPECT_FALSE(deletePlacement(project, 1, {ObjectKind::Text, 1, 1}));
    EXPECT_TRUE(deletePlacement(project, 1, {ObjectKind::Active, 1, 1}));
    ASSERT_EQ(project.levels[1].activePlacements.count(), 1);
    EXPECT_EQ(project.levels[1].activePlacements[1].x, 64);
}

TEST_F(PlacementEditorTest, ArrowsNudgeAndACopyIsPastedAtThePointer) {
    Refusal refusal = Refusal::None;
    EXPECT_FALSE(editor.nudge(project, 1, 1, 0));
    EXPECT_FALSE(editor.copySelected(project, 1));
    ASSERT_TRUE(placeAt(ObjectKind::Active, 1, 0, 0));
    editor.press(project, 1, 5, 5);
    const auto nudged = editor.nudge(project, 1, 0, -16);
    ASSERT_TRUE(nudged.has_value());
    EXPECT_EQ(nudged->placement, (PlacementRef{ObjectKind::Active, 1, 1}));
    EXPECT_EQ(nudged->x, 0);
    EXPECT_EQ(nudged->y, -16);
    ASSERT_TRUE(editor.copySelected(project, 1));
    editor.track(settings, 1, 100, 100);
    const auto pasted = editor.paste(project, 1, refusal);
    ASSERT_TRUE(pasted.has_value());
    EXPECT_EQ(pasted->kind, ObjectKind::Active);
    EXPECT_EQ(pasted->placement.x, 96);
    EXPECT_EQ(pasted->placement.y, 96);
    EXPECT_EQ(pasted->placement.objectName, "hero");
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
    editor.press(project, 1, 5, 5);
    EXPECT_FALSE(editor.dragging(1));
}

}  // namespace
}  // namespace avizad
