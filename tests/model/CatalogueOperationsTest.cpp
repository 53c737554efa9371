// Moving and deleting object types: records, pictures, event actions, placements on
// every level and control types follow their type.
#include <gtest/gtest.h>

#include "model/CatalogueOperations.h"

namespace avizad {
namespace {

// Three active types A, B, C with an action, a picture, a property and a control
// type each; placements of each type on levels 1 and 2.
Project threeActives(int count = 3) {
    Project p;
    p.levelCount = 2;
    p.activeCount = count;
    p.eventTable.eventCount = 2;
    for (int t = 1; t <= count; ++t) {
        ActiveObject& a = p.actives[t];
        a.name = std::string(1, static_cast<char>('A' + t - 1));
        a.iconWidth = 10 * t;
        a.icon = Image(t, t, rgb(t, 0, 0));
        a.propertyNames[1] = "prop" + a.name;
        a.transparentBackground = t % 2;
        a.reservedInt2 = 100 + t;
        p.eventTable.events[1].activeActions[t].add({"cap" + a.name, "code" + a.name});
        for (int l = 1; l <= 2; ++l) {
            p.levels[l].controlType[t] = t;
            Placement pl;
            pl.object = t;
            pl.x = 100 * l + t;
            p.levels[l].activePlacements.add(pl);
        }
    }
    return p;
}

std::string actionOf(const Project& p, int type) {
    const ActionList& list = p.eventTable.events[1].activeActions[type];
    return list.count() == 0 ? "" : list[1].code;
}

// The name of the type a placement (level, index) shows.
std::string placedName(const Project& p, int level, int index) {
    return p.actives[p.levels[level].activePlacements[index].object].name;
}

TEST(CatalogueOperations, MoveUpExchangesEverythingOnEveryLevel) {
    Project p = threeActives();
    ASSERT_TRUE(moveObjectTypeUp(p, ObjectKind::Active, 2));
    EXPECT_EQ(p.actives[1].name, "B");
    EXPECT_EQ(p.actives[2].name, "A");
    EXPECT_EQ(p.actives[1].icon.width(), 2);
    EXPECT_EQ(p.actives[1].propertyNames[1], "propB");
    EXPECT_EQ(p.actives[1].reservedInt2, 102);
    EXPECT_EQ(p.actives[1].transparentBackground, 0);
    EXPECT_EQ(actionOf(p, 1), "codeB");
    EXPECT_EQ(actionOf(p, 2), "codeA");
    for (int l = 1; l <= 2; ++l) {
        for (int i = 1; i <= 3; ++i) {
            // Placement i was made of the i-th original type and still shows it.
            EXPECT_EQ(placedName(p, l, i), std::string(1, static_cast<char>('A' + i - 1)));
        }
        EXPECT_EQ(p.levels[l].controlType[1], static_cast<int>(ControlType::PersonSide));
        EXPECT_EQ(p.levels[l].controlType[2], static_cast<int>(ControlType::PersonTop));
    }
    EXPECT_EQ(p.activeCount, 3);
}

TEST(CatalogueOperations, FirstUpAndLastDownDoNothing) {
    const Project before = threeActives();
    Project p = before;
    EXPECT_FALSE(moveObjectTypeUp(p, ObjectKind::Active, 1));
    EXPECT_FALSE(moveObjectTypeDown(p, ObjectKind::Active, 3));
    EXPECT_FALSE(moveObjectTypeDown(p, ObjectKind::Active, 0));
    EXPECT_EQ(p, before);
}

TEST(CatalogueOperations, MoveDownThenUpRestoresTheProject) {
    const Project before = threeActives();
    Project p = before;
    ASSERT_TRUE(moveObjectTypeDown(p, ObjectKind::Active, 1));
    EXPECT_EQ(p.actives[2].name, "A");
    ASSERT_TRUE(moveObjectTypeUp(p, ObjectKind::Active, 2));
    EXPECT_EQ(p, before);
}

TEST(CatalogueOperations, FullTableMoves) {
    Project p = threeActives(kMaxActiveTypes);
    ASSERT_TRUE(moveObjectTypeDown(p, ObjectKind::Active, kMaxActiveTypes - 1));
    EXPECT_EQ(p.actives[kMaxActiveTypes].iconWidth, 10 * (kMaxActiveTypes - 1));
    EXPECT_EQ(p.activeCount, kMaxActiveTypes);
}

TEST(CatalogueOperations, DeleteFirstShiftsTheOthersDownWithTheirReferences) {
    Project p = threeActives();
    EXPECT_EQ(objectTypeUses(p, ObjectKind::Active, 1).placements, 2);
    EXPECT_EQ(objectTypeUses(p, ObjectKind::Active, 1).events, 1);
    ASSERT_TRUE(deleteObjectType(p, ObjectKind::Active, 1));
    EXPECT_EQ(p.activeCount, 2);
    EXPECT_EQ(p.actives[1].name, "B");
    EXPECT_EQ(p.actives[2].name, "C");
    EXPECT_EQ(p.actives[2].icon.width(), 3);
    EXPECT_EQ(p.actives[3], ActiveObject{});  // the former last slot is empty
    EXPECT_EQ(actionOf(p, 1), "codeB");
    EXPECT_EQ(actionOf(p, 2), "codeC");
    EXPECT_EQ(actionOf(p, 3), "");
    for (int l = 1; l <= 2; ++l) {
        ASSERT_EQ(p.levels[l].activePlacements.count(), 2);
        EXPECT_EQ(placedName(p, l, 1), "B");
        EXPECT_EQ(placedName(p, l, 2), "C");
        EXPECT_EQ(p.levels[l].controlType[1], static_cast<int>(ControlType::PersonSide));
        EXPECT_EQ(p.levels[l].controlType[2], static_cast<int>(ControlType::Vehicle));
        EXPECT_EQ(p.levels[l].controlType[3], static_cast<int>(ControlType::None));
    }
}

TEST(CatalogueOperations, DeleteLastOnlyEmptiesIt) {
    Project p = threeActives();
    ASSERT_TRUE(deleteObjectType(p, ObjectKind::Active, 3));
    EXPECT_EQ(p.activeCount, 2);
    EXPECT_EQ(p.actives[2].name, "B");
    EXPECT_EQ(p.levels[1].activePlacements.count(), 2);
    EXPECT_FALSE(deleteObjectType(p, ObjectKind::Active, 3));
}

TEST(CatalogueOperations, DeleteRemovesPlacementsLastFirstKeepingOrder) {
    Project p;
    p.backgroundCount = 2;
    p.backgrounds[1].name = "a";
    p.backgrounds[2].name = "b";
    for (int object : {2, 1, 2, 1, 2}) {
        Placement pl;
        pl.object = object;
        pl.x = static_cast<int>(p.levels[1].backgroundPlacements.count());
        p.levels[1].backgroundPlacements.add(pl);
    }
    ASSERT_TRUE(deleteObjectType(p, ObjectKind::Background, 1));
    const PlacementList& list = p.levels[1].backgroundPlacements;
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list[1].x, 0);
    EXPECT_EQ(list[2].x, 2);
    EXPECT_EQ(list[3].x, 4);
    EXPECT_EQ(list[3].object, 1);
}

// Every field of an active type set to a value of its own.
ActiveObject fullActive(int seed) {
    ActiveObject a;
    a.name = "name" + std::to_string(seed);
    a.placingName = "placing" + std::to_string(seed);
    int* fields[] = {
        &a.frameWidth, &a.frameHeight, &a.frameCount,           &a.moveSpeed, &a.acceleration,
        &a.braking,    &a.reservedInt, &a.reservedInt2,         &a.iconWidth, &a.iconHeight,
        &a.stripWidth, &a.stripHeight, &a.transparentBackground};
    for (int* field : fields) {
        *field = seed++;
    }
    a.animation[6][4][4] = seed;
    a.icon = Image(2, 2, rgb(seed, 0, 0));
    a.strip = Image(4, 2, rgb(0, seed, 0));
    a.propertyNames[5] = "pn" + std::to_string(seed);
    a.propertyValues[5] = "pv" + std::to_string(seed);
    return a;
}

TEST(CatalogueOperations, CopyObCopiesTheWholeRecordButWhatStaysInTheSlot) {
    Project p = threeActives();
    p.activeCount = 4;
    p.actives[1] = fullActive(10);
    p.actives[4] = fullActive(50);
    ActiveObject expected = p.actives[1];
    expected.icon = p.actives[4].icon;
    expected.strip = p.actives[4].strip;
    expected.reservedInt2 = p.actives[4].reservedInt2;
    expected.transparentBackground = p.actives[4].transparentBackground;
    expected.propertyNames = p.actives[4].propertyNames;
    expected.propertyValues = p.actives[4].propertyValues;
    copyObjectType(p, ObjectKind::Active, 1, 4);
    EXPECT_EQ(p.actives[4], expected);
    EXPECT_EQ(actionOf(p, 4), "codeA");
    EXPECT_EQ(p.levels[2].activePlacements[1].object, 4);

    ActiveObject cleared;
    cleared.frameCount = 1;
    cleared.icon = expected.icon;
    cleared.strip = expected.strip;
    cleared.reservedInt2 = expected.reservedInt2;
    cleared.transparentBackground = expected.transparentBackground;
    cleared.propertyNames = expected.propertyNames;
    cleared.propertyValues = expected.propertyValues;
    clearObjectType(p, ObjectKind::Active, 4);
    EXPECT_EQ(p.actives[4], cleared);
    EXPECT_EQ(actionOf(p, 4), "");
    EXPECT_EQ(p.levels[1].activePlacements.count(), 2);
    EXPECT_EQ(p.levels[2].activePlacements.count(), 2);
}

TEST(CatalogueOperations, CopyObOfABackgroundCarriesItsTileMap) {
    Project p;
    p.backgroundCount = 2;
    BackgroundObject& from = p.backgrounds[1];
    from.name = "wall";
    from.kind = 1;
    from.tileWidth = from.tileHeight = 16;
    from.columns = 3;
    from.rows = 2;
    from.tileMap.at(2, 3) = 7;
    from.mapPictureWidth = 48;
    from.reservedInt = 5;
    p.backgrounds[2].tileSet = Image(3, 3);
    p.backgrounds[2].reservedInt = 9;
    copyObjectType(p, ObjectKind::Background, 1, 2);
    const BackgroundObject& to = p.backgrounds[2];
    EXPECT_EQ(to.name, "wall");
    EXPECT_EQ(to.kind, 1);
    EXPECT_EQ(to.tileMap.at(2, 3), 7);
    EXPECT_EQ(to.mapPictureWidth, 48);
    EXPECT_EQ(to.tileSet.width(), 3) << "pictures stay in the slot";
    EXPECT_EQ(to.reservedInt, 9) << "so does the value no editor sets";
}

TEST(CatalogueOperations, TextAndIndicatorTypesMove) {
    Project p;
    p.textCount = 2;
    p.texts[1].fileName = "one.png";
    p.texts[2].fileName = "two.png";
    p.texts[2].lineCount = 1;
    p.texts[2].lines[1] = "hello";
    Placement pl;
    pl.object = 2;
    p.levels[1].textPlacements.add(pl);
    ASSERT_TRUE(moveObjectTypeUp(p, ObjectKind::Text, 2));
    EXPECT_EQ(p.texts[1].lines[1], "hello");
    EXPECT_EQ(p.levels[1].textPlacements[1].object, 1);

    p.indicatorCount = 2;
    p.indicators[1].name = "x";
    p.indicators[2].image = Image(4, 2);
    ASSERT_TRUE(moveObjectTypeDown(p, ObjectKind::Indicator, 1));
    EXPECT_EQ(p.indicators[2].name, "x");
    EXPECT_EQ(p.indicators[1].image.width(), 4);
}

}  // namespace
}  // namespace avizad
