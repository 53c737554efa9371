#pragma once
// The project of the engine's scenario tests: four small levels, each showing a few
// behaviours of the running game, and one event table whose effects the game's trace
// mode prints (the global values) or the screen shows.
//
//   level 1  a person seen from above walks towards a wall; camera, indicators, texts,
//            visibility switches, timers and keys;
//   level 2  persons seen from the side fall, jump and climb a ladder; a crate falls;
//   level 3  a vehicle;
//   level 4  pursuit, attack, death and a trajectory around a still player.
//
// Key 9 goes to the next level (past the last one: the title screen), key 7 to a level
// that does not exist, key 1 sets the screen's edges, key 5 pauses the game for a second
// (as a phone does for a call), key # runs an action that divides by zero.
//
// Global values the events set:
//   1 frames counted by "Всегда"          9  "столкновение акт[1] с фон[1]" (this frame)
//   2 levels started ("Начало уровня")    10 indicator 2 is invisible (this frame)
//   3 "каждые 0/0/50" firings             11 "обнаружение" of the hero by the pursuer
//   4 "Таймер равен 0/1/0" firings        12 the pursuer "справа от" the hero
//   5, 6 width, height                    13 "столкновение акт[4] с акт[1]"
//   7 rand    8 level                     14 level starts that passed the sound actions
//   15 "Любая клавиша" firings            16 the hero's "урон" above 2
//   17 the phone's clock (ms)             18, 20 key # before and after a failing action

#include <string>

#include "GeneratorShowcase.h"
#include "model/Cp1251.h"
#include "model/Project.h"

