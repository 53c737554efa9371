#pragma once
// A generated game built and played with the Java ME toolkit, without the editor:
// a throw-away program folder, the game's sources generated into it, the compile,
// preverify and archive command lines of the build, and headless emulator runs.
// Used by the engine's scenario tests and its benchmark.

#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "generator/BuildFolders.h"
#include "generator/GameSources.h"
#include "model/FileUtil.h"
#include "model/Project.h"

namespace avizad::testing {

class GameToolchain {
public:
    // `sourceSystem`: the System folder holding draft/ and MANIFEST.MF; `toolkit`: the
    // installed toolkit (jdk/ and wtk/), absolute or relative to the current folder (the
    // tools run in the program folder, so a relative one is made absolute here).
    GameToolchain(const std::filesystem::path& sourceSystem, const std::filesystem::path& toolkit)
        : toolkit_(toolkit.empty() ? toolkit : std::filesystem::absolute(toolkit)) {
        namespace fs = std::filesystem;
        std::random_device seed;
        root_ = fs::temp_directory_path() /
                ("avizad-game-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        fs::create_directories(root_ / "System");
        fs::copy(sourceSystem / "draft", root_ / "System" / "draft", fs::copy_options::recursive);
        fs::copy_file(sourceSystem / "MANIFEST.MF", root_ / "System" / "MANIFEST.MF");
        for (const char* dir : {"src", "res", "bin", "classes", "tmpclasses"}) {
            fs::create_directories(root_ / "System" / dir);
        }
    }
    ~GameToolchain() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    GameToolchain(const GameToolchain&) = delete;
    GameToolchain& operator=(const GameToolchain&) = delete;

    bool installed() const {
        namespace fs = std::filesystem;
        return fs::exists(toolkit_ / "jdk/bin/javac") &&
               fs::exists(toolkit_ / "wtk/bin/emulator") &&
               fs::exists(toolkit_ / "wtk/lib/midpapi20.jar");
    }

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path jar() const { return root_ / "System/bin/game.jar"; }

    // Generates, compiles, preverifies and archives the project. `resources` are extra
    // files (name, bytes) packed with the game; with `trace` the stages print a line per
    // frame. Returns the tools' output of the step that failed, or "" when the jar is built.
    // With a `cache` folder, a jar built before from the same sources, resources and
    // toolkit is taken from there instead of running the tools again. With `shrink` the
    // preverifier also shrinks the game, keeping the MIDlet class, as the build does.
    std::string build(const Project& project, bool trace,
                      const std::vector<std::pair<std::string, std::string>>& resources = {},
                      const std::filesystem::path& cache = {}, bool shrink = false) {
        generateGameSources(project, BuildFolders(root_));
        if (trace) {
            std::ofstream(root_ / "MANIFEST.MF", std::ios::app) << "Avizad-Trace: 1\r\n";
        }
        for (const auto& [name, bytes] : resources) {
            std::ofstream(root_ / "System/res" / name, std::ios::binary) << bytes;
        }
        namespace fs = std::filesystem;
        fs::path cached;
        if (!cache.empty()) {
            cached = cache / ("game-" + sourceKey() + (shrink ? "-shrunk" : "") + ".jar");
            std::error_code error;
            if (fs::exists(cached, error)) {
                fs::copy_file(cached, jar(), fs::copy_options::overwrite_existing);
                return "";
            }
        }
        const std::string jdk = (toolkit_ / "jdk").string();
        const std::string wtk = (toolkit_ / "wtk").string();
        const std::string classPath = wtk + "/lib/cldcapi11.jar:" + wtk + "/lib/midpapi20.jar";
        const std::pair<const char*, std::string> steps[] = {
            {"compile", jdk + "/bin/javac -source 1.3 -classpath " + classPath +
                            " -d System/tmpclasses System/src/*.java"},
            {"preverify", wtk + "/bin/preverify -classpath " + classPath +
                              (shrink ? " -keep syrk" : "") +
                              " -d System/classes System/tmpclasses"},
            {"archive", "rm -f System/bin/game.jar && " + jdk +
                            "/bin/jar cmf MANIFEST.MF System/bin/game.jar -C System/classes . "
                            "-C System/res ."},
        };
        for (const auto& [name, command] : steps) {
            std::string output;
            if (shell(command, output) != 0) {
                return std::string(name) + ":\n" + output;
            }
        }
        if (!cached.empty()) {
            // Written under a name of its own, then renamed: parallel runs never see half a jar.
            std::error_code error;
            fs::create_directories(cache, error);
            const fs::path part = cached.string() + "." + root_.filename().string();
            fs::copy_file(jar(), part, fs::copy_options::overwrite_existing, error);
            if (!error) {
                fs::rename(part, cached, error);
            }
        }
        return "";
    }

    // Plays the built game headless for `frames` frames with the key script `keys`
    // (emulator syntax); the screen at the end goes to `screenshot` when it is not empty.
    // A game that hangs ends after a minute of real time (status 3). `size` ("176x220")
    // chooses another screen than the emulator's default.
    // Returns the emulator's exit status; `output` receives what the game printed.
    int play(int frames, const std::string& keys, const std::filesystem::path& screenshot,
             std::string& output, const std::string& size = {}) const {
        std::ofstream(root_ / "keys.txt") << keys;
        std::string command = (toolkit_ / "wtk/bin/emulator").string() + " --headless --frames " +
                              std::to_string(frames) + " --keys keys.txt --timeout 60";
        if (!size.empty()) {
            command += " --size " + size;
        }
        if (!screenshot.empty()) {
            command += " --screenshot '" + screenshot.string() + "'";
        }
        return shell(command + " '" + jar().string() + "'", output);
    }

    // Runs a command line in the program folder; returns its exit status.
    int shell(const std::string& command, std::string& output) const {
        const std::filesystem::path log = root_ / "command.log";
        const std::string line =
            "cd '" + root_.string() + "' && " + command + " > '" + log.string() + "' 2>&1";
        const int status = std::system(line.c_str());
        std::error_code error;
        output = std::filesystem::exists(log, error) ? readFileText(log) : std::string();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    // A digest of everything the jar is made of: the generated sources, resources and
    // manifest, and the toolkit's tools and libraries (their sizes and times).
    std::string sourceKey() const {
        namespace fs = std::filesystem;
        std::uint64_t hash = 14695981039346656037ull;
        const auto mix = [&](const std::string& text) {
            for (const unsigned char c : text) {
                hash = (hash ^ c) * 1099511628211ull;
            }
            hash = (hash ^ 0xFF) * 1099511628211ull;
        };
        std::vector<fs::path> files;
        for (const char* dir : {"System/src", "System/res"}) {
            for (const auto& entry : fs::directory_iterator(root_ / dir)) {
                files.push_back(entry.path());
            }
        }
        files.push_back(root_ / "MANIFEST.MF");
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            mix(file.filename().string());
            mix(readFileText(file));
        }
        for (const char* tool : {"jdk/bin/javac", "wtk/bin/preverify", "wtk/lib"}) {
            const fs::path path = toolkit_ / tool;
            std::error_code error;
            for (const auto& entry : fs::recursive_directory_iterator(path, error)) {
                mix(entry.path().string() + " " + std::to_string(entry.file_size(error)) + " " +
                    std::to_string(entry.last_write_time(error).time_since_epoch().count()));
            }
            mix(std::to_string(fs::last_write_time(path, error).time_since_epoch().count()));
        }
        return std::to_string(hash);
    }

    std::filesystem::path toolkit_;
    std::filesystem::path root_;
};

}  // namespace avizad::testing
