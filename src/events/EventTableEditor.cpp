#include "events/EventTableEditor.h"

#include <utility>

#include "model/Cp1251.h"

namespace avizad {

EventTableEditor::EventTableEditor(Project& project) : view_(&project), project_(&project) {}

EventTableEditor::EventTableEditor(const Project& project) : view_(&project), project_(nullptr) {}

int EventTableEditor::columnCount() const {
    return 2 + (state_.special ? kSpecialCategories : view_->typeCount(state_.kind));
}

ActionList* EventTableEditor::list(int event, int column) {
    return const_cast<ActionList*>(std::as_const(*this).list(event, column));
}

const ActionList* EventTableEditor::list(int event, int column) const {
    if (event < 1 || event > table().eventCount || column < 1) {
        return nullptr;
    }
    const Event& e = table().events[event];
    if (state_.special) {
        return column <= kSpecialCategories ? &e.specialActions[column] : nullptr;
    }
    return column <= kActionColumns ? &e.actions(state_.kind)[column] : nullptr;
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
    state_.selectedEvent = row;
    state_.selectedColumn = column - 1;
    const bool eventRow = row >= 1 && row <= table().eventCount;
    result.conditionPopup = state_.selectedColumn == 0 && eventRow;
    if (state_.selectedColumn < 0) {
        state_.selectedColumn = 0;
    }
    const int columns = state_.special ? kSpecialCategories : view_->typeCount(state_.kind);
    if (state_.selectedColumn > 0 && state_.selectedColumn <= columns && eventRow) {
        if (const ActionList* actions = list(row, state_.selectedColumn)) {
            for (const Action& action : *actions) {
                result.entries.push_back(action.caption);
            }
            result.actionCount = actions->count();
        }
        result.entries.push_back(utf8ToCp1251(kNewActionCaption));
        result.cellList = true;
    }
    return result;
}

ActionMenu EventTableEditor::actionMenu() const {
    if (state_.special) {
        const int category =
            state_.selectedColumn >= 1 && state_.selectedColumn <= kSpecialCategories
                ? state_.selectedColumn
                : 1;
        return ActionCatalogue::specialMenu(static_cast<SpecialCategory>(category));
    }
    return ActionCatalogue::objectMenu(state_.kind);
}

EntryValues EventTableEditor::actionValues() const {
    EntryValues values;
    values.n = state_.selectedColumn;
    values.level = view_->currentLevel;
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
    if (!editable() || condition.caption.empty()) {
        return EditResult::refused({});
    }
    const std::string tag = "event";
    if (state_.mode == ConditionMode::New) {
        if (EditResult check = checkNewEvent(); !check) {
            return check;
        }
        const int e = ++editTable().eventCount;
        Event& event = editTable().events[e];
        event = Event{};
        event.conditionCode = condition.code;
        event.conditionCaption = condition.caption;
        event.tag = tag;
        state_.selectedEvent = e;
        return EditResult::ok();
    }
    if (state_.selectedEvent < 1 || state_.selectedEvent > table().eventCount) {
        return EditResult::refused({});
    }
    Event& event = editTable().events[state_.selectedEvent];
    if (state_.mode == ConditionMode::Add) {
        event.conditionCode += "&" + condition.code;
        event.conditionCaption += utf8ToCp1251(" и ") + condition.caption;
    } else {
        event.conditionCode = condition.code;
        event.conditionCaption = condition.caption;
    }
    event.tag = tag;
    return EditResult::ok();
}

EditResult EventTableEditor::addAction(const BuiltText& action) {
    if (!editable() || state_.selectedEvent < 1 || state_.selectedEvent > table().eventCount ||
        state_.selectedColumn < 1) {
        return EditResult::refused({});
    }
    if (!state_.special && state_.selectedColumn > kActionColumns) {
        return EditResult::refused("Действия можно задавать только объектам с номерами от 1 до " +
                                   std::to_string(kActionColumns) + ".");
    }
    ActionList* actions = list(state_.selectedEvent, state_.selectedColumn);
    if (actions == nullptr) {
        return EditResult::refused({});
    }
    if (actions->full()) {
        return EditResult::refused("В этой ячейке уже " + std::to_string(kMaxActions) +
                                   " действий: новое действие добавить нельзя.");
    }
    Action added = {action.caption, action.code};
    if (state_.elseDown) {
        added.caption = utf8ToCp1251(kElseCaptionPrefix) + added.caption;
        added.code = std::string(kElseCodePrefix) + added.code;
    }
    actions->add(std::move(added));
    return EditResult::ok();
}

EditResult EventTableEditor::deleteAction(int index) {
    if (!editable()) {
        return EditResult::refused({});
    }
    ActionList* actions = list(state_.selectedEvent, state_.selectedColumn);
    if (actions == nullptr || index < 1 || index > actions->count()) {
        return EditResult::refused({});
    }
    actions->removeAt(index);
    return EditResult::ok();
}

bool EventTableEditor::deleteLastEvent() {
    if (!editable() || table().eventCount <= 0) {
        return false;
    }
    editTable().events[editTable().eventCount] = Event{};
    --editTable().eventCount;
    return true;
}

void EventTableEditor::clear() {
    if (editable()) {
        project_->eventTable = EventTable{};
    }
}

}  // namespace avizad
