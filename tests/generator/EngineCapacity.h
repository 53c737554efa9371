#pragma once
// The level the engine is measured on: level 1 at the capacities (100 active and 100
// background placements, 20 indicators, 20 texts, 50 events), level 2 empty. Key 9 goes to
// level 2. Played by the engine's benchmarks and by the virtual machine's tests.

#include <string>

#include "EngineScenarios.h"

namespace avizad::testing::engine {

// Level 1 at the capacities; level 2 empty. Key 9 goes to level 2.
inline Project engineCapacityProject() {
    Project p = makeEngineProject();
    p.levelCount = 2;
    for (int l = 1; l <= 4; ++l) {
        p.levels[l] = Level();
        p.levels[l].width = 2000;
        p.levels[l].height = 1000;
    }
    Level& one = p.levels[1];
    one.controlType[kHeroType] = 1;
    // 100 backgrounds: walls, grass, floors and ladders spread over the level.
    const int fonTypes[] = {kWallType, kGrassType, kFloorType, kLadderType};
    for (int i = 0; i < 100; ++i) {
        const int type = fonTypes[i % 4];
        one.backgroundPlacements.add(testing::place(100 + (i % 10) * 190, 60 + (i / 10) * 95, type,
                                                    p.backgrounds[type].name, 8, 8));
    }
    // 100 actives: a player, pursuers, attackers, walkers on trajectories, falling crates.
    one.activePlacements.add(testing::place(300, 300, kHeroType, "hero", 16, 16));
    const int actTypes[] = {kPursuerType, kAttackerType, kWalkerType, kCrateType, kGhostType};
    for (int i = 1; i < 100; ++i) {
        const int type = actTypes[i % 5];
        one.activePlacements.add(testing::place(40 + (i % 20) * 95, 30 + (i / 20) * 190, type,
                                                p.actives[type].name, 12, 12));
    }
    for (int t = 1; t <= 10; ++t) {
        for (int k = 0; k < 40; ++k) {
            one.trajectories[t].points.add(
                TrajectoryPoint{100 + t * 150 + (k % 8) * 20, 100 + (k / 8) * 150, k % 3, 0, 0});
        }
    }
    for (int i = 0; i < 20; ++i) {
        one.indicatorPlacements.add(
            testing::place(4 + (i % 4) * 58, 4 + (i / 4) * 12, 1 + i % 2, ""));
        one.textPlacements.add(testing::place((i % 2) * 120, 80 + (i / 2) * 24, 1 + i % 2, ""));
    }
    // 50 events: the engine project's events, then conditions on every kind with actions.
    EventTable& table = p.eventTable;
    int n = 0;
    while (table.eventCount < 50) {
        Event& e = table.events[++table.eventCount];
        e.tag = "event";
        const std::string g = std::to_string(15 + n % 6);
        switch (n++ % 5) {
            case 0:
                e.conditionCode = "(" + ref("act", kPursuerType) + ".collidesWith(" +
                                  ref("act", kHeroType) + ",false))";
                e.specialActions[1].add(Action{"", "glob[" + g + "]=glob[" + g + "]+1;"});
                break;
            case 1:
                e.conditionCode =
                    "(" + ref("act", kCrateType) + ".collidesWith(fonPole[3-1],false))";
                e.activeActions[kCrateType].add(
                    Action{"", "{" + ref("act_uron", kCrateType) + "+=1;}"});
                break;
            case 2:
                e.conditionCode = testing::detection(kAttackerType, kHeroType, 10, 200);
                e.specialActions[1].add(Action{"", "glob[" + g + "]=rand;"});
                break;
            case 3:
                e.conditionCode = "(obtime>0)";
                e.indicatorActions[1].add(Action{"", "{line_tek[gr_line[1][krl1]]=rand/10;}"});
                e.textActions[1].add(Action{"", "{tek_str[gr_text[1][krt1]]=rand/50;}"});
                break;
            default:
                e.conditionCode =
                    "(" + ref("act", kWalkerType) + ".getX()>" + std::to_string(n) + ")";
                e.activeActions[kGhostType].add(
                    Action{"", "{" + ref("act", kGhostType) + ".nextFrame();}"});
                break;
        }
    }
    // Level 2 stays empty: the baseline.
    return p;
}

}  // namespace avizad::testing::engine
