// The time an author waits for "Компиляция" and "Запуск игры".
//
//   avizad-build-bench PROGRAMDIR PROJECT [WARM_RUNS [LAUNCHES]]
//
// PROGRAMDIR holds System/ with the templates, the settings and the toolkit (the settings'
// JDK and WTK folders and screen are used, shrinking always on); PROJECT is a .yrk file. The builds
// run in a temporary copy of the program folder (templates and manifest template), so PROGRAMDIR's
// own build folders stay as they are.
//
// Build: the project is built as the editor builds it, with one BuildSession (one
// BuildPipeline with its build process, one command interpreter) kept from build to build,
// as the main window and its console keep them. The first build is the cold one, the WARM_RUNS
// (default 10) builds after it the warm ones. Each time runs from BuildPipeline::start to the end
// of the build ("Архив создан"), sources and resources included. Then the same project is built
// with buildAndWait() five times, each a whole `avizad-cli build` minus loading the project.
//
// Run: "Запуск игры" (launchGame) on the built archive, LAUNCHES (default 5) times. The time
// runs from the call to the moment the emulator window first paints a frame of the game:
// the emulator, given the file name in the environment variable AVIZAD_EMULATOR_FIRST_FRAME,
// writes the wall-clock time of that paint and its process id there (FirstFrame.java of the
// emulator); the bench then ends the emulator. This needs a display: run the bench under
// xvfb-run (as `make bench` does); without DISPLAY this part is skipped.
//
// Prints:
//   cold build: N ms
//   warm build: median N ms (min N, max N)
//   cli build: median N ms (min N, max N)
//   F5 to first frame: median N ms (min N, max N)
// and the load average before and after, for the machine is shared.

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "model/Settings.h"
#include "pipeline/BuildAndWait.h"
#include "pipeline/BuildSession.h"
#include "pipeline/GameLauncher.h"

namespace {

using namespace avizad;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

long long millisSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

struct Figures {
    long long median = 0, min = 0, max = 0;
};

Figures figures(std::vector<long long> times) {
    std::sort(times.begin(), times.end());
    Figures f;
    if (!times.empty()) {
        f.median = times[(times.size() - 1) / 2];
        f.min = times.front();
        f.max = times.back();
    }
    return f;
}

void printFigures(const char* what, const std::vector<long long>& times) {
    const Figures f = figures(times);
    std::printf("%s: median %lld ms (min %lld, max %lld)\n", what, f.median, f.min, f.max);
}

// "Запуск игры" until the first frame is on screen; -1 when it never came.
long long launchOnce(const fs::path& work, const BuildInputs& inputs, const Project& project) {
    const fs::path report = work / "first-frame.txt";
    fs::remove(report);
    ::setenv("AVIZAD_EMULATOR_FIRST_FRAME", report.c_str(), 1);
    const auto startWall = std::chrono::system_clock::now();
    const Clock::time_point start = Clock::now();
    if (const int error = launchGame(work, inputs.wtkDir, project.midletName, inputs.screenWidth,
                                     inputs.screenHeight);
        error != 0) {
        std::fprintf(stderr, "launchGame failed: %s\n", std::strerror(error));
        return -1;
    }
    while (!fs::exists(report)) {
        if (millisSince(start) > 60000) {
            std::fprintf(stderr, "no first frame after 60 s\n");
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    long long paintedAt = 0;
    long long pid = 0;
    std::istringstream(readFileText(report)) >> paintedAt >> pid;
    if (pid > 0) {
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    }
    const long long startedAt =
        std::chrono::duration_cast<std::chrono::milliseconds>(startWall.time_since_epoch()).count();
    return paintedAt - startedAt;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: avizad-build-bench PROGRAMDIR PROJECT [WARM_RUNS [LAUNCHES]]\n");
        return 2;
    }
    const fs::path program = fs::absolute(argv[1]);
    const fs::path projectFile = fs::absolute(argv[2]);
    const int warmRuns = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10;
    const int launches = argc > 4 ? std::max(0, std::atoi(argv[4])) : 5;

    const Settings settings = readOptions(optionsPath(program));
    BuildInputs inputs;
    inputs.jdkDir = utf8ToCp1251(resolveProgramPath(program, settings.jdkDir).string());
    inputs.wtkDir = utf8ToCp1251(resolveProgramPath(program, settings.wtkDir).string());
    inputs.shrink = true;
    inputs.screenWidth = settings.screenWidth;
    inputs.screenHeight = settings.screenHeight;
    inputs.projectDir = projectFile.parent_path();

    std::random_device seed;
    const fs::path work =
        fs::temp_directory_path() / ("avizad-build-bench-" + std::to_string(seed()));
    for (const char* folder : {"src", "res", "bin", "classes", "tmpclasses"}) {
        fs::create_directories(work / "System" / folder);
    }
    fs::copy(program / "System" / "draft", work / "System" / "draft", fs::copy_options::recursive);
    fs::copy_file(program / "System" / "MANIFEST.MF", work / "System" / "MANIFEST.MF");
    inputs.programDir = work;

    Project project;
    clearProject(project);
    loadProject(project, projectFile);

    std::printf("project: %s\nload average before: %s\n", projectFile.c_str(),
                loadAverage().c_str());
    int status = 0;
    const auto failed = [&](const BuildResult& result, const std::string& console) {
        if (result.archiveMade) {
            return false;
        }
        std::fprintf(stderr, "the build failed:\n%s\n", cp1251ToUtf8(console).c_str());
        status = 1;
        return true;
    };
    {
        // The editor's way to build: one interpreter, pipeline and build process for the
        // whole session.
        BuildSession session;
        std::string console;
        const auto print = [&console](std::string_view text) { console += text; };
        Clock::time_point start = Clock::now();
        BuildResult result = session.build(project, inputs, print);
        const long long cold = millisSince(start);
        if (!failed(result, console)) {
            std::printf("cold build: %lld ms\n", cold);
            std::vector<long long> warm;
            for (int i = 0; i < warmRuns && status == 0; ++i) {
                console.clear();
                start = Clock::now();
                result = session.build(project, inputs, print);
                warm.push_back(millisSince(start));
                failed(result, console);
            }
            if (status == 0) {
                printFigures("warm build", warm);
            }
        }
    }
    if (status == 0) {
        std::vector<long long> cli;
        for (int i = 0; i < 5 && status == 0; ++i) {
            std::string console;
            const Clock::time_point start = Clock::now();
            const BuildResult result =
                buildAndWait(project, inputs, [&](std::string_view text) { console += text; });
            cli.push_back(millisSince(start));
            failed(result, console);
        }
        if (status == 0) {
            printFigures("cli build", cli);
        }
    }
    if (status == 0 && launches > 0) {
        const char* display = std::getenv("DISPLAY");
        if (display == nullptr || *display == '\0') {
            std::printf("F5 to first frame: skipped (no DISPLAY; run the bench under xvfb-run)\n");
        } else {
            std::vector<long long> times;
            for (int i = 0; i < launches; ++i) {
                const long long t = launchOnce(work, inputs, project);
                if (t < 0) {
                    status = 1;
                    break;
                }
                times.push_back(t);
            }
            if (status == 0) {
                printFigures("F5 to first frame", times);
            }
        }
    }
    std::printf("load average after: %s\n", loadAverage().c_str());
    std::error_code ignored;
    fs::remove_all(work, ignored);
    return status;
}
