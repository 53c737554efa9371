// avizad-cli: drives the core without a window.
//   avizad-cli roundtrip IN.yrk OUT.yrk   load a project and save it again
//   avizad-cli info IN.yrk                counts of object types, levels, placements, events
//   avizad-cli build IN.yrk               build the game archive System/bin/<midletName>.jar;
//                                         code of the events written by hand is listed first
//   avizad-cli html IN.yrk                build it, then its page for browsers beside it,
//                                         System/bin/<midletName>.html
//   avizad-cli generate IN.yrk            write the game's sources, resources and manifest
//                                         into System/build below the program folder;
//                                         sounds come from the folder res beside IN.yrk

#include <pthread.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "events/HandWrittenCode.h"
#include "generator/BrowserPage.h"
#include "generator/BuildFolders.h"
#include "generator/GameSources.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/IoError.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "model/Settings.h"
#include "pipeline/BuildAndWait.h"
#include "pipeline/BuildLock.h"
#include "pipeline/StagingFolder.h"

namespace {

using namespace avizad;

int usage() {
    std::fputs(
        "usage:\n"
        "  avizad-cli roundtrip IN.yrk OUT.yrk   load a project and save it again\n"
        "  avizad-cli info IN.yrk                show the counts of a project\n"
        "  avizad-cli generate IN.yrk            write the game's sources and resources\n"
        "  avizad-cli build IN.yrk               build the game archive System/bin/<name>.jar\n"
        "  avizad-cli html IN.yrk                build it, then its page System/bin/<name>.html\n",
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
        std::printf(
            "level %d: %dx%d, placements: %d background, %d active, %d indicator, %d text\n", l,
            level.width, level.height, level.backgroundPlacements.count(),
            level.activePlacements.count(), level.indicatorPlacements.count(),
            level.textPlacements.count());
    }
    std::printf("events: %d\n", p.eventCount());
    return 0;
}

int generate(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        return usage();
    }
    BuildFolders folders(programDir());
    folders.projectDir = std::filesystem::absolute(args[0]).parent_path();
    // The screen the game is laid out for: the settings', when the program has them.
    if (std::filesystem::exists(optionsPath(folders.programDir))) {
        const Settings settings = readOptions(optionsPath(folders.programDir));
        folders.screenWidth = settings.screenWidth;
        folders.screenHeight = settings.screenHeight;
    }
    const BuildLock lock(folders);
    if (!lock.held()) {
        std::fprintf(stderr, "avizad-cli: another build runs in %s; try again when it has ended\n",
                     folders.programDir.c_str());
        return 1;
    }
    // Staged like a build's files, and kept where a build keeps them: System/build.
    StagingFolder staging(folders);
    folders.stagingDir = staging.path();
    const GameSourcesReport report = generateGameSources(load(args[0]), folders);
    for (const std::string& file : report.undeleted) {
        std::fprintf(stderr, "avizad-cli: could not delete %s\n", file.c_str());
    }
    for (const std::string& warning : report.warnings) {
        std::fprintf(stderr, "avizad-cli: %s\n", warning.c_str());
    }
    staging.keep();
    std::printf("%s\n", (StagingFolder::lastBuild(folders) / "src").string().c_str());
    return 0;
}

// SIGINT and SIGTERM stop the build: a thread of its own waits for them (they are
// blocked everywhere else) and stops the build's tools. Static: the thread may outlive
// build().
BuildStopper gStopper;
std::atomic<int> gStopSignal = 0;

void stopOnSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    // Blocked before any other thread starts, so every thread inherits it; the tools
    // start with no signal blocked (spawnProcess).
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread([signals] {
        int signal = 0;
        if (sigwait(&signals, &signal) == 0) {
            gStopSignal = signal;
            gStopper.requestStop();
        }
    }).detach();
}

// Builds the game of a project below the program's folder with the tools of its
// settings, showing the console text as it arrives, then runs `after` on the archive made.
// Fails when no archive was made; stopped by SIGINT or SIGTERM, it exits with 128 + the
// signal's number.
int buildThen(const std::vector<std::string>& args,
              const std::function<int(const BuildResult&, const BuildInputs&)>& after) {
    if (args.size() != 1) {
        return usage();
    }
    stopOnSignals();
    const Project project = load(args[0]);
    // The events' code written by hand, before the game that runs it is built.
    if (const std::string notice = handWrittenCodeNotice(project); !notice.empty()) {
        std::fputs(notice.c_str(), stdout);
        std::fflush(stdout);
    }
    const std::filesystem::path program = programDir();
    const Settings settings = readOptions(optionsPath(program));
    const BuildInputs inputs = BuildInputs::fromSettings(settings, program, args[0]);
    const BuildResult result = buildAndWait(
        project, inputs,
        [](std::string_view text) {
            const std::string utf8 = cp1251ToUtf8(text);
            std::fwrite(utf8.data(), 1, utf8.size(), stdout);
            std::fflush(stdout);
        },
        generateGameSources, &gStopper);
    if (result.stopped) {
        return 128 + gStopSignal;
    }
    return result.archiveMade ? after(result, inputs) : 1;
}

int build(const std::vector<std::string>& args) {
    return buildThen(args, [](const BuildResult&, const BuildInputs&) { return 0; });
}

// The page for browsers beside the archive; the last line names it.
int html(const std::vector<std::string>& args) {
    return buildThen(args, [](const BuildResult& result, const BuildInputs& inputs) {
        const std::filesystem::path page = writeBrowserPage(
            inputs.programDir, result.archive, inputs.screenWidth, inputs.screenHeight);
        std::printf("Страница для браузера: %s\n", displayPath(page).c_str());
        return 0;
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    const std::map<std::string, std::function<int(const std::vector<std::string>&)>> commands = {
        {"roundtrip", roundtrip}, {"info", info},         {"build", build},
        {"html", html},           {"generate", generate},
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
