// The game engine's speed: a level at the capacities (100 active and 100 background
// placements, 20 indicators, 20 texts, 50 events) built with the toolkit and played
// headless, against an empty level played for the same number of frames. The time the
// emulator needs beyond the empty level, per frame, is the time spent in the game's code
// (its events, objects and drawing); it has to stay well below the 50 ms frame period.
//
//   avizad-engine-bench [PROGRAM_DIR [FRAMES [RUNS]]]
//
// PROGRAM_DIR (default: build/bin) holds System/toolkit. Prints the median of RUNS runs,
// of the real time and of the processor time (user and system) the emulator took; on a
// machine that other work keeps busy the processor time is the steadier figure.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "EngineScenarios.h"
#include "GameToolchain.h"

namespace {

using namespace avizad;
using namespace avizad::testing::engine;
namespace fs = std::filesystem;

// Level 1 at the capacities; level 2 empty. Key 9 goes to level 2.
Project capacityProject() {
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

// The processor time (user and system, seconds) of the ended child processes so far.
double childProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Timing {
    double real = 0;       // seconds
    double processor = 0;  // seconds
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path program = argc > 1 ? fs::path(argv[1]) : fs::path("build/bin");
    const int frames = argc > 2 ? std::max(50, std::atoi(argv[2])) : 600;
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    testing::GameToolchain game(fs::path(AVIZAD_SOURCE_DIR) / "System", program / "System/toolkit");
    if (!game.installed()) {
        std::fprintf(stderr, "no toolkit below %s\n", (program / "System/toolkit").c_str());
        return 1;
    }
    // With a fifth argument "trace" the game prints its trace, and the last line of each
    // run is shown (to see what the level did).
    const bool trace = argc > 4 && std::string(argv[4]) == "trace";
    const std::string failed = game.build(capacityProject(), trace);
    if (!failed.empty()) {
        std::fprintf(stderr, "the capacity game was not built:\n%s\n", failed.c_str());
        return 1;
    }
    // Both runs show the title for 2 frames; the empty level is reached by key 9.
    const auto timed = [&](const std::string& keys, int total) {
        std::vector<double> seconds;
        std::vector<double> processor;
        for (int r = 0; r < runs; ++r) {
            std::string output;
            const auto start = std::chrono::steady_clock::now();
            const double processorStart = childProcessorSeconds();
            const int status = game.play(total, keys, {}, output);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            processor.push_back(childProcessorSeconds() - processorStart);
            if (status != 0 || output.find("Exception") != std::string::npos ||
                output.find("event failed") != std::string::npos) {
                std::fprintf(stderr, "the game failed:\n%s\n", output.c_str());
                std::exit(1);
            }
            seconds.push_back(took.count());
            if (trace) {
                const std::size_t end = output.find_last_not_of('\n');
                const std::size_t begin = output.rfind('\n', end);
                std::printf("%s\n", output.substr(begin == std::string::npos ? 0 : begin + 1)
                                        .substr(0, 600)
                                        .c_str());
            }
        }
        return Timing{median(seconds), median(processor)};
    };
    const Timing full = timed("2 tap 49\n", frames + 3);
    const Timing empty = timed("2 tap 49\n4 tap 9\n", frames + 6);
    const char* mode = std::getenv("JAVA_TOOL_OPTIONS");
    std::printf("engine: %d frames, median of %d runs, frame period 50 ms%s%s\n", frames, runs,
                mode != nullptr ? ", JAVA_TOOL_OPTIONS=" : "", mode != nullptr ? mode : "");
    std::printf("  %-24s %10s %14s\n", "", "real time", "processor time");
    const auto row = [&](const char* what, double real, double processor) {
        std::printf("  %-24s %7.2f ms %11.2f ms  a frame\n", what, real * 1000.0 / frames,
                    processor * 1000.0 / frames);
    };
    row("level at the capacities", full.real, full.processor);
    row("empty level", empty.real, empty.processor);
    row("game's code", full.real - empty.real, full.processor - empty.processor);
    std::printf("  game's code is %.0f%% of the period (processor time)\n",
                (full.processor - empty.processor) * 1000.0 / frames * 100.0 / 50.0);
    return 0;
}
