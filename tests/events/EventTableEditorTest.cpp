// The event table operations of the events editor.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "events/EventTableEditor.h"
#include "model/Cp1251.h"

namespace avizad {
namespace {

BuiltText text(const char* captionUtf8, const char* code) {
    return {utf8ToCp1251(captionUtf8), code};
}

const BuiltText kAlways = text("Всегда", "(obtime>0)");
const BuiltText kCentreKey = text("нажатие клавиши venter", "(pressed_code==-5)");

class EventTableEditorTest : public ::testing::Test {
protected:
    EventTableEditorTest() : editor_(project_) {
        project_.activeCount = 4;
        project_.textCount = 2;
        editor_.setCurrentKind(ObjectKind::Active);
    }

    EventTable& table() { return project_.eventTable; }

    void newEvent(const BuiltText& condition) {
        editor_.setConditionMode(ConditionMode::New);
        ASSERT_TRUE(editor_.commitCondition(condition));
    }

    // Selects the cell of object type (or special category) `column` in event `event`.
    CellClick select(int column, int event) { return editor_.click(column + 1, event); }

    std::vector<std::string> captions(const ActionList& list) {
        std::vector<std::string> result;
        for (const Action& action : list) {
            result.push_back(cp1251ToUtf8(action.caption));
        }
        return result;
    }

