// Frame geometry, frame picking, the direction picker and the active object's draft.

#include <gtest/gtest.h>

#include "editors/ActiveDraft.h"
#include "editors/DirectionPicker.h"
#include "editors/FrameStrip.h"

namespace avizad {
namespace {

TEST(FrameStripTest, FrameWidthRoundsHalvesToEven) {
    struct Case {
        int stripWidth, frames, width;
    } cases[] = {{100, 3, 33}, {5, 2, 2}, {7, 2, 4}, {128, 4, 32}, {10, 20, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(frameWidth(c.stripWidth, c.frames), c.width) << c.stripWidth << "/" << c.frames;
    }
    EXPECT_EQ(frameRect(3, 33, 20), (PixelRect{66, 0, 33, 20}));
}

TEST(FrameStripTest, ViewScaleIsTheLargerRatio) {
    EXPECT_DOUBLE_EQ(sourceViewScale(754, 82), 2.0);
    EXPECT_DOUBLE_EQ(sourceViewScale(377, 41), 1.0);
    EXPECT_NEAR(sourceViewScale(300, 100), 2.439, 0.001);
}

TEST(FrameStripTest, PickingAFrame) {
    struct Case {
        int x, stripWidth, stripHeight, frames, picked;
    } cases[] = {
        {100, 754, 82, 4, 2},  // trunc(200 / 188.5) + 1
        {0, 754, 82, 4, 1},    {94, 754, 82, 4, 1},  {95, 754, 82, 4, 2}, {376, 754, 82, 4, 4},
        {370, 754, 82, 4, 4},  {200, 754, 82, 4, 3},  // trunc(400 / 188.5) + 1
        {30, 300, 100, 3, 1},                         // scale 2.439: 73.2 / 100
        {42, 300, 100, 3, 2},                         // 102.4 / 100
        {83, 300, 100, 3, 3},                         // 202.4 / 100
        {300, 300, 100, 3, 3},                        // right of the last frame: the last frame
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pickFrame(c.x, c.stripWidth, c.stripHeight, c.frames), c.picked)
            << "x " << c.x << " strip " << c.stripWidth << "x" << c.stripHeight;
    }
}

TEST(FrameStripTest, FrameImageCutsTheStrip) {
    Image strip(7, 2);
    for (int x = 0; x < 7; ++x) {
        strip.setPixel(x, 0, x + 1);
    }
    const Image second = frameImage(strip, 2, 2);  // width 4: x 4..7, the last column outside
    ASSERT_EQ(second.width(), 4);
    EXPECT_EQ(second.pixel(0, 0), 5);
    EXPECT_EQ(second.pixel(2, 0), 7);
    EXPECT_EQ(second.alpha(3, 0), 0);
    EXPECT_EQ(second.alpha(2, 0), 255);
}

TEST(DirectionPickerTest, ChoosesTheSideUnlessOnADiagonal) {
    // Centre of the 137 x 129 picker: (68, 64).
    struct Case {
        int x, y;
        Direction previous, chosen;
    } cases[] = {
        {120, 70, Direction::Up, Direction::Right},  {10, 60, Direction::Up, Direction::Left},
        {70, 5, Direction::Right, Direction::Up},    {60, 120, Direction::Right, Direction::Down},
        {78, 74, Direction::Left, Direction::Left},  // dx = dy = 10
        {58, 74, Direction::Up, Direction::Up},      // dx = -10, dy = 10
        {68, 64, Direction::Down, Direction::Down},  // the centre
        {69, 64, Direction::Down, Direction::Right},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chooseDirection(c.x, c.y, kPickerWidth, kPickerHeight, c.previous), c.chosen)
            << c.x << "," << c.y;
    }
}

TEST(DirectionPickerTest, ArrowFiguresPointToTheChosenSide) {
    using P = PixelPoint;
    const int w = kPickerWidth, h = kPickerHeight;
    EXPECT_EQ(arrowFigure(Direction::Right, w, h),
              (std::vector<P>{{68, 64}, {107, 64}, {107, 59}, {117, 64}, {107, 69}, {107, 64}}));
    EXPECT_EQ(arrowFigure(Direction::Left, w, h),
              (std::vector<P>{{68, 64}, {30, 64}, {30, 59}, {20, 64}, {30, 69}, {30, 64}}));
    EXPECT_EQ(arrowFigure(Direction::Up, w, h),
              (std::vector<P>{{68, 64}, {68, 30}, {63, 30}, {68, 20}, {73, 30}, {68, 30}}));
    EXPECT_EQ(arrowFigure(Direction::Down, w, h),
              (std::vector<P>{{68, 64}, {68, 99}, {63, 99}, {68, 109}, {73, 99}, {68, 99}}));
    EXPECT_EQ(startLine(w, h), (std::vector<P>{{68, 64}, {117, 64}}));
}

TEST(FrameStripTest, GameSequenceSkipsEmptyPositions) {
    AnimationTable table{};
    const int move = static_cast<int>(AnimationState::Move);
    const int left = static_cast<int>(Direction::Left);
    table[2][left][move] = 3;
    table[3][left][move] = 1;
    table[6][left][move] = 4;
    EXPECT_EQ(gameSequence(table, Direction::Left, AnimationState::Move),
              (std::vector<int>{0, 2, 0, 3}));
    table[1][left][move] = 2;
    EXPECT_EQ(gameSequence(table, Direction::Left, AnimationState::Move),
              (std::vector<int>{1, 2, 0, 3}));
    EXPECT_EQ(gameSequence(table, Direction::Up, AnimationState::Move), std::vector<int>{0});
}

TEST(ActiveDraftTest, AssignsPickedFramesToTheEditedStateAndDirection) {
    ActiveDraft draft;
    draft.assign(1);  // no strip yet: nothing
    EXPECT_EQ(draft.frameAt(1), 0);
    draft.strip = Image(100, 10);
    draft.frameCount = 3;
    draft.assign(2);  // nothing picked yet: stores 0
    EXPECT_EQ(draft.frameAt(2), 0);
    draft.pickedFrame = 3;
    draft.direction = Direction::Down;
    draft.state = AnimationState::Destroy;
    draft.assign(6);
    EXPECT_EQ(draft.animation[6][4][4], 3);
    draft.direction = Direction::Up;
    EXPECT_EQ(draft.frameAt(6), 0);

    draft.name = "hero";
    draft.transparentBackground = true;
    ActiveObject object;
    object.reservedInt2 = 9;
    draft.storeInto(object);
    EXPECT_EQ(object.frameWidth, 33);
    EXPECT_EQ(object.frameHeight, 10);
    EXPECT_EQ(object.iconWidth, 33);
    EXPECT_EQ(object.iconHeight, 10);
    EXPECT_EQ(object.stripWidth, 100);
    EXPECT_EQ(object.frameCount, 3);
    EXPECT_EQ(object.animation[6][4][4], 3);
    EXPECT_EQ(object.transparentBackground, 1);
    EXPECT_EQ(object.name, "hero");
    EXPECT_EQ(object.reservedInt2, 9);

    // A new object inherits nothing of the one before.
    draft.moveSpeed = 7;
    draft.acceleration = 5;
    draft.controlType = static_cast<int>(ControlType::PersonSide);
    draft.startNew("active2");
    EXPECT_EQ(draft.name, "active2");
    EXPECT_EQ(draft.acceleration, 1);
    EXPECT_EQ(draft.moveSpeed, 1);
    EXPECT_EQ(draft.frameCount, 2);
    EXPECT_EQ(draft.controlType, static_cast<int>(ControlType::None));
    EXPECT_FALSE(draft.transparentBackground);
    EXPECT_FALSE(draft.hasImage());
    EXPECT_EQ(draft.pickedFrame, 0);
    EXPECT_EQ(draft.direction, Direction::Right);
    EXPECT_EQ(draft.animation, AnimationTable{});

    ActiveDraft opened;
    opened.open(object, 2);
    EXPECT_EQ(opened.controlType, static_cast<int>(ControlType::PersonSide));
    EXPECT_EQ(opened.frameCount, 3);
    EXPECT_EQ(opened.animation[6][4][4], 3);
    EXPECT_TRUE(opened.transparentBackground);
}

}  // namespace
}  // namespace avizad
