#include <gtest/gtest.h>

#include "ProjectFixture.h"
#include "model/Project.h"

namespace avizad {
namespace {

TEST(Project, StartsAsTheProgramStarts) {
    const Project p;
    EXPECT_EQ(p.levelCount, 1);
    EXPECT_EQ(p.levels[1].width, 240);
    EXPECT_EQ(p.levels[1].height, 320);
    EXPECT_EQ(p.levels[1].name, "");
    EXPECT_EQ(p.midletName, "syrk");
    EXPECT_EQ(p.midletVendor, "tulvask");
    EXPECT_EQ(p.midletVersion, "1.0");
    EXPECT_EQ(p.currentLevel, 0);
    for (const ObjectKind kind : kAllKinds) {
        EXPECT_EQ(p.typeCount(kind), 0);
    }
    EXPECT_EQ(p.eventCount(), 0);
}

TEST(Project, KindKeysCaptionsAndCapacities) {
    struct Row {
        ObjectKind kind;
        const char* key;
        const char* caption;
        int types;
        int placements;
    };
    const Row rows[] = {
        {ObjectKind::Background, "fon", "Фоновые объекты", 30, 100},
        {ObjectKind::Active, "active", "Активные объекты", 30, 100},
        {ObjectKind::Indicator, "line", "Объекты-индикаторы", 20, 20},
        {ObjectKind::Text, "text", "Текстовые объекты", 20, 20},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(kindKey(row.kind), row.key);
        EXPECT_EQ(kindCaption(row.kind), utf8ToCp1251(row.caption));
        EXPECT_EQ(typeCapacity(row.kind), row.types);
        EXPECT_EQ(placementCapacity(row.kind), row.placements);
        EXPECT_EQ(Level{}.placements(row.kind).capacity(), row.placements);
    }
}

TEST(Project, TablesRefuseIndicesOutsideTheirCapacity) {
    Project p;
    EXPECT_THROW(p.levels[0], IndexError);
    EXPECT_THROW(p.levels[11], IndexError);
    EXPECT_THROW(p.backgrounds[1].tileMap.at(101, 1), IndexError);
    EXPECT_THROW(p.levels[1].activePlacements[1], IndexError) << "only 1..count is readable";
    PlacementList& texts = p.levels[1].textPlacements;
    for (int i = 0; i < kMaxTextPlacements; ++i) {
        texts.add();
    }
    EXPECT_TRUE(texts.full());
    EXPECT_THROW(texts.add(), CapacityError);
    EXPECT_EQ(texts.count(), kMaxTextPlacements);
}

TEST(Project, ClearColumnEmptiesOneTypeInEveryEvent) {
    Project p = testing::makeFixtureProject();
    clearColumn(p, ObjectKind::Active, 2);
    for (int e = 1; e <= p.eventCount(); ++e) {
        EXPECT_EQ(p.eventTable.events[e].activeActions[2].count(), 0);
        EXPECT_EQ(p.eventTable.events[e].activeActions[1].count(), 2);
        EXPECT_EQ(p.eventTable.events[e].backgroundActions[2].count(), 2);
    }
}

TEST(Project, CopyColumnCopiesItemsUnchanged) {
    Project p = testing::makeFixtureProject();
    clearColumn(p, ObjectKind::Text, 2);
    copyColumn(p, ObjectKind::Text, 1, 2);
    for (int e = 1; e <= p.eventCount(); ++e) {
        const Event& event = p.eventTable.events[e];
        EXPECT_EQ(event.textActions[2], event.textActions[1]);
        EXPECT_EQ(event.textActions[2][1].caption, "caption 1") << "codes still name type a";
    }
}

TEST(Project, ClearProjectEmptiesEventsAndActivePlacementsOnly) {
    Project p = testing::makeFixtureProject();
    p.midletName = "kept";
    clearProject(p);
    EXPECT_EQ(p.eventCount(), 0);
    EXPECT_EQ(p.eventTable.events[1].conditionCaption, "");
    for (int l = 1; l <= kMaxLevels; ++l) {
        EXPECT_EQ(p.levels[l].activePlacements.count(), 0);
    }
    EXPECT_EQ(p.levels[1].backgroundPlacements.count(), 1);
    EXPECT_EQ(p.backgroundCount, 2);
    EXPECT_EQ(p.levelCount, 3);
    EXPECT_EQ(p.midletName, "kept");
    resetMidletSettings(p);
    EXPECT_EQ(p.midletName, "Project1");
    EXPECT_EQ(p.midletVendor, "tulvask");
    EXPECT_EQ(p.midletVersion, "1.0");
}

}  // namespace
}  // namespace avizad
