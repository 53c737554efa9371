// What the game shows of an object type: the transparent backdrop, the start frame, the
// indicator's size and fill, the text's first row and the thumbnails.
#include <gtest/gtest.h>

#include "editors/ObjectLook.h"

namespace avizad {
namespace {

constexpr Color kMagenta = rgb(255, 0, 255);
constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBlue = rgb(0, 0, 255);

// Two 2 x 2 frames on a magenta backdrop: frame 1 has a red pixel at (0, 0), frame 2 a
// blue one at (3, 1).
ActiveObject twoFrames(bool transparent) {
    ActiveObject a;
    a.strip = Image(4, 2, kMagenta);
    a.strip.setPixel(0, 0, kRed);
    a.strip.setPixel(3, 1, kBlue);
    a.frameCount = 2;
    a.frameWidth = 2;
    a.frameHeight = 2;
    a.transparentBackground = transparent ? 1 : 0;
    return a;
}

TEST(ObjectLookTest, TheBackdropIsThePixelAtOneOneAndOnlyItsColourGoes) {
    ActiveObject a = twoFrames(true);
    ASSERT_EQ(backdropColor(a), kMagenta);
    a.strip.setAlpha(0, 0, 0);  // an alpha plane of the file does not reach the game
    const Image look = withTransparentBackdrop(a.strip, backdropColor(a));
    EXPECT_EQ(look.alpha(0, 0), 255);
    EXPECT_EQ(look.alpha(1, 0), 0);
    EXPECT_EQ(look.alpha(3, 1), 255);
    EXPECT_EQ(look.pixel(1, 0), kMagenta);  // the colour stays, only hidden

    EXPECT_EQ(backdropColor(twoFrames(false)), std::nullopt);
    EXPECT_FALSE(withTransparentBackdrop(twoFrames(false).strip, std::nullopt).hasAlpha());
    ActiveObject tiny = twoFrames(true);
    tiny.strip = Image(1, 1, kRed);  // no pixel at (1, 1)
    EXPECT_EQ(backdropColor(tiny), std::nullopt);
}

TEST(ObjectLookTest, TheStartFrameIsTheFirstOfIdleFacingRight) {
    ActiveObject a = twoFrames(true);
    EXPECT_EQ(startFrame(a), 1);  // an empty sequence shows frame 1
    a.animation[1][static_cast<int>(Direction::Right)][static_cast<int>(AnimationState::Idle)] = 2;
    a.animation[1][static_cast<int>(Direction::Left)][static_cast<int>(AnimationState::Idle)] = 1;
    EXPECT_EQ(startFrame(a), 2);
    const Image look = activeLook(a);
    ASSERT_EQ(look.width(), 2);
    ASSERT_EQ(look.height(), 2);
    EXPECT_EQ(look.pixel(1, 1), kBlue);
    EXPECT_EQ(look.alpha(1, 1), 255);
    EXPECT_EQ(look.alpha(0, 0), 0);
    // A frame the strip does not have: the game shows frame 1.
    a.animation[1][static_cast<int>(Direction::Right)][static_cast<int>(AnimationState::Idle)] = 5;
    EXPECT_EQ(startFrame(a), 1);
}

TEST(ObjectLookTest, LookCacheGivesOneLookPerStripAndFollowsTheSwitch) {
    LookCache cache;
    ActiveObject a = twoFrames(true);
    const Image* first = &cache.active(a);
    EXPECT_EQ(first, &cache.active(a));
    EXPECT_EQ(first->alpha(1, 0), 0);
    a.transparentBackground = 0;
    EXPECT_FALSE(cache.active(a).hasAlpha());
}

TEST(ObjectLookTest, AnIndicatorIsHalfItsPictureFilledToItsValue) {
    IndicatorObject bar;
    bar.image = Image(40, 8, kRed);
    bar.imageWidth = 40;
    bar.imageHeight = 8;
    bar.amount = 4;
    struct Case {
        int value;
        PixelRect full;
        PixelRect empty;
    };
    const Case cases[] = {
        {0, {0, 0, 0, 8}, {20, 0, 20, 8}},  // the game starts every indicator at 0
        {1, {0, 0, 5, 8}, {25, 0, 15, 8}},
        {4, {0, 0, 20, 8}, {40, 0, 0, 8}},
        {9, {0, 0, 20, 8}, {40, 0, 0, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const IndicatorLook look = indicatorLook(bar, c.value);
        EXPECT_EQ(look.width, 20);
        EXPECT_EQ(look.height, 8);
        EXPECT_EQ(look.full, c.full);
        EXPECT_EQ(look.empty, c.empty);
    }
    bar.imageWidth = 100;  // no wider than the picture holds
    EXPECT_EQ(indicatorLook(bar).width, 20);
    bar.image = Image();
    EXPECT_EQ(indicatorLook(bar), IndicatorLook{});
}

TEST(ObjectLookTest, ATextShowsEveryRowInItsFontAndColour) {
    const FontMeasure measure;
    TextObject text;
    text.kind = 2;
    text.size = 1;
    text.bold = 1;
    text.colorR = 10;
    text.colorG = 20;
    text.colorB = 30;
    text.lineCount = 2;
    text.lines[1] = "Score and lives";  // 15 monospace characters: wraps at the blank in 100
    text.lines[2] = "second";
    text.lines[3] = "not counted";
    const TextLook look = textLook(text, measure);
    EXPECT_EQ(look.font, (PhoneFont{phonefont::Face::Monospace, phonefont::Size::Medium,
                                    phonefont::kStyleBold}));
    const int row = measure.height(look.font);
    const std::vector<TextRow> rows = {{"Score and", 0}, {"lives", row}, {"second", 2 * row}};
    EXPECT_EQ(look.rows, rows);
    EXPECT_EQ(look.width, measure.width(look.font, "Score and"));
    EXPECT_EQ(look.height, 3 * row);
    EXPECT_EQ(look.color, rgb(10, 20, 30));
    text.lineCount = 0;
    EXPECT_TRUE(textLook(text, measure).rows.empty());
    EXPECT_EQ(textLook(text, measure).width, 0);
}

TEST(ObjectLookTest, ABackgroundThumbnailIsItsMapFromTheTiles) {
    Project p;
    p.backgroundCount = 1;
    BackgroundObject& b = p.backgrounds[1];
    b.tileSet = Image(4, 2, kRed);  // two tiles: red, blue
    for (int y = 0; y < 2; ++y) {
        for (int x = 2; x < 4; ++x) {
            b.tileSet.setPixel(x, y, kBlue);
        }
    }
    b.tileSetWidth = 4;
    b.tileSetHeight = 2;
    b.tileWidth = b.tileHeight = 2;
    b.columns = 3;
    b.rows = 1;
    b.tileMap.at(1, 1) = 2;
    b.tileMap.at(1, 3) = 1;
    b.mapPicture = Image(6, 2, rgb(0, 255, 0));  // a stored picture that no longer matches
    const Image thumb = objectThumbnail(p, ObjectKind::Background, 1, 12);
    ASSERT_EQ(thumb.width(), 12);
    ASSERT_EQ(thumb.height(), 4);
    EXPECT_EQ(thumb.pixel(1, 1), kBlue);
    EXPECT_EQ(thumb.alpha(6, 1), 0);  // the empty cell
    EXPECT_EQ(thumb.pixel(10, 3), kRed);
    EXPECT_TRUE(objectThumbnail(p, ObjectKind::Background, 2, 12).isNull());
}

}  // namespace
}  // namespace avizad
