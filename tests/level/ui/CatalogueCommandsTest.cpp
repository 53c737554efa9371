// The catalogue's palette and commands: selecting, moving and deleting object types
// with their placements on every level and their event actions, undone and redone.
#include <gtest/gtest.h>

#include <QAction>

#include "LevelEditorFixture.h"

namespace avizad {
namespace {

using CatalogueCommandsTest = testing::LevelEditorFixture;

// Active types "a", "b" and "c", one placement of each on both levels, an action each.
Project threeTypes() {
    Project p = CatalogueCommandsTest::smallProject();
    p.activeCount = 3;
    p.eventTable.eventCount = 1;
    for (int t = 1; t <= 3; ++t) {
        p.actives[t].name = std::string(1, static_cast<char>('a' + t - 1));
        p.actives[t].icon = Image(8, 8, rgb(40 * t, 0, 0));
        p.actives[t].iconWidth = p.actives[t].iconHeight = 8;
        p.eventTable.events[1].activeActions[t].add({"do", "code" + std::to_string(t)});
        for (int l = 1; l <= 2; ++l) {
            Placement pl;
            pl.object = t;
            pl.x = 20 * t;
            p.levels[l].activePlacements.add(pl);
        }
    }
    return p;
}

TEST_F(CatalogueCommandsTest, ClickSelectsAndMoveUpFollowsEverywhere) {
    open(threeTypes());
    window->catalogue()->chooseKind(ObjectKind::Active);
    commands()->upAction()->trigger();  // nothing selected: nothing moves
    EXPECT_EQ(project().actives[1].name, "a");
    clickSlot(2);
    EXPECT_EQ(window->values().selectedObject, 2);
    EXPECT_EQ(palette()->highlightSlot(), 2);
    commands()->upAction()->trigger();
    EXPECT_EQ(project().actives[1].name, "b");
    EXPECT_EQ(project().eventTable.events[1].activeActions[1][1].code, "code2");
    for (int l = 1; l <= 2; ++l) {
        EXPECT_EQ(project().levels[l].activePlacements[2].object, 1);  // b's placement
        EXPECT_EQ(project().levels[l].activePlacements[1].object, 2);
    }
    EXPECT_EQ(window->values().selectedObject, 1);
    commands()->upAction()->trigger();  // the first type cannot go higher
    EXPECT_EQ(project().actives[1].name, "b");
    undo()->undo();
    EXPECT_EQ(project().actives[1].name, "a");
    EXPECT_EQ(project().levels[2].activePlacements[1].object, 1);
    undo()->redo();
    EXPECT_EQ(project().actives[1].name, "b");
}

TEST_F(CatalogueCommandsTest, DuplicateCopiesTheTypeUnderANewNameAsOneEdit) {
    Project p = threeTypes();
    p.levels[2].controlType[2] = static_cast<int>(ControlType::Vehicle);
    open(p);
    window->catalogue()->chooseKind(ObjectKind::Active);
    commands()->duplicateAction()->trigger();  // nothing selected: no copy
    EXPECT_EQ(project().activeCount, 3);
    clickSlot(2);
    commands()->duplicateAction()->trigger();
    ASSERT_EQ(project().activeCount, 4);
    EXPECT_EQ(project().actives[4].name, "b2");
    EXPECT_EQ(project().actives[4].icon, project().actives[2].icon);
    EXPECT_EQ(project().levels[2].controlType[4], static_cast<int>(ControlType::Vehicle));
    EXPECT_EQ(window->values().selectedObject, 4);
    EXPECT_EQ(palette()->highlightSlot(), 4);
    EXPECT_EQ(undo()->undoText(), QStringLiteral("Дублирование объекта"));
    undo()->undo();
    EXPECT_EQ(project().activeCount, 3);
    EXPECT_EQ(project().levels[2].controlType[4], static_cast<int>(ControlType::None));
}

TEST_F(CatalogueCommandsTest, MoveDown) {
    open(threeTypes());
    window->catalogue()->chooseKind(ObjectKind::Active);
    clickSlot(3);
    commands()->downAction()->trigger();
    EXPECT_EQ(project().actives[3].name, "c");
    clickSlot(1);
    commands()->downAction()->trigger();
    EXPECT_EQ(project().actives[2].name, "a");
    EXPECT_EQ(project().levels[2].activePlacements[1].object, 2);
}

TEST_F(CatalogueCommandsTest, DeleteAsksWithTheCountsAndUndoes) {
    open(threeTypes());
    window->catalogue()->chooseKind(ObjectKind::Active);
    QString asked;
    bool answer = false;
    commands()->confirm = [&](QWidget*, const QString& question) {
        asked = question;
        return answer;
    };
    clickSlot(1);
    commands()->deleteAction()->trigger();
    EXPECT_TRUE(asked.contains(QStringLiteral("2")));
    EXPECT_EQ(project().activeCount, 3);
    answer = true;
    commands()->deleteAction()->trigger();
    ASSERT_EQ(project().activeCount, 2);
    EXPECT_EQ(project().actives[1].name, "b");
    EXPECT_EQ(project().eventTable.events[1].activeActions[1][1].code, "code2");
    EXPECT_EQ(project().eventTable.events[1].activeActions[3].count(), 0);
    for (int l = 1; l <= 2; ++l) {
        ASSERT_EQ(project().levels[l].activePlacements.count(), 2);
        EXPECT_EQ(project().levels[l].activePlacements[1].object, 1);
        EXPECT_EQ(project().levels[l].activePlacements[1].x, 40);
    }
    EXPECT_EQ(window->values().selectedObject, 0);
    undo()->undo();
    EXPECT_EQ(project().activeCount, 3);
    EXPECT_EQ(project().levels[2].activePlacements.count(), 3);
    EXPECT_EQ(project().actives[1].icon.pixel(0, 0), rgb(40, 0, 0));
}

TEST_F(CatalogueCommandsTest, UnusedTypeIsDeletedWithoutAQuestion) {
    Project p = smallProject();
    open(p);
    window->catalogue()->chooseKind(ObjectKind::Text);
    int asked = 0;
    commands()->confirm = [&](QWidget*, const QString&) {
        ++asked;
        return false;
    };
    commands()->deleteAction()->trigger();  // nothing selected
    EXPECT_EQ(project().textCount, 1);
    clickSlot(1);
    commands()->deleteAction()->trigger();
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(project().textCount, 0);
}

TEST_F(CatalogueCommandsTest, SettingsOpensTheSelectedTypeInItsEditor) {
    open(threeTypes());
    int opened = 0;
    window->installObjectEditor(
        ObjectKind::Active, new QWidget, [] {}, [&](int index) { opened = index; });
    window->catalogue()->chooseKind(ObjectKind::Active);
    commands()->editAction()->trigger();
    EXPECT_EQ(opened, 0);
    clickSlot(3);
    commands()->editAction()->trigger();
    EXPECT_EQ(opened, 3);
}

TEST_F(CatalogueCommandsTest, DoubleClickArmsForPlacingOnTheCurrentLevel) {
    open(threeTypes(), 2);
    window->catalogue()->chooseKind(ObjectKind::Active);
    placeAt(3, 100, 200);
    ASSERT_EQ(level(2).activePlacements.count(), 4);
    EXPECT_EQ(level(2).activePlacements[4].object, 3);
    EXPECT_EQ(level(1).activePlacements.count(), 3);
}

}  // namespace
}  // namespace avizad
