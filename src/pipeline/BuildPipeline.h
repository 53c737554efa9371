#pragma once
// BuildPipeline: the "Компиляция" command. It writes the game's sources and resources,
// then runs the compiler, the preverifier and the archiver as command lines of an
// interpreter, one after another, and ends with one line in the console saying whether
// the archive was made or which step failed.
//
// Order. After each command line the pipeline sends a second line that prints a marker
// with the command's exit status; the marker tells it that the command has ended and
// how. Only then does it do the file step that depends on the command (putting the
// finished archive in place) and send the next command. Marker lines are taken out of
// the text the console shows.
//
// Threads. The pipeline never blocks and keeps no thread of its own: start() writes the
// files and sends the first command, then feedOutput() and interpreterEnded() drive it.
// The caller makes sure these calls and stop() never run at the same time (the editor
// makes them all on its user-interface thread, BuildSession on the thread that builds);
// the build process's reports reach the pipeline on that thread through Console::post.
//
// Processes. A build that runs a step as a command line has an interpreter of its own
// (Console::open), started for its first command line in a process group of its own; the
// tools it runs stay in that group. A build whose steps all run in the build process (below)
// starts none. When the build ends,
// however it ends (finished, failed, stopped with stop(), or the pipeline destroyed),
// Console::close ends the interpreter and every process of its group (SIGKILL), so no
// tool of the build runs on. Only a program killed with SIGKILL leaves its tools running;
// staging keeps them harmless.
//
// Staging. Each build writes into a folder of its own, System/build.XXXXXX (StagingFolder:
// made new by mkdtemp, so no tool of an earlier build can write into it), holding src,
// res, tmpclasses, classes, MANIFEST.MF and the archive "game.jar" while it is made.
// At the end the folder is renamed to System/build (the last build's files, to look at),
// replacing the one before; staging folders of killed builds are removed by the next
// build. Nothing is ever deleted through a symbolic link.
//
// The steps:
//   0    refuse MIDlet settings that make no game (midletSettingsProblem) and folders
//        the Java tools cannot take (toolFolderProblem), before anything is written;
//   1-3  take the program folder's build lock (a build started while another one runs
//        in the same program folder, in this process or another, is refused); start or
//        keep the build process (below); make the staging folder; write the stage
//        classes, resources, MIDlet class, manifest and fixed files, and copy the
//        project's own sound files and icon from its folder "res" (the SourceWriter);
//        only files whose real path lies inside the real project folder are taken
//        (findProjectResources), the console names the others;
//   4    compile src/*.java into tmpclasses ("-encoding Cp1251");
//   5    preverify into classes; when shrinking, the same pass shrinks the game and
//        shortens its names, keeping the classes the manifest names;
//   6    pack the manifest, the *.class of classes and every file of res, each named
//        "./NAME" after "-C FOLDER", into game.jar, and rename it to
//        System/bin/<midletName>.jar (replacing the old one at once), then write the
//        descriptor System/bin/<midletName>.jad (MidletAssembly::descriptorText: the
//        manifest's MIDlet attributes, the archive's name and exact size; the old one is
//        removed before the archive is replaced); an archive above 64 KB, which many
//        MIDP 2.0 phones refuse, is named in the console with its largest files.
// A single resource above 16 MB (kMaxResourceBytes) stops the build before any tool runs.
// A command that ends with a non-zero status, a file step that fails, the end of the
// interpreter or stop() ends the build at that step and removes the archive of that name
// and its descriptor.
//
// The build process. When the settings' WTK folder is the toolkit's own (it holds
// bin/buildserver) and the console can deliver work to the pipeline's thread
// (Console::post), the tool steps whose tool the toolkit's build process runs go to that
// process instead of the interpreter (BuildServerClient): one Java virtual machine,
// started at the first build (before the game's files are written) and kept by the
// pipeline from build to build, in a process group of its own. Each request names the
// folders of the build's staging folder. The console shows the same things: the step's
// command line, the tool's output, the final line. The compile step there also names the
// game's engine sources (engineSources of GameSources.h), whose class files the toolkit's
// compiler then takes from System/cache/engine when they were compiled before. When the
// build process says nothing for a while (BuildServerTimeouts::notice, 5 s) while the build
// waits for it, the console shows "Процесс сборки не отвечает…". When the
// build process ends, hangs or breaks its protocol during a step, the step's output is
// removed, the console says so, and that step and the rest of the build run as command
// lines of the interpreter; the next build starts a new build process. A build that ends
// while the build process runs one of its steps (failed, stopped, the interpreter ended,
// the pipeline destroyed) kills the process, and the next build waits for it to be gone
// before it writes anything; a build that ends between requests keeps it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/BuildFolders.h"
#include "generator/GameSources.h"
#include "model/Project.h"
#include "model/Settings.h"
#include "pipeline/BuildCommands.h"
#include "pipeline/BuildLock.h"
#include "pipeline/BuildServerClient.h"
#include "pipeline/StagingFolder.h"

