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

#include "EngineCapacity.h"
#include "GameToolchain.h"

namespace {

using namespace avizad;
using namespace avizad::testing::engine;
namespace fs = std::filesystem;

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
    const std::string failed = game.build(engineCapacityProject(), trace);
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
