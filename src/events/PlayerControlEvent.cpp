#include "events/PlayerControlEvent.h"

#include "events/ActionCatalogue.h"
#include "events/ConditionCatalogue.h"
#include "model/Cp1251.h"

namespace avizad {

namespace {

BuiltText levelStart() {
    return findEntry(ConditionCatalogue::menu(ConditionMenu::Category3), "Начало уровня")
        ->build(EntryValues{});
}

BuiltText playerControl(int activeType) {
    EntryValues values;
    values.n = activeType;
    return findEntry(ActionCatalogue::menu(ActionMenu::Active), "режим/управление игроком")
        ->build(values);
}

}  // namespace

bool hasPlayerControlEvent(const Project& project, int activeType) {
    if (activeType < 1 || activeType > kActionColumns) {
        return false;
    }
    const std::string condition = levelStart().code;
    const std::string action = playerControl(activeType).code;
    const EventTable& table = project.eventTable;
    for (int e = 1; e <= table.eventCount; ++e) {
        const Event& event = table.events[e];
        if (event.conditionCode != condition) {
            continue;
        }
        for (const Action& a : event.activeActions[activeType]) {
            if (a.code == action) {
                return true;
            }
        }
    }
    return false;
}

bool addPlayerControlEvent(Project& project, int activeType) {
    EventTable& table = project.eventTable;
    if (activeType < 1 || activeType > project.activeCount || activeType > kActionColumns ||
        table.eventCount >= kMaxEvents || hasPlayerControlEvent(project, activeType)) {
        return false;
    }
    const BuiltText condition = levelStart();
    const BuiltText action = playerControl(activeType);
    Event& event = table.events[++table.eventCount];
    event = Event{};
    event.conditionCaption = condition.caption;
    event.conditionCode = condition.code;
    event.tag = "event";
    event.activeActions[activeType].add(Action{action.caption, action.code});
    return true;
}

}  // namespace avizad
