#include "model/CatalogueOperations.h"

#include <type_traits>
#include <utility>

namespace avizad {

namespace {

bool validType(const Project& project, ObjectKind kind, int index) {
    return index >= 1 && index <= project.typeCount(kind);
}

// A copy of an object type onto a slot leaves in the slot its pictures, its properties and
// the values that no editor sets and the copy never carried; every other field comes with
// the copy. Only what stays is named here, so a new field of a record is copied.
template <typename Record, typename... Field>
void keepInSlot(Record& copy, Record& slot, Field Record::*... fields) {
    (std::swap(copy.*fields, slot.*fields), ...);
}

void keepInSlot(BackgroundObject& copy, BackgroundObject& slot) {
    using B = BackgroundObject;
    keepInSlot(copy, slot, &B::mapPicture, &B::tileSet, &B::reservedInt, &B::propertyNames,
               &B::propertyValues);
}

void keepInSlot(ActiveObject& copy, ActiveObject& slot) {
    using A = ActiveObject;
    keepInSlot(copy, slot, &A::icon, &A::strip, &A::reservedInt2, &A::transparentBackground,
               &A::propertyNames, &A::propertyValues);
}

void keepInSlot(IndicatorObject& copy, IndicatorObject& slot) {
    using I = IndicatorObject;
    keepInSlot(copy, slot, &I::image, &I::propertyNames, &I::propertyValues);
}

void keepInSlot(TextObject& copy, TextObject& slot) {
    using T = TextObject;
    keepInSlot(copy, slot, &T::propertyNames, &T::propertyValues);
}

// Copies record `from` onto `slot`, leaving there what keepInSlot names.
template <typename Record>
void copyRecord(Record& slot, const Record& from) {
    Record copy = from;
    keepInSlot(copy, slot);
    slot = std::move(copy);
}

// The record an emptied slot holds (before keepInSlot): an active type keeps one frame.
template <typename Record>
Record emptyRecord() {
    Record empty{};
    if constexpr (std::is_same_v<Record, ActiveObject>) {
        empty.frameCount = 1;
    }
    return empty;
}

template <typename F>
void withRecord(Project& project, ObjectKind kind, F&& f) {
    switch (kind) {
        case ObjectKind::Background:
            f(project.backgrounds);
            break;
        case ObjectKind::Active:
            f(project.actives);
            break;
        case ObjectKind::Indicator:
            f(project.indicators);
            break;
        case ObjectKind::Text:
            f(project.texts);
            break;
    }
}

// Points every placement of type `from` (every level) at `to`.
void renumberPlacements(Project& project, ObjectKind kind, int from, int to) {
    for (Level& level : project.levels) {
        for (Placement& p : level.placements(kind)) {
            if (p.object == from) {
                p.object = to;
            }
        }
    }
}

void removePlacementsOf(Project& project, ObjectKind kind, int index) {
    for (Level& level : project.levels) {
        PlacementList& list = level.placements(kind);
        for (int i = list.count(); i >= 1; --i) {
            if (list[i].object == index) {
                list.removeAt(i);
            }
        }
    }
}

// Exchanges types a and b completely: records, action lists, placements, control types.
void exchange(Project& project, ObjectKind kind, int a, int b) {
    withRecord(project, kind, [&](auto& table) { std::swap(table[a], table[b]); });
    for (int e = 1; e <= project.eventCount(); ++e) {
        auto& columns = project.eventTable.events[e].actions(kind);
        std::swap(columns[a], columns[b]);
    }
    for (Level& level : project.levels) {
        for (Placement& p : level.placements(kind)) {
            if (p.object == a) {
                p.object = b;
            } else if (p.object == b) {
                p.object = a;
            }
        }
        if (kind == ObjectKind::Active) {
            std::swap(level.controlType[a], level.controlType[b]);
        }
    }
}

}  // namespace

void copyObjectType(Project& project, ObjectKind kind, int from, int to) {
    withRecord(project, kind, [&](auto& table) { copyRecord(table[to], table[from]); });
    copyColumn(project, kind, from, to);
    renumberPlacements(project, kind, from, to);
}

void clearObjectType(Project& project, ObjectKind kind, int index) {
    removePlacementsOf(project, kind, index);
    withRecord(project, kind, [&](auto& table) {
        using Record = std::decay_t<decltype(table[index])>;
        copyRecord(table[index], emptyRecord<Record>());
    });
    clearColumn(project, kind, index);
}

bool moveObjectTypeUp(Project& project, ObjectKind kind, int index) {
    if (!validType(project, kind, index) || index == 1) {
        return false;
    }
    exchange(project, kind, index, index - 1);
    return true;
}

bool moveObjectTypeDown(Project& project, ObjectKind kind, int index) {
    if (!validType(project, kind, index) || index == project.typeCount(kind)) {
        return false;
    }
    exchange(project, kind, index, index + 1);
    return true;
}

bool deleteObjectType(Project& project, ObjectKind kind, int index) {
    if (!validType(project, kind, index)) {
        return false;
    }
    const int n = project.typeCount(kind);
    clearObjectType(project, kind, index);
    for (int j = index + 1; j <= n; ++j) {
        exchange(project, kind, j, j - 1);
    }
    // The emptied record is now the last one: it leaves the table whole, with its
    // pictures and properties.
    withRecord(project, kind, [&](auto& table) {
        using Record = std::decay_t<decltype(table[n])>;
        table[n] = Record{};
    });
    if (kind == ObjectKind::Active) {
        for (Level& level : project.levels) {
            level.controlType[n] = 0;
        }
    }
    --project.typeCountRef(kind);
    return true;
}

ObjectTypeUses objectTypeUses(const Project& project, ObjectKind kind, int index) {
    ObjectTypeUses uses;
    for (int l = 1; l <= project.levelCount; ++l) {
        for (const Placement& p : project.levels[l].placements(kind)) {
            if (p.object == index) {
                ++uses.placements;
            }
        }
    }
    if (index >= 1 && index <= kActionColumns) {
        for (int e = 1; e <= project.eventCount(); ++e) {
            if (project.eventTable.events[e].actions(kind)[index].count() > 0) {
                ++uses.events;
            }
        }
    }
    return uses;
}

}  // namespace avizad
