// The event that puts an active object under the player's keys, made from the catalogues.
#include <gtest/gtest.h>

#include "events/PlayerControlEvent.h"
#include "model/Cp1251.h"

namespace avizad {
namespace {

TEST(PlayerControlEventTest, AddsTheLevelStartEventOnceForItsType) {
    Project p;
    p.activeCount = 2;
    EXPECT_FALSE(hasPlayerControlEvent(p, 2));
    ASSERT_TRUE(addPlayerControlEvent(p, 2));
    ASSERT_EQ(p.eventTable.eventCount, 1);
    const Event& e = p.eventTable.events[1];
    EXPECT_EQ(e.conditionCaption, utf8ToCp1251("Начало уровня"));
    EXPECT_EQ(e.conditionCode, "((obtime>=0)&(obtime<10))");
    EXPECT_EQ(e.tag, "event");
    ASSERT_EQ(e.activeActions[2].count(), 1);
    EXPECT_EQ(e.activeActions[2][1].caption, utf8ToCp1251("режим: управление игроком"));
    EXPECT_EQ(e.activeActions[2][1].code, "{act_upr[gr_obj[2][kr2]]=7;}");
    EXPECT_TRUE(hasPlayerControlEvent(p, 2));
    EXPECT_FALSE(hasPlayerControlEvent(p, 1));
    EXPECT_FALSE(addPlayerControlEvent(p, 2));  // it exists
    EXPECT_EQ(p.eventTable.eventCount, 1);
}

TEST(PlayerControlEventTest, RefusesWhatCannotBeAdded) {
    Project p;
    p.activeCount = 1;
    EXPECT_FALSE(addPlayerControlEvent(p, 2));  // no such type
    p.eventTable.eventCount = kMaxEvents;
    EXPECT_FALSE(addPlayerControlEvent(p, 1));  // the table is full
    EXPECT_EQ(p.eventTable.eventCount, kMaxEvents);
    // The mode set on another condition does not count.
    p.eventTable.eventCount = 1;
    p.eventTable.events[1].conditionCode = "(obtime>0)";
    p.eventTable.events[1].activeActions[1].add(Action{"", "{act_upr[gr_obj[1][kr1]]=7;}"});
    EXPECT_FALSE(hasPlayerControlEvent(p, 1));
}

}  // namespace
}  // namespace avizad