namespace avizad {

// What a build reads besides the project.
struct BuildInputs {
    // The inputs of a build in `programDir` with the environment settings, of the project
    // saved as `projectFile` (empty: never saved).
    static BuildInputs fromSettings(const Settings& settings,
                                    const std::filesystem::path& programDir,
                                    const std::filesystem::path& projectFile);

    std::filesystem::path programDir;  // holds System/
    // The folder of the project file, whose "res" folder holds the sound files the
    // events play; empty for a project never saved (then no sound files are copied).
    std::filesystem::path projectDir;
    std::string jdkDir;  // the settings' folders, Windows-1251, as in options.ini
    std::string wtkDir;
    // Shrink the game and shorten its names while preverifying ("Уменьшать размер игры").
    bool shrink = true;
    // The settings' screen, which the author laid the game out for (BuildFolders).
    int screenWidth = 240;
    int screenHeight = 320;
};

struct BuildResult {
    bool archiveMade = false;  // the archive exists and this build wrote it
    std::filesystem::path archive;
    std::string failedStep;  // Windows-1251 name of the step that failed; empty when made
    int exitStatus = 0;      // of the failed command; -1 when the interpreter ended
    std::string error;       // UTF-8 system text of a failed file step, else empty
    std::string summary;     // the final console line, Windows-1251, without line end
    bool stopped = false;    // stop() ended the build
};

class BuildPipeline {
public:
    // The console the build talks to.
    struct Console {
        // Writes one command line (Windows-1251) into the interpreter; returns its echo,
        // or nothing when the interpreter has ended. ProcessRunner::sendCommand fits.
        std::function<std::optional<std::string>(std::string_view line)> send;
        // Appends Windows-1251 text to the console's text area.
        std::function<void(std::string_view text)> print;
        // Empties the text area before a build; may be left empty.
        std::function<void()> clear;
        // Starts a new interpreter for this build, in a process group of its own, with
        // `workingDir` (the program folder) as its current folder, before its first command
        // line (a build that sends none starts none); returns 0 or the system error code.
        // May be left empty: then `send` writes into whatever interpreter the console has.
        std::function<int(const std::filesystem::path& workingDir)> open;
        // Ends the interpreter `open` started and every process of its group. Called once
        // the build has ended, however it ended, before `onFinished`; may run on any
        // thread `feedOutput` or `stop` is called on, so it must not wait for the
        // interpreter's reader.
        std::function<void()> close;
        // Runs a task later on the thread that drives the pipeline, after the call that
        // runs now, tasks in the order posted; callable from any thread. The build process
        // reports through it. Left empty, the pipeline does not use the build process.
        std::function<void(std::function<void()> task)> post;
    };
    // Steps 1 to 3: cleans the build folders and writes every source, resource,
    // manifest and fixed file of the game and copies the project's own files
    // (generateGameSources). Throws IoError; the files the cleaning could not delete stop
    // the build, the warnings go to the console.
    using SourceWriter =
        std::function<GameSourcesReport(const Project& project, const BuildFolders& folders)>;
    using FinishedHandler = std::function<void(const BuildResult& result)>;

    // Step names, Windows-1251, as the final line and BuildResult::failedStep give them.
    static std::string stepName(int step);
    enum Step {
        kPrepareStep = 1,  // writing the sources, resources and sound files
        kCompileStep,
        kPreverifyStep,
        kArchiveStep,
    };

    explicit BuildPipeline(Console console, SourceWriter writeSources = generateGameSources);
    // Stops a running build (see stop()) without calling its `onFinished`, then ends the
    // build process.
    ~BuildPipeline();
    BuildPipeline(const BuildPipeline&) = delete;
    BuildPipeline& operator=(const BuildPipeline&) = delete;

    // Whether builds use the toolkit's build process (on unless told otherwise), and its
    // time limits. Takes effect at the next build.
    void setBuildServer(bool use, BuildServerClient::Timeouts timeouts = {});
    // The build process of the last build, or null.
    const BuildServerClient* buildServer() const { return server_.get(); }

