#include "events/EventTableEditor.h"

#include <utility>

#include "model/Cp1251.h"

namespace avizad {

std::string_view conditionModeName(ConditionMode mode) {
    switch (mode) {
        case ConditionMode::New:
            return "new";
        case ConditionMode::Add:
            return "dob";
        case ConditionMode::Replace:
            break;
    }
    return "izm";
}

EventTableEditor::EventTableEditor(Project& project) : project_(project) {}

int EventTableEditor::columnCount() const {
    return 2 + (special_ ? kSpecialCategories : project_.typeCount(kind_));
}

ActionList* EventTableEditor::list(int event, int column) {
    return const_cast<ActionList*>(std::as_const(*this).list(event, column));
}

const ActionList* EventTableEditor::list(int event, int column) const {
    if (event < 1 || event > table().eventCount || column < 1) {
        return nullptr;
    }
    const Event& e = table().events[event];
    if (special_) {
        return column <= kSpecialCategories ? &e.specialActions[column] : nullptr;
    }
    return column <= kActionColumns ? &e.actions(kind_)[column] : nullptr;
}

const ActionList* EventTableEditor::cellActions(int column, int row) const {
    if (column < 2 || column >= columnCount()) {
        return nullptr;
    }
    return list(row, column - 1);
}

std::string EventTableEditor::conditionCaption(int row) const {
    if (row < 1 || row > table().eventCount) {
        return {};
    }
    return table().events[row].conditionCaption;
}

CellClick EventTableEditor::click(int column, int row) {
    CellClick result;
    selectedEvent_ = row;
    selectedColumn_ = column - 1;
    const bool eventRow = row >= 1 && row <= table().eventCount;
    result.conditionPopup = selectedColumn_ == 0 && eventRow;
    if (selectedColumn_ < 0) {
        selectedColumn_ = 0;
    }
    const int columns = special_ ? kSpecialCategories : project_.typeCount(kind_);
    if (selectedColumn_ > 0 && selectedColumn_ <= columns && eventRow) {
        if (const ActionList* actions = list(row, selectedColumn_)) {
            for (const Action& action : *actions) {
                result.entries.push_back(action.caption);
            }
            result.actionCount = actions->count();
        }
        result.entries.push_back(win1251(kNewActionCaption));
        result.cellList = true;
    }
    return result;
}

ActionMenu EventTableEditor::actionMenu() const {
    if (special_) {
        const int category =
            selectedColumn_ >= 1 && selectedColumn_ <= kSpecialCategories ? selectedColumn_ : 1;
        return ActionCatalogue::specialMenu(static_cast<SpecialCategory>(category));
    }
    return ActionCatalogue::objectMenu(kind_);
}

EntryValues EventTableEditor::actionValues() const {
    EntryValues values;
    values.n = selectedColumn_;
    values.level = project_.currentLevel;
    return values;
}

EditResult EventTableEditor::checkNewEvent() const {
    if (table().eventCount >= kMaxEvents) {
        return EditResult::refused("В таблице уже " + std::to_string(kMaxEvents) +
                                   " событий: новое событие добавить нельзя.");
    }
    return EditResult::ok();
}

EditResult EventTableEditor::commitCondition(const BuiltText& condition) {
    if (condition.caption.empty()) {
        return EditResult::refused({});
    }
    const std::string tag = "event";
    if (mode_ == ConditionMode::New) {
        if (EditResult check = checkNewEvent(); !check) {
            return check;
        }
        const int e = ++table().eventCount;
        Event& event = table().events[e];
        event = Event{};
        event.conditionCode = condition.code;
        event.conditionCaption = condition.caption;
        event.tag = tag;
        selectedEvent_ = e;
        return EditResult::ok();
    }
    if (selectedEvent_ < 1 || selectedEvent_ > table().eventCount) {
        return EditResult::refused({});
    }
    Event& event = table().events[selectedEvent_];
    if (mode_ == ConditionMode::Add) {
        event.conditionCode += "&" + condition.code;
        event.conditionCaption += win1251(" и ") + condition.caption;
    } else {
        event.conditionCode = condition.code;
        event.conditionCaption = condition.caption;
    }
    event.tag = tag;
    return EditResult::ok();
}

EditResult EventTableEditor::metka(const BuiltText& action) {
    if (selectedEvent_ < 1 || selectedEvent_ > table().eventCount || selectedColumn_ < 1) {
        return EditResult::refused({});
    }
    if (!special_ && selectedColumn_ > kActionColumns) {
        return EditResult::refused("Действия можно задавать только объектам с номерами от 1 до " +
                                   std::to_string(kActionColumns) + ".");
    }
    ActionList* actions = list(selectedEvent_, selectedColumn_);
    if (actions == nullptr) {
        return EditResult::refused({});
    }
    if (actions->full()) {
        return EditResult::refused("В этой ячейке уже " + std::to_string(kMaxActions) +
                                   " действий: новое действие добавить нельзя.");
    }
    Action added = {action.caption, action.code};
    if (else_) {
        added.caption = win1251(kElseCaptionPrefix) + added.caption;
        added.code = std::string(kElseCodePrefix) + added.code;
    }
    actions->add(std::move(added));
    return EditResult::ok();
}

EditResult EventTableEditor::deleteAction(int index) {
    ActionList* actions = list(selectedEvent_, selectedColumn_);
    if (actions == nullptr || index < 1 || index > actions->count()) {
        return EditResult::refused({});
    }
    actions->removeAt(index);
    return EditResult::ok();
}

bool EventTableEditor::deleteLastEvent() {
    if (table().eventCount <= 0) {
        return false;
    }
    table().events[table().eventCount] = Event{};
    --table().eventCount;
    return true;
}

void EventTableEditor::clear() {
    project_.eventTable = EventTable{};
}

}  // namespace avizad