    Project project_;
    EventTableEditor editor_;
};

TEST_F(EventTableEditorTest, NewEventGetsTheCondition) {
    newEvent(kAlways);
    newEvent(kCentreKey);
    EXPECT_EQ(table().eventCount, 2);
    EXPECT_EQ(editor_.selectedEvent(), 2);
    const Event& event = table().events[2];
    EXPECT_EQ(cp1251ToUtf8(event.conditionCaption), "нажатие клавиши venter");
    EXPECT_EQ(event.conditionCode, "(pressed_code==-5)");
    EXPECT_EQ(event.tag, "event");
    EXPECT_EQ(editor_.rowCount(), 3);
}

TEST_F(EventTableEditorTest, AnEmptyCaptionCommitsNothing) {
    for (const ConditionMode mode :
         {ConditionMode::New, ConditionMode::Add, ConditionMode::Replace}) {
        if (mode != ConditionMode::New) {
            newEvent(kAlways);
            select(0, 1);
        }
        const EventTable before = table();
        editor_.setConditionMode(mode);
        const EditResult result = editor_.commitCondition({"", "(x)"});
        EXPECT_FALSE(result);
        EXPECT_EQ(result.message(), "");
        EXPECT_EQ(table(), before);
    }
}

TEST_F(EventTableEditorTest, AddingAConditionJoinsBoth) {
    newEvent(kAlways);
    const CellClick click = editor_.click(1, 1);
    EXPECT_TRUE(click.conditionPopup);
    editor_.setConditionMode(ConditionMode::Add);
    ASSERT_TRUE(editor_.commitCondition(kCentreKey));
    EXPECT_EQ(table().eventCount, 1);
    EXPECT_EQ(table().events[1].conditionCode, "(obtime>0)&(pressed_code==-5)");
    EXPECT_EQ(cp1251ToUtf8(table().events[1].conditionCaption), "Всегда и нажатие клавиши venter");
}

TEST_F(EventTableEditorTest, ReplacingAConditionKeepsTheActions) {
    newEvent(kAlways);
    select(2, 1);
    ASSERT_TRUE(editor_.addAction(text("видимый", "{v}")));
    editor_.click(1, 1);
    editor_.setConditionMode(ConditionMode::Replace);
    ASSERT_TRUE(editor_.commitCondition(kCentreKey));
    EXPECT_EQ(table().events[1].conditionCode, "(pressed_code==-5)");
    EXPECT_EQ(table().events[1].activeActions[2].count(), 1);
}

TEST_F(EventTableEditorTest, AddOrReplaceNeedAnEvent) {
    newEvent(kAlways);
    for (const int row : {0, 2}) {
        editor_.click(1, row);
        for (const ConditionMode mode : {ConditionMode::Add, ConditionMode::Replace}) {
            editor_.setConditionMode(mode);
            EXPECT_FALSE(editor_.commitCondition(kCentreKey));
        }
    }
    EXPECT_EQ(table().events[1].conditionCode, "(obtime>0)");
}

struct AddActionCase {
    bool special;
    ObjectKind kind;
    int column;
    bool elseDown;
    const char* caption;  // stored, UTF-8
    const char* code;
};

TEST_F(EventTableEditorTest, AddActionFilesTheActionInTheSelectedCell) {
    const AddActionCase cases[] = {
        {false, ObjectKind::Active, 4, false, "режим: смерть", "{act_upr[gr_obj[4][kr4]]=5;}"},
        {false, ObjectKind::Active, 4, true, "иначе режим: смерть",
         "}else{{act_upr[gr_obj[4][kr4]]=5;}"},
        {false, ObjectKind::Text, 1, true, "иначе видимый", "}else{{t}"},
        {true, ObjectKind::Text, 3, false, "уровень+1", "{midlet.changeEtap(2,2+1);}"},
    };
    newEvent(kAlways);
    for (const AddActionCase& c : cases) {
        SCOPED_TRACE(c.caption);
        editor_.setSpecialToggle(c.special);
        editor_.setCurrentKind(c.kind);
        editor_.setElseToggle(c.elseDown);
        select(c.column, 1);
        std::string plainCaption = c.caption;
        std::string plainCode = c.code;
        if (c.elseDown) {
            plainCaption = plainCaption.substr(std::string("иначе ").size());
            plainCode = plainCode.substr(6);
        }
        ASSERT_TRUE(editor_.addAction({utf8ToCp1251(plainCaption), plainCode}));
        const Event& event = table().events[1];
        const ActionList& list =
            c.special ? event.specialActions[c.column] : event.actions(c.kind)[c.column];
        ASSERT_GE(list.count(), 1);
        EXPECT_EQ(cp1251ToUtf8(list[list.count()].caption), c.caption);
        EXPECT_EQ(list[list.count()].code, c.code);
    }
    EXPECT_EQ(table().events[1].activeActions[4].count(), 2);
    EXPECT_EQ(table().events[1].textActions[1].count(), 1);
    EXPECT_EQ(table().events[1].specialActions[3].count(), 1);
}

TEST_F(EventTableEditorTest, DeletingTheFirstOfThreeActions) {
    newEvent(kAlways);
    select(1, 1);
    for (const char* caption : {"один", "два", "три"}) {
        ASSERT_TRUE(editor_.addAction(text(caption, caption)));
    }
    ASSERT_TRUE(editor_.deleteAction(1));
    const ActionList& list = table().events[1].activeActions[1];
    EXPECT_EQ(captions(list), (std::vector<std::string>{"два", "три"}));
    EXPECT_EQ(list[1].code, "два");
    EXPECT_FALSE(editor_.deleteAction(3));
    ASSERT_TRUE(editor_.deleteAction(2));
    ASSERT_TRUE(editor_.deleteAction(1));
    EXPECT_EQ(editor_.cellActions(2, 1)->count(), 0);
}

TEST_F(EventTableEditorTest, DeletingTheLastEvent) {
    EXPECT_FALSE(editor_.deleteLastEvent());
    EXPECT_EQ(table().eventCount, 0);
    newEvent(kAlways);
    newEvent(kCentreKey);
    select(3, 2);
    ASSERT_TRUE(editor_.addAction(text("видимый", "{v}")));
    EXPECT_TRUE(editor_.deleteLastEvent());
    EXPECT_EQ(table().eventCount, 1);
    EXPECT_EQ(table().events[1].conditionCode, "(obtime>0)");
    // A new event in the freed slot starts without actions.
    newEvent(kAlways);
    EXPECT_EQ(table().events[2].activeActions[3].count(), 0);
    EXPECT_EQ(table().events[2].conditionCode, "(obtime>0)");
}

TEST_F(EventTableEditorTest, ClickShowsTheCellList) {
    newEvent(kAlways);
    select(2, 1);
    ASSERT_TRUE(editor_.addAction(text("видимый", "{v}")));
    ASSERT_TRUE(editor_.addAction(text("невидимый", "{n}")));

    CellClick click = editor_.click(3, 1);  // active type 2
    EXPECT_FALSE(click.conditionPopup);
    EXPECT_TRUE(click.cellList);
    EXPECT_EQ(click.actionCount, 2);
    ASSERT_EQ(click.entries.size(), 3u);
    EXPECT_EQ(cp1251ToUtf8(click.entries[0]), "видимый");
    EXPECT_EQ(cp1251ToUtf8(click.entries[2]), "Новое действие");
    EXPECT_EQ(editor_.objectNumber(), "2");
    EXPECT_EQ(editor_.objectNumberZeroBased(), "1");
    EXPECT_EQ(editor_.actionMenu(), ActionMenu::Active);
    project_.currentLevel = 2;
    EXPECT_EQ(editor_.actionValues().n, 2);
    EXPECT_EQ(editor_.actionValues().level, 2);

    click = editor_.click(0, 1);  // the number column
    EXPECT_FALSE(click.conditionPopup);
    EXPECT_FALSE(click.cellList);
    EXPECT_EQ(editor_.selectedColumn(), 0);
    click = editor_.click(3, 0);  // the header row
    EXPECT_FALSE(click.conditionPopup);
    EXPECT_FALSE(click.cellList);
    click = editor_.click(6, 1);  // beyond the 4 active types
    EXPECT_FALSE(click.cellList);

    editor_.setSpecialToggle(true);
    EXPECT_EQ(editor_.columnCount(), 6);
    click = editor_.click(3, 1);
    EXPECT_TRUE(click.cellList);
    EXPECT_EQ(click.actionCount, 0);
    EXPECT_EQ(editor_.actionMenu(), ActionMenu::Sound);
    EXPECT_FALSE(editor_.click(6, 1).cellList);
}

TEST_F(EventTableEditorTest, ColumnsFollowTheKindNotTheTable) {
    newEvent(kAlways);
    select(1, 1);
    ASSERT_TRUE(editor_.addAction(text("видимый", "{v}")));
    const EventTable before = table();
    EXPECT_EQ(editor_.columnCount(), 2 + 4);
    editor_.setCurrentKind(ObjectKind::Text);
    EXPECT_EQ(editor_.columnCount(), 2 + 2);
    EXPECT_EQ(editor_.cellActions(2, 1)->count(), 0);
    editor_.setCurrentKind(ObjectKind::Active);
    EXPECT_EQ(editor_.cellActions(2, 1)->count(), 1);
    EXPECT_EQ(editor_.cellActions(6, 1), nullptr);
    EXPECT_EQ(editor_.cellActions(1, 1), nullptr);
    EXPECT_EQ(cp1251ToUtf8(editor_.conditionCaption(1)), "Всегда");
    EXPECT_EQ(editor_.conditionCaption(2), "");
    EXPECT_EQ(table(), before);
}

TEST_F(EventTableEditorTest, RefusesA51stEvent) {
    for (int i = 0; i < kMaxEvents; ++i) {
        newEvent(kAlways);
    }
    EXPECT_FALSE(editor_.checkNewEvent());
    const EditResult result = editor_.commitCondition(kCentreKey);
    EXPECT_FALSE(result);
    EXPECT_NE(result.message().find("50"), std::string::npos);
    EXPECT_EQ(table().eventCount, kMaxEvents);
    EXPECT_EQ(table().events[kMaxEvents].conditionCode, "(obtime>0)");
}

TEST_F(EventTableEditorTest, RefusesA51stActionInACell) {
    newEvent(kAlways);
    select(1, 1);
    for (int i = 0; i < kMaxActions; ++i) {
        ASSERT_TRUE(editor_.addAction(text("видимый", "{v}")));
    }
    const EditResult result = editor_.addAction(text("видимый", "{v}"));
    EXPECT_FALSE(result);
    EXPECT_NE(result.message().find("50"), std::string::npos);
    EXPECT_EQ(table().events[1].activeActions[1].count(), kMaxActions);
}

TEST_F(EventTableEditorTest, RefusesAnObjectTypeAbove30) {
    project_.activeCount = 30;
    newEvent(kAlways);
    EXPECT_FALSE(editor_.click(32, 1).cellList);
    const EditResult result = editor_.addAction(text("видимый", "{v}"));
    EXPECT_FALSE(result);
    EXPECT_NE(result.message().find("30"), std::string::npos);
    select(30, 1);
    EXPECT_TRUE(editor_.addAction(text("видимый", "{v}")));
}

TEST_F(EventTableEditorTest, AddActionNeedsASelectedCell) {
    newEvent(kAlways);
    editor_.click(1, 1);  // the condition column
    EXPECT_FALSE(editor_.addAction(text("видимый", "{v}")));
    editor_.click(2, 0);  // the header
    EXPECT_FALSE(editor_.addAction(text("видимый", "{v}")));
    editor_.setSpecialToggle(true);
    editor_.click(6, 1);  // beyond the 4 special categories
    EXPECT_FALSE(editor_.addAction(text("видимый", "{v}")));
    EXPECT_EQ(editor_.addAction(text("видимый", "{v}")).message(), "");
}

TEST_F(EventTableEditorTest, ClearEmptiesTheTable) {
    newEvent(kAlways);
    editor_.clear();
    EXPECT_EQ(table(), EventTable{});
    EXPECT_EQ(editor_.rowCount(), 1);
}

TEST_F(EventTableEditorTest, ALookingEditorSelectsButChangesNothingAndHandsOverItsState) {
    newEvent(kAlways);
    select(2, 1);
    ASSERT_TRUE(editor_.addAction(text("видимый", "{v}")));
    const Project& shown = project_;
    EventTableEditor looking(shown);
    looking.setCurrentKind(ObjectKind::Active);
    looking.setElseToggle(true);
    const CellClick click = looking.click(3, 1);
    ASSERT_TRUE(click.cellList);
    EXPECT_EQ(click.actionCount, 1);
    const EventTable before = table();
    EXPECT_FALSE(looking.addAction(text("видимый", "{v}")));
    EXPECT_FALSE(looking.deleteAction(1));
    EXPECT_FALSE(looking.deleteLastEvent());
    EXPECT_FALSE(looking.commitCondition(kAlways));
    looking.clear();
    EXPECT_EQ(table(), before);

    // An editing editor that takes over the state adds to the looking editor's cell.
    EventTableEditor editing(project_);
    editing.setState(looking.state());
    ASSERT_TRUE(editing.addAction(text("видимый", "{v}")));
    ASSERT_EQ(table().events[1].activeActions[2].count(), 2);
    EXPECT_EQ(table().events[1].activeActions[2][2].code, "}else{{v}");
}

}  // namespace
}  // namespace avizad
