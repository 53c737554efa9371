// Times saving and loading a project at the capacities with large images, and
// reports throughput and peak memory.
//
//   avizad-bench [--quick] [FILE]    FILE defaults to a temporary file

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "CapacityProject.h"
#include "model/ProjectFile.h"

using namespace avizad;
using avizad::bench::capacityProject;

namespace {

double seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

long peakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

std::uint64_t imageBytes(const Project& p) {
    std::uint64_t pixels = 0;
    for (int i = 1; i <= p.backgroundCount; ++i) {
        pixels +=
            p.backgrounds[i].tileSet.pixels().size() + p.backgrounds[i].mapPicture.pixels().size();
    }
    for (int t = 1; t <= p.activeCount; ++t) {
        pixels += p.actives[t].strip.pixels().size() + p.actives[t].icon.pixels().size();
    }
    for (int t = 1; t <= p.indicatorCount; ++t) {
        pixels += p.indicators[t].image.pixels().size();
    }
    return pixels * sizeof(Color);
}

}  // namespace

int main(int argc, char** argv) {
    bool quick = false;
    std::string file = (std::filesystem::temp_directory_path() /
                        ("avizad-bench-" + std::to_string(getpid()) + ".yrk"))
                           .string();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--quick") {
            quick = true;
        } else {
            file = arg;
        }
    }
    const int side = quick ? 128 : 512;
    long baseline = 0;
    std::uint64_t images = 0;
    double saveSeconds = 0;
    {
        const Project project = capacityProject(side);
        images = imageBytes(project);
        baseline = peakRssMb();
        const auto start = std::chrono::steady_clock::now();
        saveProject(project, file);
        saveSeconds = seconds(start);
    }
    const double size = static_cast<double>(std::filesystem::file_size(file));
    Project loaded;
    clearProject(loaded);
    const auto start = std::chrono::steady_clock::now();
    loadProject(loaded, file);
    const double loadSeconds = seconds(start);
    const long peak = peakRssMb();
    std::filesystem::remove(file);

    const double mb = size / 1e6;
    std::printf("project file: %.1f MB, images in memory: %.1f MB\n", mb, images / 1e6);
    std::printf("save: %.3f s, %.0f MB/s\n", saveSeconds, mb / saveSeconds);
    std::printf("load: %.3f s, %.0f MB/s\n", loadSeconds, mb / loadSeconds);
    std::printf("peak memory: %ld MB (%ld MB with the project built, before saving)\n", peak,
                baseline);
    return 0;
}
