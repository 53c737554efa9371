#include "model/Project.h"

#include <utility>

#include "model/Cp1251.h"

namespace avizad {

std::string_view kindKey(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Background:
            return "fon";
        case ObjectKind::Active:
            return "active";
        case ObjectKind::Indicator:
            return "line";
        case ObjectKind::Text:
            return "text";
    }
    return "";
}

std::string kindCaption(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Background:
            return utf8ToCp1251("Фоновые объекты");
        case ObjectKind::Active:
            return utf8ToCp1251("Активные объекты");
        case ObjectKind::Indicator:
            return utf8ToCp1251("Объекты-индикаторы");
        case ObjectKind::Text:
            return utf8ToCp1251("Текстовые объекты");
    }
    return {};
}

int typeCapacity(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Background:
            return kMaxBackgroundTypes;
        case ObjectKind::Active:
            return kMaxActiveTypes;
        case ObjectKind::Indicator:
            return kMaxIndicatorTypes;
        case ObjectKind::Text:
            return kMaxTextTypes;
    }
    return 0;
}

int placementCapacity(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Background:
            return kMaxBackgroundPlacements;
        case ObjectKind::Active:
            return kMaxActivePlacements;
        case ObjectKind::Indicator:
            return kMaxIndicatorPlacements;
        case ObjectKind::Text:
            return kMaxTextPlacements;
    }
    return 0;
}

PlacementList& Level::placements(ObjectKind kind) {
    return const_cast<PlacementList&>(std::as_const(*this).placements(kind));
}

const PlacementList& Level::placements(ObjectKind kind) const {
    switch (kind) {
        case ObjectKind::Background:
            return backgroundPlacements;
        case ObjectKind::Active:
            return activePlacements;
        case ObjectKind::Indicator:
            return indicatorPlacements;
        case ObjectKind::Text:
            break;
    }
    return textPlacements;
}

Array1<ActionList, kActionColumns>& Event::actions(ObjectKind kind) {
    return const_cast<Array1<ActionList, kActionColumns>&>(std::as_const(*this).actions(kind));
}

const Array1<ActionList, kActionColumns>& Event::actions(ObjectKind kind) const {
    switch (kind) {
        case ObjectKind::Background:
            return backgroundActions;
        case ObjectKind::Active:
            return activeActions;
        case ObjectKind::Indicator:
            return indicatorActions;
        case ObjectKind::Text:
            break;
    }
    return textActions;
}

Project::Project() {
    levels[1].width = 240;
    levels[1].height = 320;
}

int Project::typeCount(ObjectKind kind) const {
    return const_cast<Project&>(*this).typeCountRef(kind);
}

int& Project::typeCountRef(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Background:
            return backgroundCount;
        case ObjectKind::Active:
            return activeCount;
        case ObjectKind::Indicator:
            return indicatorCount;
        case ObjectKind::Text:
            break;
    }
    return textCount;
}

void clearColumn(Project& project, ObjectKind kind, int t) {
    for (int e = 1; e <= project.eventTable.eventCount; ++e) {
        project.eventTable.events[e].actions(kind)[t].clear();
    }
}

void copyColumn(Project& project, ObjectKind kind, int a, int b) {
    for (int e = 1; e <= project.eventTable.eventCount; ++e) {
        auto& lists = project.eventTable.events[e].actions(kind);
        lists[b] = lists[a];
    }
}

void clearProject(Project& project) {
    for (Level& level : project.levels) {
        level.activePlacements.clear();
    }
    project.eventTable = EventTable{};
}

void resetMidletSettings(Project& project) {
    project.midletName = "Project1";
    project.midletVendor = kDefaultMidletVendor;
    project.midletVersion = kDefaultMidletVersion;
}

}  // namespace avizad
