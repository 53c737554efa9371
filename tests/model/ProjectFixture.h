#pragma once
// A project that uses every part of the model: all four kinds with images, events
// with action lists on every kind, several levels with placements and trajectories.

#include "model/Cp1251.h"
#include "model/Project.h"

namespace avizad::testing {

struct FixtureSizes {
    int backgrounds = 2;
    int actives = 2;
    int indicators = 1;
    int texts = 2;
    int levels = 3;
    int tileSetSide = 8;  // tile set is side x side
    int frameSide = 4;    // frames are side x side
    int frames = 3;
};

// A deterministic picture: every pixel differs from its neighbours.
inline Image patternImage(int w, int h, int seed) {
    Image image(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, rgb(x * 7 + seed, y * 13 + seed, (x ^ y) + seed * 3));
        }
    }
    return image;
}

inline Project makeFixtureProject(const FixtureSizes& s = {}) {
    Project p;
    p.backgroundCount = s.backgrounds;
    for (int i = 1; i <= s.backgrounds; ++i) {
        BackgroundObject& o = p.backgrounds[i];
        o.name = utf8ToCp1251("фон") + std::to_string(i);
        o.tileWidth = s.tileSetSide / 2;
        o.tileHeight = s.tileSetSide / 2;
        o.columns = 3;
        o.rows = 2;
        o.kind = i % 3;
        for (int r = 1; r <= o.rows; ++r) {
            for (int c = 1; c <= o.columns; ++c) {
                o.tileMap.at(r, c) = (r * 3 + c + i) % 5;
            }
        }
        o.tileSet = patternImage(s.tileSetSide, s.tileSetSide, i);
        o.tileSetWidth = s.tileSetSide;
        o.tileSetHeight = s.tileSetSide;
        o.mapPicture = patternImage(o.columns * o.tileWidth, o.rows * o.tileHeight, i + 40);
        o.mapPictureWidth = o.mapPicture.width();
        o.mapPictureHeight = o.mapPicture.height();
        o.reservedInt = 0;
        o.propertyNames[1] = utf8ToCp1251("сила");
        o.propertyValues[1] = "10";
    }
    p.activeCount = s.actives;
    for (int t = 1; t <= s.actives; ++t) {
        ActiveObject& o = p.actives[t];
        o.name = "active" + std::to_string(t);
        o.frameWidth = s.frameSide;
        o.frameHeight = s.frameSide;
        o.frameCount = s.frames;
        o.moveSpeed = 3;
        o.acceleration = 2;
        o.braking = 4;
        for (int v = 1; v <= kDirections; ++v) {
            for (int w = 1; w <= kAnimationStates; ++w) {
                o.animation[1][v][w] = (v + w) % s.frames + 1;
            }
        }
        o.strip = patternImage(s.frameSide * s.frames, s.frameSide, t + 80);
        o.stripWidth = o.strip.width();
        o.stripHeight = o.strip.height();
        o.icon = patternImage(s.frameSide, s.frameSide, t + 80);
        o.iconWidth = s.frameSide;
        o.iconHeight = s.frameSide;
        o.transparentBackground = t % 2;
        o.propertyNames[5] = "hp";
        o.propertyValues[5] = "-3";
    }
    p.indicatorCount = s.indicators;
    for (int t = 1; t <= s.indicators; ++t) {
        IndicatorObject& o = p.indicators[t];
        o.name = "line" + std::to_string(t);
        o.image = patternImage(10, 4, t + 120);
        o.pngWidth = 10;
        o.pngHeight = 4;
        o.imageWidth = 5;
        o.imageHeight = 4;
        o.amount = 100;
    }
    p.textCount = s.texts;
    for (int t = 1; t <= s.texts; ++t) {
        TextObject& o = p.texts[t];
        o.kind = 0;
        o.size = 8;
        o.bold = 1;
        o.colorR = 255;
        o.colorB = 7;
        o.lineCount = t - 1;  // the first text object has no lines
        for (int k = 1; k <= o.lineCount; ++k) {
            o.lines[k] = utf8ToCp1251("Строка ") + std::to_string(k);
        }
        o.fileName = "text" + std::to_string(t) + ".png";
    }
    p.eventTable.eventCount = 2;
    for (int e = 1; e <= 2; ++e) {
        Event& event = p.eventTable.events[e];
        event.conditionCaption = utf8ToCp1251("Всегда");
        event.conditionCode = "(true)";
        event.tag = "event";
        event.specialActions[2].add({utf8ToCp1251("Звук"), "{play(\"a.mid\");}"});
        for (const ObjectKind kind : kAllKinds) {
            for (int t = 1; t <= p.typeCount(kind); ++t) {
                event.actions(kind)[t].add(
                    {"caption " + std::to_string(t), "{x=" + std::to_string(e) + ";}"});
                event.actions(kind)[t].add({"else", "}else{y=1;}"});
            }
        }
    }
    p.levelCount = s.levels;
    for (int l = 1; l <= s.levels; ++l) {
        Level& level = p.levels[l];
        level.name = l == 2 ? std::string() : utf8ToCp1251("Уровень ") + std::to_string(l);
        level.width = 240 * l;
        level.height = 320;
        if (s.backgrounds > 0) {
            level.backgroundPlacements.add({0, 0, 1, p.backgrounds[1].name, 4, 4});
        }
        for (int a = 1; a <= s.actives; ++a) {
            level.activePlacements.add({10 * a, 20 * a, a, p.actives[a].name, 4, 4});
            level.controlType[a] = a % 4;
        }
        for (int t = 1; t <= s.indicators; ++t) {
            level.indicatorPlacements.add({1, 2, t, "", 0, 0});
        }
        for (int t = 1; t <= s.texts; ++t) {
            level.textPlacements.add({3, 4, t, "", 0, 0});
        }
        level.trajectories[1].points.add({1, 2, 3, 4, 5});
        level.trajectories[l + 1].points.add({-6, 7, 0, 0, 1});
    }
    p.screenColor = rgb(10, 20, 30);
    p.midletName = utf8ToCp1251("Игра");
    p.midletVendor = "me";
    p.midletVersion = "2.1";
    p.midletIcon = "icon.png";
    return p;
}

}  // namespace avizad::testing
