// Our virtual machine against HotSpot's interpreter: the engine bench's level at the
// capacities built with the toolkit and played headless on avizad-vm and on the emulator with
// -Xint, side by side. Each runtime also plays the empty level for as many frames; the time
// beyond it, a frame, is the game code's time. Then the heap after garbage collection while the
// machine plays the level for 12,000 frames (ten minutes of play), which should stay flat.
//
//   avizad-vm-bench [PROGRAM_DIR [FRAMES [RUNS [HEAP_FRAMES]]]]
//
// PROGRAM_DIR (default: build/bin) holds avizad-vm and System/toolkit.

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "EngineCapacity.h"
#include "GameToolchain.h"
#include "vm/Vm.h"
#include "vm/host/NativePlatform.h"

namespace {

using namespace avizad;
namespace fs = std::filesystem;

double childProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class QuietPlatform : public vm::NativePlatform {
public:
    void print(const std::string&, bool) override {}
};

}  // namespace

int main(int argc, char** argv) {
    const fs::path program = fs::absolute(argc > 1 ? fs::path(argv[1]) : fs::path("build/bin"));
    const int frames = argc > 2 ? std::max(50, std::atoi(argv[2])) : 300;
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    const int heapFrames = argc > 4 ? std::max(1000, std::atoi(argv[4])) : 12000;
    testing::GameToolchain game(fs::path(AVIZAD_SOURCE_DIR) / "System", program / "System/toolkit");
    if (!game.installed()) {
        std::fprintf(stderr, "no toolkit below %s\n", (program / "System/toolkit").c_str());
        return 1;
    }
    const std::string failed =
        game.build(testing::engine::engineCapacityProject(), false, {}, {}, true);
    if (!failed.empty()) {
        std::fprintf(stderr, "the capacity game was not built:\n%s\n", failed.c_str());
        return 1;
    }
    // The processor time of one headless run (its process and children).
    const auto run = [&](const std::string& runner, const std::string& keys, int total) {
        std::vector<double> processor;
        for (int r = 0; r < runs; ++r) {
            std::ofstream(game.root() / "keys.txt") << keys;
            std::string output;
            const double start = childProcessorSeconds();
            const int status =
                game.shell(runner + " --frames " + std::to_string(total) +
                               " --keys keys.txt --timeout 600 '" + game.jar().string() + "'",
                           output);
            processor.push_back(childProcessorSeconds() - start);
            if (status != 0) {
                std::fprintf(stderr, "the game failed:\n%s\n", output.c_str());
                std::exit(1);
            }
        }
        return median(processor);
    };
    struct Row {
        const char* name;
        std::string runner;
        double full = 0;
        double empty = 0;
    };
    Row rows[] = {
        {"our machine", (program / "avizad-vm").string()},
        {"HotSpot -Xint", "JAVA_TOOL_OPTIONS=-Xint " +
                              (program / "System/toolkit/wtk/bin/emulator").string() +
                              " --headless"},
    };
    for (Row& row : rows) {
        row.full = run(row.runner, "2 tap 49\n", frames + 3);
        row.empty = run(row.runner, "2 tap 49\n4 tap 9\n", frames + 6);
    }
    std::printf("the level at the capacities, %d frames, median processor time of %d runs\n",
                frames, runs);
    std::printf("  %-16s %12s %12s %14s\n", "", "level", "empty level", "game's code");
    for (const Row& row : rows) {
        std::printf("  %-16s %9.2f ms %9.2f ms %11.2f ms  a frame\n", row.name,
                    row.full * 1000 / frames, row.empty * 1000 / frames,
                    (row.full - row.empty) * 1000 / frames);
    }
    const double ours = rows[0].full - rows[0].empty;
    const double hotspot = rows[1].full - rows[1].empty;
    std::printf(
        "  our machine takes %.2f times HotSpot's interpreter's time for the game's code "
        "(goal: at most 1.5)\n",
        hotspot > 0 ? ours / hotspot : 0.0);

    // The heap after garbage collection, every thousand frames of the level.
    QuietPlatform platform;
    vm::VmOptions options;
    options.keys = vm::KeyScript::parse("2 tap 49\n", "keys");
    vm::Vm machine(platform, vm::readJar(avizad::readFileBytes(game.jar()), platform), options);
    machine.start();
    std::printf("heap after garbage collection while the machine plays %d frames:\n", heapFrames);
    std::size_t first = 0;
    std::size_t largest = 0;
    for (long long mark = 1000; mark <= heapFrames; mark += 1000) {
        while (machine.running() && machine.frames() < mark) {
            machine.run(100000);
        }
        if (!machine.running()) {
            std::fprintf(stderr, "the machine stopped at frame %lld\n", machine.frames());
            return 1;
        }
        machine.collectGarbage();
        const std::size_t live = machine.liveBytes();
        first = first == 0 ? live : first;
        largest = std::max(largest, live);
        std::printf("  frame %6lld: %8zu bytes\n", machine.frames(), live);
    }
    std::printf("  growth from the first sample to the largest: %+.1f%%\n",
                first > 0 ? (static_cast<double>(largest) - first) * 100.0 / first : 0.0);
    return 0;
}
