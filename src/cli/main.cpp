// avizad-cli: drives the core without a window.
//   avizad-cli roundtrip IN.yrk OUT.yrk   load a project and save it again
//   avizad-cli info IN.yrk                counts of object types, levels, placements, events

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/IoError.h"
#include "model/Project.h"
#include "model/ProjectFile.h"

namespace {

using namespace avizad;

int usage() {
    std::fputs(
        "usage:\n"
        "  avizad-cli roundtrip IN.yrk OUT.yrk   load a project and save it again\n"
        "  avizad-cli info IN.yrk                show the counts of a project\n",
        stderr);
    return 2;
}

Project load(const std::string& path) {
    Project project;
    clearProject(project);
    loadProject(project, path);
    return project;
}

int roundtrip(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        return usage();
    }
    saveProject(load(args[0]), args[1]);
    return 0;
}

int info(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        return usage();
    }
    const Project p = load(args[0]);
    std::printf("background types: %d\nactive types: %d\nindicator types: %d\ntext types: %d\n",
                p.backgroundCount, p.activeCount, p.indicatorCount, p.textCount);
    std::printf("levels: %d\n", p.levelCount);
    for (int l = 1; l <= p.levelCount; ++l) {
        const Level& level = p.levels[l];
        std::printf("level %d: %dx%d, placements: %d background, %d active, %d indicator, %d text\n",
                    l, level.width, level.height, level.backgroundPlacements.count(),
                    level.activePlacements.count(), level.indicatorPlacements.count(),
                    level.textPlacements.count());
    }
    std::printf("events: %d\n", p.eventCount());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    const std::map<std::string, std::function<int(const std::vector<std::string>&)>> commands = {
        {"roundtrip", roundtrip},
        {"info", info},
    };
    const auto command = commands.find(argv[1]);
    if (command == commands.end()) {
        return usage();
    }
    try {
        return command->second(std::vector<std::string>(argv + 2, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "avizad-cli: %s\n", error.what());
        return 1;
    }
}
