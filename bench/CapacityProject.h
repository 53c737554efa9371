#pragma once
// A project at the capacities with large pictures, shared by the benchmarks.

#include <string>

#include "model/Project.h"

namespace avizad::bench {

inline Image noise(int w, int h, unsigned seed) {
    Image image(w, h);
    unsigned state = seed * 2654435761u + 1;
    for (Color& c : image.pixels()) {
        state = state * 1664525u + 1013904223u;
        c = static_cast<Color>(state >> 8) & 0x00FFFFFF;
    }
    return image;
}

// 30 background types with 512 x 512 tile sets (and 512 x 512 map pictures),
// 30 active types with 20-frame strips of 64 x 64 frames, 20 indicators and texts,
// 10 levels full of placements and 50 events.
inline Project capacityProject(int side) {
    Project p;
    p.backgroundCount = kMaxBackgroundTypes;
    for (int i = 1; i <= kMaxBackgroundTypes; ++i) {
        BackgroundObject& o = p.backgrounds[i];
        o.name = "fon" + std::to_string(i);
        o.tileWidth = o.tileHeight = 32;
        o.columns = o.rows = side / 32;
        o.tileSet = noise(side, side, static_cast<unsigned>(i));
        o.tileSetWidth = o.tileSetHeight = side;
        o.mapPicture = noise(side, side, static_cast<unsigned>(i + 100));
        o.mapPictureWidth = o.mapPictureHeight = side;
    }
    p.activeCount = kMaxActiveTypes;
    const int frame = side / 8;
    for (int t = 1; t <= kMaxActiveTypes; ++t) {
        ActiveObject& o = p.actives[t];
        o.name = "active" + std::to_string(t);
        o.frameWidth = o.frameHeight = frame;
        o.frameCount = kMaxFrames;
        o.strip = noise(frame * kMaxFrames, frame, static_cast<unsigned>(t + 200));
        o.stripWidth = o.strip.width();
        o.stripHeight = o.strip.height();
        o.icon = noise(frame, frame, static_cast<unsigned>(t + 300));
        o.iconWidth = o.iconHeight = frame;
    }
    p.indicatorCount = kMaxIndicatorTypes;
    for (int t = 1; t <= kMaxIndicatorTypes; ++t) {
        IndicatorObject& o = p.indicators[t];
        o.name = "line" + std::to_string(t);
        o.image = noise(128, 16, static_cast<unsigned>(t));
        o.pngWidth = 128;
        o.pngHeight = 16;
    }
    p.textCount = kMaxTextTypes;
    p.eventTable.eventCount = kMaxEvents;
    for (int e = 1; e <= kMaxEvents; ++e) {
        Event& event = p.eventTable.events[e];
        event.conditionCode = "(keeping_code==-1)";
        event.conditionCaption = "key";
        event.tag = "event";
        for (int t = 1; t <= 5; ++t) {
            event.activeActions[t].add({"move", "{act_upr[1]=7;}"});
        }
    }
    p.levelCount = kMaxLevels;
    for (int l = 1; l <= kMaxLevels; ++l) {
        Level& level = p.levels[l];
        level.width = level.height = 2000;
        for (int i = 1; i <= kMaxBackgroundPlacements; ++i) {
            level.backgroundPlacements.add({i, i, i % 30 + 1, "fon", 32, 32});
            level.activePlacements.add({i, i, i % 30 + 1, "active", 64, 64});
        }
    }
    return p;
}

}  // namespace avizad::bench
