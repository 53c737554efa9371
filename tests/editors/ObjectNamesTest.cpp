// Names of new object types and copies of a type under a new name.
#include <gtest/gtest.h>

#include "editors/ObjectNames.h"

namespace avizad {
namespace {

TEST(ObjectNamesTest, ANewTypeGetsTheFirstFreeNumber) {
    Project p;
    EXPECT_EQ(newObjectName(p, ObjectKind::Active), "active1");
    p.activeCount = 2;
    p.actives[1].name = "active1";
    p.actives[2].name = "active3";
    EXPECT_EQ(newObjectName(p, ObjectKind::Active), "active2");
    p.textCount = 1;
    p.texts[1].fileName = "text1.png";  // texts are named without ".png"
    EXPECT_EQ(newObjectName(p, ObjectKind::Text), "text2");
    EXPECT_EQ(newObjectName(p, ObjectKind::Background), "fon1");
    EXPECT_EQ(newObjectName(p, ObjectKind::Indicator), "line1");
}

TEST(ObjectNamesTest, ACopyTakesEverythingUnderANewNameAndItsControlTypes) {
    Project p;
    p.activeCount = 2;
    p.actives[1].name = "hero";
    p.actives[1].moveSpeed = 7;
    p.actives[1].strip = Image(4, 2, rgb(1, 2, 3));
    p.actives[2].name = "hero2";
    p.levels[1].controlType[1] = static_cast<int>(ControlType::PersonSide);
    p.levels[3].controlType[1] = static_cast<int>(ControlType::Vehicle);
    ASSERT_EQ(duplicateObjectType(p, ObjectKind::Active, 1), 3);
    EXPECT_EQ(p.activeCount, 3);
    EXPECT_EQ(p.actives[3].name, "hero3");
    EXPECT_EQ(p.actives[3].moveSpeed, 7);
    EXPECT_TRUE(p.actives[3].strip.sharesPixelsWith(p.actives[1].strip));
    EXPECT_EQ(p.levels[1].controlType[3], static_cast<int>(ControlType::PersonSide));
    EXPECT_EQ(p.levels[3].controlType[3], static_cast<int>(ControlType::Vehicle));
    EXPECT_EQ(duplicateObjectType(p, ObjectKind::Active, 3), 4);
    EXPECT_EQ(p.actives[4].name, "hero4");

    p.textCount = 1;
    p.texts[1].fileName = "score.png";
    ASSERT_EQ(duplicateObjectType(p, ObjectKind::Text, 1), 2);
    EXPECT_EQ(p.texts[2].fileName, "score2.png");
}

TEST(ObjectNamesTest, NoCopyOfAMissingTypeOrIntoAFullTable) {
    Project p;
    EXPECT_EQ(duplicateObjectType(p, ObjectKind::Indicator, 1), 0);
    p.indicatorCount = kMaxIndicatorTypes;
    EXPECT_EQ(duplicateObjectType(p, ObjectKind::Indicator, 1), 0);
    EXPECT_EQ(p.indicatorCount, kMaxIndicatorTypes);
}

}  // namespace
}  // namespace avizad