namespace avizad::testing::engine {

inline constexpr Color kHero = rgb(30, 60, 220);
inline constexpr Color kBackdrop = rgb(255, 0, 255);
inline constexpr Color kWall = rgb(200, 60, 40);
inline constexpr Color kGrass = rgb(40, 160, 40);
inline constexpr Color kGhost = rgb(90, 90, 90);
inline constexpr Color kFull = rgb(220, 0, 0);
inline constexpr Color kEmpty = rgb(128, 128, 128);
inline constexpr Color kHiddenBar = rgb(0, 200, 200);
inline constexpr Color kTextColor = rgb(0, 150, 0);
inline constexpr Color kHiddenText = rgb(200, 0, 200);
inline constexpr Color kWhite = rgb(255, 255, 255);

// Active types.
enum {
    kHeroType = 1,
    kGhostType,
    kCrateType,
    kPursuerType,
    kAttackerType,
    kDyingType,
    kWalkerType
};
// Background types.
enum { kWallType = 1, kGrassType, kFloorType, kLadderType };

inline constexpr int kHeroSpeed = 3;
inline constexpr int kPursuerSpeed = 2;
inline constexpr int kAttackerSpeed = 1;
inline constexpr int kWalkerSpeed = 2;

// Level 1 geometry.
inline constexpr int kLevelOneWidth = 600;
inline constexpr int kWallX = 560;
inline constexpr int kHeroStartX = 40;
inline constexpr int kHeroY = 100;
// The hero's picture: a 12 x 12 square inside a transparent 16 x 16 frame (margin 2).
inline constexpr int kHeroFrame = 16;
inline constexpr int kHeroMargin = 2;
// Level 2: the floor's top, the ladder's column.
inline constexpr int kFloorY = 200;
inline constexpr int kLadderX = 100;
inline constexpr int kLadderTop = 120;

inline void addActiveType(Project& p, int type, const std::string& name, Image strip, int frame,
                          int speed, int destroyFrames = 1) {
    ActiveObject& o = p.actives[type];
    o.name = name;
    o.frameWidth = frame;
    o.frameHeight = frame;
    o.frameCount = strip.width() / frame;
    o.moveSpeed = speed;
    o.acceleration = 1;
    o.braking = 1;
    o.strip = std::move(strip);
    o.stripWidth = o.strip.width();
    o.stripHeight = o.strip.height();
    o.icon = flatImage(frame, frame, kGhost);
    o.iconWidth = frame;
    o.iconHeight = frame;
    for (int d = 1; d <= kDirections; ++d) {
        o.animation[1][d][static_cast<int>(AnimationState::Idle)] = 1;
        o.animation[1][d][static_cast<int>(AnimationState::Move)] = 1;
        o.animation[2][d][static_cast<int>(AnimationState::Move)] = o.frameCount > 1 ? 2 : 1;
        for (int k = 1; k <= destroyFrames; ++k) {
            o.animation[k][d][static_cast<int>(AnimationState::Destroy)] = k;
        }
    }
    p.activeCount = std::max(p.activeCount, type);
}

inline void addBackgroundType(Project& p, int type, const std::string& name, int kind, Color c,
                              int columns, int rows) {
    BackgroundObject& o = p.backgrounds[type];
    o.name = name;
    o.tileWidth = 8;
    o.tileHeight = 8;
    o.columns = columns;
    o.rows = rows;
    o.kind = kind;
    o.tileSet = flatImage(8, 8, c);
    o.tileSetWidth = 8;
    o.tileSetHeight = 8;
    for (int r = 1; r <= rows; ++r) {
        for (int col = 1; col <= columns; ++col) {
            o.tileMap.at(r, col) = 1;
        }
    }
    o.mapPicture = flatImage(columns * 8, rows * 8, c);
    o.mapPictureWidth = o.mapPicture.width();
    o.mapPictureHeight = o.mapPicture.height();
    p.backgroundCount = std::max(p.backgroundCount, type);
}

inline void addIndicatorType(Project& p, int type, const std::string& name, Color full,
                             Color empty) {
    IndicatorObject& o = p.indicators[type];
    o.name = name;
    o.amount = 10;
    o.image = flatImage(40, 8, full);
    for (int y = 0; y < 8; ++y) {
        for (int x = 20; x < 40; ++x) {
            o.image.setPixel(x, y, empty);
        }
    }
    o.imageWidth = 40;
    o.imageHeight = 8;
    o.pngWidth = 40;
    o.pngHeight = 8;
    p.indicatorCount = std::max(p.indicatorCount, type);
}

inline void addTextType(Project& p, int type, const std::string& name, Color c,
                        std::initializer_list<const char*> lines) {
    TextObject& o = p.texts[type];
    o.kind = 1;
    o.size = 1;
    o.bold = 1;
    o.colorR = c & 0xFF;
    o.colorG = (c >> 8) & 0xFF;
    o.colorB = (c >> 16) & 0xFF;
    o.fileName = name + ".png";
    for (const char* line : lines) {
        o.lines[++o.lineCount] = line;
    }
    p.textCount = std::max(p.textCount, type);
}

inline std::string sound(const std::string& file) {
    return "try{player=Manager.createPlayer(getClass().getResourceAsStream(\"/" + file +
           "\"),\"audio/x-wav\");player.realize();player.prefetch();player.start();}catch "
           "(Exception e){}";
}

inline std::string ref(const char* array, int type) {
    const std::string t = std::to_string(type);
    return std::string(array) + "[gr_obj[" + t + "][kr" + t + "]]";
}

inline Project makeEngineProject() {
    Project p;
    p.midletName = "Engine";
    p.midletVendor = "Avizad";
    p.midletVersion = "1.0";
    p.levelCount = 4;

    Image hero(2 * kHeroFrame, kHeroFrame, kBackdrop);
    for (int y = kHeroMargin; y < kHeroFrame - kHeroMargin; ++y) {
        for (int x = kHeroMargin; x < kHeroFrame - kHeroMargin; ++x) {
            hero.setPixel(x, y, kHero);
            hero.setPixel(x + kHeroFrame, y, kHero);
        }
    }
    addActiveType(p, kHeroType, "hero", hero, kHeroFrame, kHeroSpeed);
    p.actives[kHeroType].transparentBackground = 1;
    addActiveType(p, kGhostType, "ghost", flatImage(12, 12, kGhost), 12, 1);
    addActiveType(p, kCrateType, "crate", flatImage(12, 12, rgb(250, 140, 0)), 12, 1);
    addActiveType(p, kPursuerType, "pursuer", flatImage(12, 12, rgb(250, 0, 0)), 12, kPursuerSpeed);
    addActiveType(p, kAttackerType, "attacker", flatImage(12, 12, rgb(120, 0, 120)), 12,
                  kAttackerSpeed);
    addActiveType(p, kDyingType, "dying", flatImage(36, 12, rgb(60, 60, 0)), 12, 1, 3);
    // The walker's move animation shows frame d (of 4) when it goes in direction d.
    addActiveType(p, kWalkerType, "walker", flatImage(48, 12, rgb(0, 100, 0)), 12, kWalkerSpeed);
    for (int d = 1; d <= kDirections; ++d) {
        p.actives[kWalkerType].animation[1][d][static_cast<int>(AnimationState::Move)] = d;
        p.actives[kWalkerType].animation[2][d][static_cast<int>(AnimationState::Move)] = 0;
    }

    addBackgroundType(p, kWallType, "wall", 1, kWall, 1, 4);
    addBackgroundType(p, kGrassType, "grass", 0, kGrass, 3, 3);
    addBackgroundType(p, kFloorType, "floor", 1, kWall, 30, 1);
    addBackgroundType(p, kLadderType, "ladder", 2, rgb(150, 100, 50), 1, 10);

    addIndicatorType(p, 1, "life", kFull, kEmpty);
    addIndicatorType(p, 2, "hidden", kHiddenBar, kHiddenBar);
    addTextType(p, 1, "score", kTextColor, {"", "WWWW WWWW"});
    addTextType(p, 2, "secret", kHiddenText, {"HIDDEN TEXT"});

    // Level 1: the hero walks towards the wall near the right end of a wide level.
    Level& one = p.levels[1];
    one.width = kLevelOneWidth;
    one.height = 320;
    one.controlType[kHeroType] = 1;
    one.backgroundPlacements.add(place(kWallX, 96, kWallType, "wall", 8, 8));
    one.backgroundPlacements.add(place(400, 200, kGrassType, "grass", 8, 8));
    one.activePlacements.add(place(kHeroStartX, kHeroY, kHeroType, "hero", 16, 16));
    one.activePlacements.add(place(450, 150, kGhostType, "ghost", 12, 12));
    one.indicatorPlacements.add(place(8, 8, 1, ""));
    one.indicatorPlacements.add(place(8, 30, 2, ""));
    one.textPlacements.add(place(20, 50, 1, ""));
    one.textPlacements.add(place(130, 220, 2, ""));

    // Level 2: a floor, a ladder, a person in the air, a person at the ladder, a crate.
    Level& two = p.levels[2];
    two.width = 240;
    two.height = 320;
    two.controlType[kHeroType] = 2;
    two.backgroundPlacements.add(place(0, kFloorY, kFloorType, "floor", 8, 8));
    two.backgroundPlacements.add(place(kLadderX, kLadderTop, kLadderType, "ladder", 8, 8));
    two.activePlacements.add(place(20, 100, kHeroType, "hero", 16, 16));
    two.activePlacements.add(place(96, kFloorY - kHeroFrame + kHeroMargin, kHeroType, "hero"));
    two.activePlacements.add(place(200, 50, kCrateType, "crate", 12, 12));

    // Level 3: a vehicle.
    Level& three = p.levels[3];
    three.width = 240;
    three.height = 320;
    three.controlType[kHeroType] = 3;
    three.activePlacements.add(place(20, 150, kHeroType, "hero", 16, 16));

    // Level 4: a still player, its pursuer and attacker, a dying object and a walker
    // on trajectory 1.
    Level& four = p.levels[4];
    four.width = 240;
    four.height = 320;
    four.controlType[kHeroType] = 1;
    four.activePlacements.add(place(20, 250, kHeroType, "hero", 16, 16));
    four.activePlacements.add(place(200, 250, kPursuerType, "pursuer", 12, 12));
    four.activePlacements.add(place(20, 150, kAttackerType, "attacker", 12, 12));
    four.activePlacements.add(place(120, 50, kDyingType, "dying", 12, 12));
    four.activePlacements.add(place(100, 100, kWalkerType, "walker", 12, 12));
    four.trajectories[1].points.add(TrajectoryPoint{100, 100, 0, 0, 0});
    four.trajectories[1].points.add(TrajectoryPoint{160, 100, 5, 0, 0});
    four.trajectories[1].points.add(TrajectoryPoint{160, 140, 0, 4, 1});

    EventTable& table = p.eventTable;
    const auto event = [&](const std::string& caption, const std::string& code) -> Event& {
        Event& e = table.events[++table.eventCount];
        e.conditionCaption = utf8ToCp1251(caption);
        e.conditionCode = code;
        e.tag = "event";
        return e;
    };
    const auto act = [](ActionList& list, const std::string& code) {
        list.add(Action{"action", code});
    };
    {
        Event& e = event("Начало уровня", "((obtime>=0)&(obtime<10))");
        act(e.specialActions[1], "glob[2]=glob[2]+1;");
        act(e.specialActions[1], "glob[5]=width;");
        act(e.specialActions[1], "glob[6]=height;");
        // A missing sound resource and a sound the headless phone cannot play; the
        // action after them still runs.
        act(e.specialActions[2], sound("missing.wav"));
        act(e.specialActions[2], sound("boom.wav"));
        act(e.specialActions[4], "glob[14]=glob[14]+1;");
        act(e.activeActions[kHeroType], "{" + ref("act_upr", kHeroType) + "=7;}");
        act(e.activeActions[kGhostType], "{" + ref("act", kGhostType) + ".setVisible(false);}");
        act(e.activeActions[kCrateType], "{" + ref("grav_napr", kCrateType) + "=4;}");
        act(e.activeActions[kPursuerType], "{" + ref("act_upr", kPursuerType) + "=2;kd=kr1;}");
        act(e.activeActions[kAttackerType], "{" + ref("act_upr", kAttackerType) + "=3;kd=kr1;}");
        act(e.activeActions[kDyingType], "{" + ref("act_upr", kDyingType) + "=5;}");
        act(e.activeActions[kWalkerType],
            "{" + ref("act_upr", kWalkerType) + "=6;" + ref("act_tr_number", kWalkerType) + "=0;}");
        act(e.backgroundActions[kGrassType], "{fon[gr_fon[2][krf2]].setVisible(false);}");
        act(e.indicatorActions[1], "{line_tek[gr_line[1][krl1]]=4;}");
        act(e.indicatorActions[2], "{line[gr_line[2][krl2]].setVisible(false);}");
        act(e.textActions[1], "{tek_str[gr_text[1][krt1]]=2-1;}");
        act(e.textActions[2], "{text_visible[gr_text[2][krt2]]=false;}");
    }
    {
        Event& e = event("Всегда", "(obtime>0)");
        act(e.specialActions[1], "glob[1]=glob[1]+1;");
        act(e.specialActions[1], "glob[7]=rand;");
    }
    {
        // Every frame: the level, and the flags of the conditions below cleared.
        Event& e = event("obtime>=0", "(obtime>=0)");
        act(e.specialActions[1], "glob[8]=level;");
        for (const int g : {9, 10, 11, 12, 13, 16}) {
            act(e.specialActions[1], "glob[" + std::to_string(g) + "]=0;");
        }
    }
    act(event("каждые 0/0/50", timerEvery(500)).specialActions[1], "glob[3]=glob[3]+1;");
    act(event("Таймер равен 0/1/0", "((endTime_ob>=1000)&(endTime_ob<=1000+fps))")
            .specialActions[1],
        "glob[4]=glob[4]+1;");
    act(event("столкновение акт[1] с фон[1]",
              "(" + ref("act", kHeroType) + ".collidesWith(fonPole[1-1],false))")
            .specialActions[1],
        "glob[9]=1;");
    act(event("индикатор 2 невидимый", "(line_visible[gr_line[2][krl2]]==false)").specialActions[1],
        "glob[10]=1;");
    act(event("обнаружение от 0 до 40", detection(kPursuerType, kHeroType, 0, 40))
            .specialActions[1],
        "glob[11]=1;");
    act(event("расположение 4 справа от 1", position(kPursuerType, kHeroType, true, ">"))
            .specialActions[1],
        "glob[12]=1;");
    act(event("столкновение акт[4] с акт[1]", "(" + ref("act", kPursuerType) + ".collidesWith(" +
                                                  ref("act", kHeroType) + ",false))")
            .specialActions[1],
        "glob[13]=1;");
    act(event("нажатие клавиши 9", "(pressed_code==57)").specialActions[3],
        "{midlet.changeEtap(1,level+1);}");
    act(event("нажатие клавиши 7", "(pressed_code==55)").specialActions[3],
        "{midlet.changeEtap(1,9);}");
    act(event("Любая клавиша", "(anykey==true)").specialActions[1], "glob[15]=glob[15]+1;");
    act(event("урон акт[1] >2", "(" + ref("obj_uron", kHeroType) + ">2)").specialActions[1],
        "glob[16]=1;");
    // For the tests only (no menu gives these): the phone's clock, a pause of the game for
    // a second by key 5, and an event that fails by key #.
    act(event("Всегда", "(obtime>=0)").specialActions[1],
        "glob[17]=(int)(System.currentTimeMillis()%100000000);");
    act(event("нажатие клавиши 5", "(pressed_code==53)").specialActions[1],
        "{midlet.pauseApp();new Thread(){public void run(){try{Thread.sleep(1000);}"
        "catch(InterruptedException e){}midlet.startApp();}}.start();}");
    {
        Event& e = event("нажатие клавиши #", "(pressed_code==35)");
        act(e.specialActions[1], "glob[18]=glob[18]+1;");
        act(e.specialActions[1], "glob[19]=1/glob[20];");
        act(e.specialActions[1], "glob[20]=glob[20]+1;");
    }
    {
        Event& e = event("нажатие клавиши 1", "(pressed_code==49)");
        act(e.specialActions[1], "for(int count=0;count<layer_kol;count++){manager_X[count]=100;}");
        act(e.specialActions[1], "for(int count=0;count<layer_kol;count++){manager_Y[count]=20;}");
    }
    return p;
}

}  // namespace avizad::testing::engine