    // Starts a build. Returns false, doing nothing, while another build runs. Steps 1 to
    // 3 run before it returns; when they fail (IoError) the build ends at once and
    // `onFinished` is called before start() returns, with the error text in
    // BuildResult::error for a message box. Otherwise `onFinished` is called later,
    // from inside feedOutput() or interpreterEnded(). The project is read only here.
    bool start(const Project& project, const BuildInputs& inputs, FinishedHandler onFinished);

    // Every chunk of interpreter output (Windows-1251), in order. Marker lines are taken
    // out; the rest goes to Console::print. Outside a build the text is printed as is.
    void feedOutput(std::string_view chunk);
    // The interpreter has ended: a running build fails at its current step.
    void interpreterEnded();
    // Stops a running build: the console is closed (its interpreter and every tool it
    // runs end), and the build fails at its current step with "сборка остановлена";
    // `onFinished` is called before stop() returns. Does nothing when no build runs.
    void stop();

    bool running() const { return running_; }

private:
    struct Stage {
        int step = 0;
        std::function<std::string()> command;  // a command line, or
        std::function<void()> action;          // a file step (throws IoError)
        // The command's words for the build process (UTF-8, the tool first); empty when
        // the step always runs in the interpreter.
        std::function<std::vector<std::string>()> arguments;
    };

    // The steps of start(), in order. Those that return bool have ended the build (through
    // fail()) when they return false.
    void begin(const Project& project, const BuildInputs& inputs, FinishedHandler onFinished);
    bool refuseUnbuildableSettings(const Project& project, const BuildInputs& inputs);
    bool takeBuildLock();
    // The build process: started (or kept) before anything is written.
    void prepareBuildServer(const BuildInputs& inputs);
    bool makeStagingFolder();
    bool writeGameFiles(const Project& project, const BuildInputs& inputs);
    // The build's interpreter, opened for its first command line (Console::open); fails the
    // build at `step` when it cannot be started.
    bool openInterpreter(int step);
    void planToolSteps();
    // What the tool steps need: the classes a shrinking preverifier keeps, the file step.
    std::vector<std::string> keptClasses() const;
    // The archive step's file step: the archive and its descriptor published (GameArchive),
    // a large archive named.
    void putArchiveInPlace();

    // Sends the stage's command to the build process; false when that process does not
    // run its tool or takes no request.
    bool runOnBuildServer(const Stage& stage);
    // What the build process reports, on the pipeline's thread; `generation` tells the
    // build processes apart.
    void buildServerReady(std::uint64_t generation);
    void buildServerOutput(std::uint64_t generation, std::uint64_t request, std::string_view chunk);
    void buildServerEnded(std::uint64_t generation, std::uint64_t request, int status);
    void buildServerLost(std::uint64_t generation, std::uint64_t request);
    void buildServerSilent(std::uint64_t generation, std::uint64_t request);

    void advance();
    void commandEnded(int status);
    void finish(BuildResult result);
    void fail(int step, int exitStatus, const std::string& error);
    // Ends what runs the build's tools: the interpreter with its process group, and the
    // build process when it runs a request of this build.
    void endTools();
    void print(std::string_view text);
    std::string markerPrefix() const;

    Console console_;
    SourceWriter writeSources_;
    FinishedHandler onFinished_;
    BuildFolders folders_{std::filesystem::path()};
    BuildTools tools_;
    std::filesystem::path archive_;
    std::filesystem::path descriptor_;  // NAME.jad beside the archive
    std::filesystem::path partial_;     // the archive while the archiver writes it
    bool shrink_ = true;
    std::unique_ptr<BuildLock> lock_;         // held from start to finish
    std::unique_ptr<StagingFolder> staging_;  // this build's folder, kept at the finish
    bool opened_ = false;                     // Console::open was called in this build
    std::vector<Stage> stages_;
    std::size_t next_ = 0;  // the stage to run next
    int commandStep_ = 0;   // the step of the command awaiting its marker, 0 when none
    int commandCount_ = 0;  // commands sent in this build
    std::string token_;     // random, per build: no tool output imitates a marker
    std::string held_;      // output held back: a marker may begin here
    bool running_ = false;
    bool atLineStart_ = true;  // the console's last printed character ended a line

    bool useServer_ = true;
    BuildServerClient::Timeouts serverTimeouts_;
    std::uint64_t serverGeneration_ = 0;  // of server_
    std::uint64_t serverRequest_ = 0;     // the step the build process runs, 0 when none
    bool waitingForServer_ = false;       // the next step waits for its greeting
    bool serverFailed_ = false;           // this build runs its remaining steps in the interpreter
    // Tells posted tasks whether the pipeline still exists.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    std::unique_ptr<BuildServerClient> server_;  // last: ended before anything else goes
};

}  // namespace avizad
