#include "model/CatalogueOperations.h"

#include <algorithm>
#include <type_traits>
#include <utility>

namespace avizad {

namespace {

bool validType(const Project& project, ObjectKind kind, int index) {
    return index >= 1 && index <= project.typeCount(kind);
}

void copyFields(BackgroundObject& to, const BackgroundObject& from) {
    to.name = from.name;
    to.kind = from.kind;
    to.tileWidth = from.tileWidth;
    to.tileHeight = from.tileHeight;
    to.columns = from.columns;
    to.rows = from.rows;
    to.mapPictureWidth = from.mapPictureWidth;
    to.mapPictureHeight = from.mapPictureHeight;
    to.tileSetWidth = from.tileSetWidth;
    to.tileSetHeight = from.tileSetHeight;
    for (int r = 1; r <= std::min(from.rows, kMaxMapCells); ++r) {
        for (int c = 1; c <= std::min(from.columns, kMaxMapCells); ++c) {
            to.tileMap.at(r, c) = from.tileMap.at(r, c);
        }
    }
}

void copyFields(ActiveObject& to, const ActiveObject& from) {
    to.name = from.name;
    to.placingName = from.placingName;
    to.frameWidth = from.frameWidth;
    to.frameHeight = from.frameHeight;
    to.frameCount = from.frameCount;
    to.moveSpeed = from.moveSpeed;
    to.acceleration = from.acceleration;
    to.braking = from.braking;
    to.reservedInt = from.reservedInt;
    to.iconWidth = from.iconWidth;
    to.iconHeight = from.iconHeight;
    to.stripWidth = from.stripWidth;
    to.stripHeight = from.stripHeight;
    to.animation = from.animation;
}

void copyFields(IndicatorObject& to, const IndicatorObject& from) {
    to.name = from.name;
    to.imageWidth = from.imageWidth;
    to.imageHeight = from.imageHeight;
    to.reservedText = from.reservedText;
    to.amount = from.amount;
    to.pngWidth = from.pngWidth;
    to.pngHeight = from.pngHeight;
}

void copyFields(TextObject& to, const TextObject& from) {
    to.fileName = from.fileName;
    to.kind = from.kind;
    to.size = from.size;
    to.bold = from.bold;
    to.italic = from.italic;
    to.underline = from.underline;
    to.colorR = from.colorR;
    to.colorG = from.colorG;
    to.colorB = from.colorB;
    for (int i = 1; i <= std::clamp(from.lineCount, 0, kMaxTextLines); ++i) {
        to.lines[i] = from.lines[i];
    }
    to.lineCount = from.lineCount;
}

void resetFields(BackgroundObject& b) {
    b.name.clear();
    b.tileWidth = b.tileHeight = b.columns = b.rows = b.kind = 0;
    b.mapPictureWidth = b.mapPictureHeight = b.tileSetWidth = b.tileSetHeight = 0;
}

void resetFields(ActiveObject& a) {
    a.name.clear();
    a.placingName.clear();
    a.frameWidth = a.frameHeight = a.moveSpeed = a.acceleration = a.braking = a.reservedInt = 0;
    a.iconWidth = a.iconHeight = a.stripWidth = a.stripHeight = 0;
    a.frameCount = 1;
    a.animation = AnimationTable{};
}

void resetFields(IndicatorObject& i) {
    i.name.clear();
    i.reservedText.clear();
    i.imageWidth = i.imageHeight = i.amount = i.pngWidth = i.pngHeight = 0;
}

void resetFields(TextObject& t) {
    t.fileName.clear();
    for (int i = 1; i <= std::clamp(t.lineCount, 0, kMaxTextLines); ++i) {
        t.lines[i].clear();
    }
    t.kind = t.size = t.bold = t.italic = t.underline = t.colorR = t.colorG = t.colorB = 0;
    t.lineCount = 0;
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
    withRecord(project, kind, [&](auto& table) { copyFields(table[to], table[from]); });
    copyColumn(project, kind, from, to);
    renumberPlacements(project, kind, from, to);
}

void clearObjectType(Project& project, ObjectKind kind, int index) {
    removePlacementsOf(project, kind, index);
    withRecord(project, kind, [&](auto& table) { resetFields(table[index]); });
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
