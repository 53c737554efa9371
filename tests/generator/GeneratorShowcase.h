#pragma once
// The showcase project of the game generator: all four kinds of objects placed on two
// levels, trajectories, and events whose conditions and actions use every fragment
// shape of the condition and action catalogues. It is kept as tests/fixtures/showcase.yrk.
// Images are flat colours so that a screenshot shows where each object was drawn.

#include <string>

#include "model/Cp1251.h"
#include "model/Project.h"

namespace avizad::testing {

inline constexpr Color kWallColor = rgb(200, 60, 40);
inline constexpr Color kWallColor2 = rgb(120, 30, 20);
inline constexpr Color kGrassColor = rgb(40, 160, 40);
inline constexpr Color kHeroColor = rgb(30, 60, 220);
inline constexpr Color kHeroBackdrop = rgb(255, 0, 255);
inline constexpr Color kEnemyColor = rgb(250, 140, 0);
inline constexpr Color kLifeFull = rgb(220, 0, 0);
inline constexpr Color kLifeEmpty = rgb(128, 128, 128);
inline constexpr Color kLadderColor = rgb(150, 100, 50);

inline Image flatImage(int w, int h, Color c) {
    return Image(w, h, c);
}

inline Placement place(int x, int y, int object, const std::string& name, int w = 0, int h = 0) {
    Placement p;
    p.x = x;
    p.y = y;
    p.object = object;
    p.objectName = name;
    p.width = w;
    p.height = h;
    return p;
}

// Every action code of the catalogues for one column, by the catalogue's own formulas.
inline void addAction(ActionList& list, const std::string& caption, const std::string& code) {
    list.add(Action{caption, code});
}

inline std::string actRef(int n) {
    return "act[gr_obj[" + std::to_string(n) + "][kr" + std::to_string(n) + "]]";
}

inline std::string timerEvery(int t) {
    const std::string T = std::to_string(t);
    return "((endTime_ob-(endTime_ob/" + T + ")*" + T + ">=0)&(endTime_ob-(endTime_ob/" + T + ")*" +
           T + "<=fps))";
}

inline std::string detection(int n, int m, int a, int b) {
    const std::string N = actRef(n);
    const std::string M = actRef(m);
    const std::string A = std::to_string(a);
    const std::string B = std::to_string(b);
    return "((" + N + ".getX()-" + M + ".getX()<" + B + ")&(" + N + ".getX()-" + M + ".getX()>-" +
           B + ")&(" + N + ".getY()-" + M + ".getY()<" + B + ")&(" + N + ".getY()-" + M +
           ".getY()>-" + B + ")&((" + N + ".getX()-" + M + ".getX()>" + A + ")|(" + N + ".getX()-" +
           M + ".getX()<-" + A + ")|(" + N + ".getY()-" + M + ".getY()>" + A + ")|(" + N +
           ".getY()-" + M + ".getY()<-" + A + ")))&(act_upr[gr_obj[" + std::to_string(n) + "][kr" +
           std::to_string(n) + "]]!=5)";
}

// "слева" (x, "<"), "справа" (x, ">"), "сверху" (y, "<"), "снизу" (y, ">").
inline std::string position(int n, int m, bool horizontal, const char* op) {
    const std::string N = actRef(n);
    const std::string M = actRef(m);
    const std::string mi = "[gr_obj[" + std::to_string(m) + "][kr" + std::to_string(m) + "]]";
    const std::string xM = "(" + M + ".getX()+tileWidthob" + mi + "/2)";
    const std::string yM = "(" + M + ".getY()+tileHeightob" + mi + "/2)";
    const std::string first =
        horizontal ? "(" + N + ".getX()" + op + M + ".getX()+tileWidthob" + mi + "/2)"
                   : "(" + N + ".getY()" + op + M + ".getY()+tileHeightob" + mi + "/2)";
    const std::string own = horizontal ? "Math.abs(" + N + ".getX()-" + xM + ")"
                                       : "Math.abs(" + N + ".getY()-" + yM + ")";
    const std::string other = horizontal ? "Math.abs(" + N + ".getY()-" + yM + ")"
                                         : "Math.abs(" + N + ".getX()-" + xM + ")";
    return first + "&(" + own + ">" + other + ")&(act_upr[gr_obj[" + std::to_string(n) + "][kr" +
           std::to_string(n) + "]]!=5)";
}

inline Project makeShowcaseProject() {
    Project p;
    p.midletName = "Showcase";
    p.midletVendor = utf8ToCp1251("Авизад");
    p.midletVersion = "1.0";
    p.levelCount = 2;

    // Background types: 1 wall (obstacle, two tiles), 2 grass (neutral, Russian name),
    // 3 ladder.
    p.backgroundCount = 3;
    {
        BackgroundObject& wall = p.backgrounds[1];
        wall.name = "wall";
        wall.tileWidth = 8;
        wall.tileHeight = 8;
        wall.columns = 4;
        wall.rows = 2;
        wall.kind = 1;
        wall.tileSet = flatImage(16, 8, kWallColor);
        for (int y = 0; y < 8; ++y) {
            for (int x = 8; x < 16; ++x) {
                wall.tileSet.setPixel(x, y, kWallColor2);
            }
        }
        for (int c = 1; c <= 4; ++c) {
            wall.tileMap.at(1, c) = 1;
            wall.tileMap.at(2, c) = c == 4 ? 2 : 1;
        }
        BackgroundObject& grass = p.backgrounds[2];
        grass.name = utf8ToCp1251("трава");
        grass.tileWidth = 8;
        grass.tileHeight = 8;
        grass.columns = 3;
        grass.rows = 3;
        grass.kind = 0;
        grass.tileSet = flatImage(8, 8, kGrassColor);
        for (int r = 1; r <= 3; ++r) {
            for (int c = 1; c <= 3; ++c) {
                grass.tileMap.at(r, c) = 1;
            }
        }
        BackgroundObject& ladder = p.backgrounds[3];
        ladder.name = "ladder.old";
        ladder.tileWidth = 8;
        ladder.tileHeight = 8;
        ladder.columns = 1;
        ladder.rows = 4;
        ladder.kind = 2;
        ladder.tileSet = flatImage(8, 8, kLadderColor);
        for (int r = 1; r <= 4; ++r) {
            ladder.tileMap.at(r, 1) = 1;
        }
        for (int t = 1; t <= 3; ++t) {
            BackgroundObject& o = p.backgrounds[t];
            o.tileSetWidth = o.tileSet.width();
            o.tileSetHeight = o.tileSet.height();
            o.mapPicture = flatImage(o.columns * o.tileWidth, o.rows * o.tileHeight, kGrassColor);
            o.mapPictureWidth = o.mapPicture.width();
            o.mapPictureHeight = o.mapPicture.height();
        }
    }

    // Active types: 1 hero (Russian name, transparent backdrop), 2 enemy.
    p.activeCount = 2;
    {
        ActiveObject& hero = p.actives[1];
        hero.name = utf8ToCp1251("герой");
        hero.frameWidth = 16;
        hero.frameHeight = 16;
        hero.frameCount = 2;
        hero.moveSpeed = 3;
        hero.acceleration = 1;
        hero.braking = 1;
        hero.strip = flatImage(32, 16, kHeroBackdrop);
        for (int y = 2; y < 14; ++y) {
            for (int x = 2; x < 14; ++x) {
                hero.strip.setPixel(x, y, kHeroColor);
                hero.strip.setPixel(x + 16, y, kHeroColor);
            }
        }
        hero.transparentBackground = 1;
        for (int d = 1; d <= 4; ++d) {
            hero.animation[1][d][1] = 1;
            hero.animation[1][d][2] = 1;
            hero.animation[2][d][2] = 2;
            hero.animation[1][d][4] = 2;
        }
        ActiveObject& enemy = p.actives[2];
        enemy.name = "enemy";
        enemy.frameWidth = 12;
        enemy.frameHeight = 12;
        enemy.frameCount = 3;
        enemy.moveSpeed = 2;
        enemy.acceleration = 1;
        enemy.braking = 1;
        enemy.strip = flatImage(36, 12, kEnemyColor);
        for (int d = 1; d <= 4; ++d) {
            enemy.animation[1][d][1] = 1;
            enemy.animation[2][d][1] = 2;
            enemy.animation[3][d][1] = 3;
            enemy.animation[1][d][2] = 2;
            enemy.animation[1][d][4] = 3;
        }
        for (int t = 1; t <= 2; ++t) {
            ActiveObject& o = p.actives[t];
            o.stripWidth = o.strip.width();
            o.stripHeight = o.strip.height();
            o.iconWidth = o.frameWidth;
            o.iconHeight = o.frameHeight;
            o.icon = flatImage(o.frameWidth, o.frameHeight, kEnemyColor);
        }
    }

    // Indicator type 1: a life bar, full half red, empty half grey.
    p.indicatorCount = 1;
    {
        IndicatorObject& life = p.indicators[1];
        life.name = "life";
        life.amount = 10;
        life.image = flatImage(40, 8, kLifeFull);
        for (int y = 0; y < 8; ++y) {
            for (int x = 20; x < 40; ++x) {
                life.image.setPixel(x, y, kLifeEmpty);
            }
        }
        life.imageWidth = 40;
        life.imageHeight = 8;
        life.pngWidth = 40;
        life.pngHeight = 8;
    }

    // Text types: 1 with a quote, a backslash and Russian text; 2 without lines.
    p.textCount = 2;
    {
        TextObject& title = p.texts[1];
        title.kind = 1;
        title.size = 1;
        title.bold = 1;
        title.colorR = 0;
        title.colorG = 0;
        title.colorB = 200;
        title.fileName = "title.png";
        title.lineCount = 3;
        title.lines[1] = utf8ToCp1251("Счёт");
        title.lines[2] = "Say \"hi\" \\ ok";
        title.lines[3] = "third";
        TextObject& empty = p.texts[2];
        empty.kind = 2;
        empty.size = -1;
        empty.fileName = "empty.png";
        empty.lineCount = 0;
    }

    // Level 1: two walls, grass, the hero, two enemies, the life bar, the title.
    Level& one = p.levels[1];
    one.name = utf8ToCp1251("Начало");
    one.width = 480;
    one.height = 320;
    one.controlType[1] = 1;
    one.controlType[2] = 0;
    one.backgroundPlacements.add(place(0, 280, 1, "wall", 8, 8));
    one.backgroundPlacements.add(place(120, 280, 1, "wall", 8, 8));
    one.backgroundPlacements.add(place(160, 40, 2, p.backgrounds[2].name, 8, 8));
    one.activePlacements.add(place(40, 100, 1, p.actives[1].name, 16, 16));
    one.activePlacements.add(place(100, 160, 2, "enemy", 12, 12));
    one.activePlacements.add(place(180, 200, 2, "enemy", 12, 12));
    one.indicatorPlacements.add(place(8, 8, 1, ""));
    one.textPlacements.add(place(120, 8, 1, ""));
    for (int i = 0; i < 3; ++i) {
        one.trajectories[1].points.add(TrajectoryPoint{20 + 40 * i, 60, 5, 2, i == 2 ? 1 : 0});
    }
    one.trajectories[3].points.add(TrajectoryPoint{-5, 7, 0, 0, 0});

    // Level 2: a ladder, an enemy, the empty text and the life bar.
    Level& two = p.levels[2];
    two.width = 240;
    two.height = 320;
    two.controlType[1] = 2;
    two.controlType[2] = 3;
    two.backgroundPlacements.add(place(100, 100, 3, "ladder.old", 8, 8));
    two.activePlacements.add(place(60, 60, 2, "enemy", 12, 12));
    two.activePlacements.add(place(20, 200, 1, p.actives[1].name, 16, 16));
    two.indicatorPlacements.add(place(200, 300, 1, ""));
    two.textPlacements.add(place(10, 10, 2, ""));
    two.trajectories[2].points.add(TrajectoryPoint{10, 10, 0, 0, 0});

    // Events. Conditions that come true in a plain run only touch values, never the
    // placement of objects; the others exercise every fragment shape of the catalogues.
    EventTable& table = p.eventTable;
    const auto event = [&](const std::string& caption, const std::string& code) -> Event& {
        Event& e = table.events[++table.eventCount];
        e.conditionCaption = utf8ToCp1251(caption);
        e.conditionCode = code;
        e.tag = "event";
        return e;
    };
    const std::string a1 = actRef(1);
    const std::string a2 = actRef(2);
    const std::string f1 = "fon[gr_fon[1][krf1]]";
    const std::string t1 = "[gr_text[1][krt1]]";
    const std::string l1 = "[gr_line[1][krl1]]";
    {
        Event& e = event("Начало уровня", "((obtime>=0)&(obtime<10))");
        addAction(e.indicatorActions[1], utf8ToCp1251("количество = 10"),
                  "{line_tek" + l1 + "=10;}");
        addAction(e.specialActions[1], "glob[1]=5", "glob[1]=5;");
        addAction(e.textActions[1], utf8ToCp1251("номер позиции = 1"), "{tek_str" + t1 + "=1-1;}");
        addAction(e.indicatorActions[1], utf8ToCp1251("видимый"),
                  "{line" + l1 + ".setVisible(true);}");
    }
    {
        Event& e = event("Всегда", "(obtime>0)");
        addAction(e.specialActions[1], "glob[2]=glob[2]+1", "glob[2]=glob[2]+1;");
        addAction(e.activeActions[2], utf8ToCp1251("урон=0"), "{act_uron[gr_obj[2][kr2]]=0;}");
        addAction(e.activeActions[2], utf8ToCp1251("притяжение: отключить"),
                  "{grav_napr[gr_obj[2][kr2]]=0;}");
        addAction(e.textActions[1], utf8ToCp1251("видимый"), "{text_visible" + t1 + "=true;}");
        addAction(e.activeActions[1], utf8ToCp1251("видимый"), "{" + a1 + ".setVisible(true);}");
        addAction(e.backgroundActions[1], utf8ToCp1251("Видимый"),
                  "{" + f1 + ".setVisible(true);}");
        addAction(e.specialActions[1], utf8ToCp1251("верхний край экрана = 0"),
                  "for(int count=0;count<layer_kol;count++){manager_Y[count]=0;}");
        addAction(e.specialActions[1], utf8ToCp1251("левый край экрана = 0"),
                  "for(int count=0;count<layer_kol;count++){manager_X[count]=0;}");
    }
    {
        Event& e = event("Сравнение двух значений", "(level==1)");
        addAction(e.specialActions[1], "glob[4]=rand", "glob[4]=rand;");
    }
    {
        Event& e = event("glob[1]==5", "(glob[1]==5)");
        addAction(e.specialActions[1], "glob[5]=height+width",
                  "glob[5]=height+width+endTime_ob/1000/60+endTime_ob/1000+endTime_ob/10;");
    }
    {
        Event& e = event("нажатие клавиши 7", "(pressed_code==55)");
        addAction(e.specialActions[3], utf8ToCp1251("уровень+1"), "{midlet.changeEtap(1,1+1);}");
        addAction(e.activeActions[1], utf8ToCp1251("изменение видимости"),
                  "{if(" + a1 + ".isVisible()==false){" + a1 + ".setVisible(true);}else{" + a1 +
                      ".setVisible(false);}}");
    }
    {
        Event& e = event("Любая клавиша", "(anykey==true)");
        addAction(e.specialActions[3], utf8ToCp1251("уровень-1"), "{midlet.changeEtap(2,2-1);}");
    }
    {
        Event& e = event("удержание клавиши 2", "(keeping_code==50)");
        addAction(e.activeActions[1], utf8ToCp1251("Х=Х+1"),
                  "{" + a1 + ".setPosition(" + a1 + ".getX()+1," + a1 + ".getY());}");
        addAction(e.activeActions[1], "Y=Y+1",
                  "{" + a1 + ".setPosition(" + a1 + ".getX()," + a1 + ".getY()+1);}");
    }
    {
        Event& e = event("отпускание клавиши venter", "(released_code==-5)");
        addAction(e.specialActions[2], utf8ToCp1251("воспроизвести boom.wav"),
                  "try{player=Manager.createPlayer(getClass().getResourceAsStream(\"/boom.wav\"),"
                  "\"audio/x-wav\");player.realize();player.prefetch();player.start();}catch "
                  "(Exception e){}");
        addAction(e.specialActions[3], utf8ToCp1251("уровень = 1"), "{midlet.changeEtap(1,1);}");
    }
    {
        Event& e = event("каждые 0/1/0", timerEvery(1000));
        addAction(e.specialActions[1], "glob[3]=glob[3]+1", "glob[3]=glob[3]+1;");
        addAction(e.activeActions[2], utf8ToCp1251("кадр анимации: следующий"),
                  "{" + a2 + ".nextFrame();}");
    }
    {
        Event& e = event("Таймер равен 0/5/0", "((endTime_ob>=5000)&(endTime_ob<=5000+fps))");
        addAction(e.activeActions[2], utf8ToCp1251("кадр анимации: предыдущий"),
                  "{" + a2 + ".prevFrame();}");
        addAction(e.activeActions[2], utf8ToCp1251("кадр анимации: установить1"),
                  "{" + a2 + ".setFrame(1-1);}");
    }
    {
        // Never true in a run of a few seconds: actions that move objects.
        Event& e = event("Таймер больше 10/0/0", "(endTime_ob>600000)");
        addAction(e.activeActions[1], utf8ToCp1251("режим: спокойствие"),
                  "{act_upr[gr_obj[1][kr1]]=1;}");
        addAction(e.activeActions[1], utf8ToCp1251("иначе режим: спокойствие"),
                  "}else{{act_upr[gr_obj[1][kr1]]=1;}");
        addAction(e.activeActions[2], utf8ToCp1251("режим: преследование"),
                  "{act_upr[gr_obj[2][kr2]]=2;kd=kr1;}");
        addAction(e.activeActions[2], utf8ToCp1251("режим: атака"),
                  "{act_upr[gr_obj[2][kr2]]=3;kd=kr1;}");
        addAction(e.activeActions[2], utf8ToCp1251("режим: смерть"),
                  "{act_upr[gr_obj[2][kr2]]=5;}");
        addAction(e.activeActions[2], utf8ToCp1251("режим: перемещение по траектории 1"),
                  "{act_upr[gr_obj[2][kr2]]=6;act_tr_number[gr_obj[2][kr2]]=0;}");
        addAction(e.activeActions[1], utf8ToCp1251("режим: управление игроком"),
                  "{act_upr[gr_obj[1][kr1]]=7;}");
        addAction(e.activeActions[1], utf8ToCp1251("урон+1"), "{act_uron[gr_obj[1][kr1]]+=1;}");
        addAction(e.activeActions[1], utf8ToCp1251("притяжение: влево"),
                  "{grav_napr[gr_obj[1][kr1]]=1;}");
        addAction(e.activeActions[1], utf8ToCp1251("притяжение: вправо"),
                  "{grav_napr[gr_obj[1][kr1]]=3;}");
        addAction(e.activeActions[1], utf8ToCp1251("притяжение: вверх"),
                  "{grav_napr[gr_obj[1][kr1]]=2;}");
        addAction(e.activeActions[1], utf8ToCp1251("притяжение: вниз"),
                  "{grav_napr[gr_obj[1][kr1]]=4;}");
        addAction(e.activeActions[1], utf8ToCp1251("невидимый"), "{" + a1 + ".setVisible(false);}");
        addAction(e.textActions[1], utf8ToCp1251("X = 5"), "{text_X" + t1 + "=5;}");
        addAction(e.textActions[1], utf8ToCp1251("Y = 5"), "{text_Y" + t1 + "=5;}");
        addAction(e.textActions[1], utf8ToCp1251("высота = 50"), "{text_H[0]=50;}");
        addAction(e.textActions[2], utf8ToCp1251("ширина = 50"), "{text_W[1]=50;}");
        addAction(e.textActions[1], utf8ToCp1251("невидимый"), "{text_visible" + t1 + "=false;}");
        addAction(e.indicatorActions[1], utf8ToCp1251("невидимый"),
                  "{line" + l1 + ".setVisible(false);}");
        addAction(e.indicatorActions[1], "X = 1", "{line_X" + l1 + "=1;}");
        addAction(e.indicatorActions[1], "Y = 1", "{line_Y" + l1 + "=1;}");
        addAction(e.backgroundActions[1], utf8ToCp1251("Х=1"),
                  "{" + f1 + ".setPosition(1," + f1 + ".getY());}");
        addAction(e.backgroundActions[2], "Y=1",
                  "{fon[gr_fon[2][krf2]].setPosition(fon[gr_fon[2][krf2]].getX(),1);}");
        addAction(e.backgroundActions[1], utf8ToCp1251("Невидимый"),
                  "{" + f1 + ".setVisible(false);}");
        addAction(e.specialActions[3], utf8ToCp1251("уровень = уровень+1"),
                  "{midlet.changeEtap(1,level+1);}");
    }
    {
        Event& e = event("Таймер меньше 0/0/5", "(endTime_ob<50)");
        addAction(e.specialActions[1], "glob[6]=1", "glob[6]=1;");
    }
    // Object conditions, each with an action that changes no placement.
    const std::string kr1 = "[gr_obj[1][kr1]]";
    const std::string conditions[] = {
        detection(1, 2, 10, 100),
        "(" + a1 + ".collidesWith(fonPole[1-1],false))",
        "(" + a1 + ".collidesWith(" + a2 + ",false))",
        "(act_upr" + kr1 + "==1)",
        "(act_upr" + kr1 + "==2)",
        "(act_upr" + kr1 + "==3)",
        "(act_upr" + kr1 + "==5)",
        "(act_upr" + kr1 + "==7)",
        "(" + a1 + ".getX()>=0)",
        "(" + a1 + ".getY()<1000)",
        "(" + a1 + ".getFrame()==1-1)",
        "(" + a1 + ".isVisible()==true)",
        "(" + a1 + ".isVisible()==false)",
        "(obj_uron" + kr1 + ">5)",
        position(1, 2, true, "<"),
        position(1, 2, true, ">"),
        position(1, 2, false, "<"),
        position(1, 2, false, ">"),
        "(act_napr" + kr1 + "==1)",
        "(text_visible" + t1 + "==true)",
        "(text_visible" + t1 + "==false)",
        "(tek_str" + t1 + "==1-1)",
        "(line_visible" + l1 + "==true)",
        "(line_visible" + l1 + "==false)",
        "(line_tek" + l1 + ">=10)",
        "(" + f1 + ".getX()>=0)",
        "(" + f1 + ".getY()>=0)",
    };
    // Each sets one of glob[7..20] (glob[1..6] belong to the events above).
    int value = 0;
    for (const std::string& condition : conditions) {
        Event& e = event("условие", condition);
        addAction(e.specialActions[1], "glob", "glob[" + std::to_string(7 + value++ % 14) + "]=1;");
    }
    return p;
}

}  // namespace avizad::testing
