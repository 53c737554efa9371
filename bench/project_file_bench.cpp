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

#include "model/Project.h"
#include "model/ProjectFile.h"

using namespace avizad;

namespace {

Image noise(int w, int h, unsigned seed) {
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
Project capacityProject(int side) {
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
        pixels += p.backgrounds[i].tileSet.pixels().size() + p.backgrounds[i].mapPicture.pixels().size();
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
    std::string file =
        (std::filesystem::temp_directory_path() / ("avizad-bench-" + std::to_string(getpid()) + ".yrk"))
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
