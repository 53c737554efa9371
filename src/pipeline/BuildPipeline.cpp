#include "pipeline/BuildPipeline.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>
#include <random>
#include <system_error>

#include "generator/MidletAssembly.h"
#include "generator/ProjectResources.h"
#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/IoError.h"
#include "model/MidletSettings.h"
#include "pipeline/GameArchive.h"
#include "pipeline/ProcessRunner.h"
#include "pipeline/ShellQuote.h"
#include "vm/host/PhoneCheck.h"

namespace avizad {

namespace fs = std::filesystem;

namespace {

// The exit status fail() receives when the interpreter has ended.
constexpr int kInterpreterGone = std::numeric_limits<int>::min();
// The exit status fail() receives when the build was stopped.
constexpr int kStopped = kInterpreterGone + 1;

std::string randomToken() {
    std::random_device device;
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFFFFu);
    char text[9];
    std::snprintf(text, sizeof text, "%08x", digits(device));
    return text;
}

}  // namespace

BuildInputs BuildInputs::fromSettings(const Settings& settings, const fs::path& programDir,
                                      const fs::path& projectFile) {
    BuildInputs inputs;
    inputs.programDir = programDir;
    if (!projectFile.empty()) {
        inputs.projectDir = fs::absolute(projectFile).parent_path();
    }
    inputs.jdkDir = settings.jdkDir;
    inputs.wtkDir = settings.wtkDir;
    inputs.shrink = settings.shrinkGame;
    inputs.screenWidth = settings.screenWidth;
    inputs.screenHeight = settings.screenHeight;
    return inputs;
}

std::string BuildPipeline::stepName(int step) {
    switch (step) {
        case kPrepareStep:
            return utf8ToCp1251("подготовка файлов игры");
        case kCompileStep:
            return utf8ToCp1251("компиляция");
        case kPreverifyStep:
            return utf8ToCp1251("предверификация");
        case kArchiveStep:
            return utf8ToCp1251("архивация");
        default:
            return {};
    }
}

BuildPipeline::BuildPipeline(Console console, SourceWriter writeSources)
    : console_(std::move(console)), writeSources_(std::move(writeSources)) {}

BuildPipeline::~BuildPipeline() {
    // A build that still runs is stopped: its tools end, and nobody is told any more.
    onFinished_ = nullptr;
    stop();
    server_.reset();  // before the members its handlers reach
}

void BuildPipeline::setBuildServer(bool use, BuildServerClient::Timeouts timeouts) {
    useServer_ = use;
    serverTimeouts_ = timeouts;
}

bool BuildPipeline::start(const Project& project, const BuildInputs& inputs,
                          FinishedHandler onFinished) {
    if (running_) {
        return false;
    }
    begin(project, inputs, std::move(onFinished));
    // Each step below that fails has ended the build (fail() has run) and returns false.
    if (!refuseUnbuildableSettings(project, inputs) || !takeBuildLock()) {
        return true;
    }
    prepareBuildServer(inputs);
    if (makeStagingFolder() && writeGameFiles(project, inputs)) {
        planToolSteps();
        advance();
    }
    return true;
}

void BuildPipeline::begin(const Project& project, const BuildInputs& inputs,
                          FinishedHandler onFinished) {
    running_ = true;
    onFinished_ = std::move(onFinished);
    folders_ = BuildFolders(inputs.programDir);
    folders_.screenWidth = inputs.screenWidth;
    folders_.screenHeight = inputs.screenHeight;
    tools_ = buildTools(inputs.programDir, inputs.jdkDir, inputs.wtkDir);
    archive_ = archivePath(folders_, project.midletName);
    descriptor_ = MidletAssembly::descriptorPath(archive_);
    partial_.clear();
    shrink_ = inputs.shrink;
    token_ = randomToken();
    commandCount_ = 0;
    commandStep_ = 0;
    next_ = 0;
    stages_.clear();
    if (console_.clear) {
        console_.clear();
        held_.clear();
        atLineStart_ = true;
    }
}

bool BuildPipeline::refuseUnbuildableSettings(const Project& project, const BuildInputs& inputs) {
    // Settings that would make a broken game, or folders the Java tools cannot take,
    // stop the build before anything is written.
    for (const std::string& problem :
         {midletSettingsProblem(project),
          toolFolderProblem(inputs.programDir, inputs.jdkDir, inputs.wtkDir)}) {
        if (!problem.empty()) {
            fail(kPrepareStep, 0, problem);
            return false;
        }
    }
    return true;
}

bool BuildPipeline::takeBuildLock() {
    // One build at a time in a program folder, in this process or another: the build
    // folders are this build's alone until it ends.
    try {
        lock_ = std::make_unique<BuildLock>(folders_);
    } catch (const std::exception& error) {
        fail(kPrepareStep, 0, error.what());
        return false;
    }
    if (!lock_->held()) {
        lock_.reset();
        fail(kPrepareStep, 0,
             "В папке программы уже идёт другая сборка (в окне программы или в avizad-cli): "
             "дождитесь её окончания и повторите «Компиляция»");
        return false;
    }
    return true;
}

bool BuildPipeline::makeStagingFolder() {
    try {
        staging_ = std::make_unique<StagingFolder>(folders_);
    } catch (const std::exception& error) {
        fail(kPrepareStep, 0, error.what());
        return false;
    }
    folders_.stagingDir = staging_->path();
    partial_ = staging_->path() / "game.jar";
    return true;
}

bool BuildPipeline::openInterpreter(int step) {
    if (!console_.open || opened_) {
        return true;
    }
    opened_ = true;
    if (const int error = console_.open(folders_.programDir); error != 0) {
        fail(step, 0,
             "Не удаётся запустить командный интерпретатор: " +
                 ProcessRunner::startErrorMessage(error));
        return false;
    }
    return true;
}

bool BuildPipeline::writeGameFiles(const Project& project, const BuildInputs& inputs) {
    // Steps 1 to 3: the staging folders emptied, then this project's sources and
    // resources written, its own sound files and icon among them. Nothing of it needs to
    // survive a crash: the next build writes it all again.
    folders_.projectDir = inputs.projectDir;
    try {
        const ScratchWrites scratch;
        // Emptied here as well as by the writer: whatever writes the sources, the
        // archive gets nothing of an earlier build. A file that stays would go into the
        // game, so it stops the build.
        std::vector<std::string> undeleted = cleanBuildFolders(folders_);
        if (undeleted.empty()) {
            const GameSourcesReport report = writeSources_(project, folders_);
            undeleted = report.undeleted;
            for (const std::string& warning : report.warnings) {
                print(consoleText(warning) + "\n");
            }
        }
        if (!undeleted.empty()) {
            throw IoError("Не удаётся удалить «" + undeleted.front() +
                          "» из папок сборки, а в игру он попасть не должен");
        }
        for (const auto& [name, size] : archivedFileSizes(folders_.res())) {
            if (size > kMaxResourceBytes) {
                throw IoError(resourceTooLarge(name, size));
            }
        }
    } catch (const std::exception& error) {
        fail(kPrepareStep, 0, error.what());
        return false;
    }
    return true;
}

std::vector<std::string> BuildPipeline::keptClasses() const {
    std::vector<std::string> kept;
    if (shrink_) {
        std::error_code error;
        kept = MidletAssembly::manifestClasses(fs::exists(folders_.manifest(), error)
                                                   ? readFileText(folders_.manifest())
                                                   : std::string());
        if (kept.empty()) {
            throw IoError("В манифесте «" + displayPath(folders_.manifest()) +
                          "» не назван класс мидлета: уменьшать игру нельзя");
        }
    }
    return kept;
}

void BuildPipeline::putArchiveInPlace() {
    // A phone checks every class before it runs a game; a game it would refuse is no game.
    if (const auto refusal = vm::phoneRefusal(readFileBytes(partial_))) {
        throw IoError("Телефон не примет эту игру: " + *refusal);
    }
    publishArchive(partial_, archive_, descriptor_, folders_.manifest());
    print(utf8ToCp1251("Описатель игры для телефонов (JAD): ") + consoleText(descriptor_.string()) +
          "\n");
    const std::string warning = largeArchiveWarning(archive_, {folders_.classes(), folders_.res()});
    if (!warning.empty()) {
        print(consoleText(warning) + "\n");
    }
}

void BuildPipeline::planToolSteps() {
    stages_ = {
        {kCompileStep,
         [this] { return compileCommand(tools_, folders_); },
         {},
         [this] {
             return compileArguments(tools_, folders_,
                                     filesWithExtensions(folders_.src(), {"java"}),
                                     folders_.system() / "cache" / "engine", engineSources());
         }},
        {kPreverifyStep,
         [this] { return preverifyCommand(tools_, folders_, keptClasses()); },
         {},
         [this] { return preverifyArguments(tools_, folders_, keptClasses()); }},
        {kArchiveStep,
         [this] {
             return archiveCommand(tools_, folders_, partial_,
                                   filesWithExtensions(folders_.classes(), {"class"}),
                                   archivedResources(folders_.res()));
         },
         {},
         [this] {
             return archiveArguments(tools_, folders_, partial_,
                                     filesWithExtensions(folders_.classes(), {"class"}),
                                     archivedResources(folders_.res()));
         }},
        {kArchiveStep, {}, [this] { putArchiveInPlace(); }, {}},
    };
}

void BuildPipeline::advance() {
    while (running_ && next_ < stages_.size()) {
        const Stage& stage = stages_[next_];
        try {
            if (stage.action) {
                ++next_;
                stage.action();
                continue;
            }
            if (stage.arguments && server_ && !serverFailed_) {
                if (server_->state() == BuildServerClient::State::Starting) {
                    waitingForServer_ = true;  // buildServerReady() or buildServerLost() goes on
                    return;
                }
                if (runOnBuildServer(stage)) {
                    ++next_;
                    return;
                }
            }
            ++next_;
            if (!openInterpreter(stage.step)) {
                return;
            }
            const std::string line = stage.command() + " </dev/null";
            ++commandCount_;
            const std::optional<std::string> echo = console_.send(line);
            // The marker line: the character 0x1E, the build's token, the number of the
            // command and the exit status of the command before it.
            if (!echo || !console_.send("printf '\\036avizad:" + token_ + ":" +
                                        std::to_string(commandCount_) + ":%d\\n' \"$?\"")) {
                fail(stage.step, kInterpreterGone, {});
                return;
            }
            if (!atLineStart_) {
                print("\n");
            }
            print(*echo);
            commandStep_ = stage.step;
            return;
        } catch (const std::exception& error) {
            fail(stage.step, 0, error.what());
            return;
        }
    }
    if (!running_) {
        return;
    }
    BuildResult result;
    result.archive = archive_;
    std::error_code error;
    result.archiveMade = fs::is_regular_file(archive_, error);
    if (result.archiveMade) {
        result.summary = utf8ToCp1251("Архив создан: ") + consoleText(archive_.string());
    } else {
        result.failedStep = stepName(kArchiveStep);
        result.summary = utf8ToCp1251("Архив не создан: после шага «") + result.failedStep +
                         utf8ToCp1251("» нет файла ") + consoleText(archive_.string());
    }
    finish(std::move(result));
}

std::string BuildPipeline::markerPrefix() const {
    return "\x1e"
           "avizad:" +
           token_ + ":" + std::to_string(commandCount_) + ":";
}

void BuildPipeline::feedOutput(std::string_view chunk) {
    held_.append(chunk);
    while (!held_.empty()) {
        if (commandStep_ == 0) {
            print(held_);
            held_.clear();
            return;
        }
        const std::string prefix = markerPrefix();
        const std::size_t start = held_.find(prefix);
        if (start == std::string::npos) {
            // Hold back an end that may be the beginning of the marker.
            std::size_t keep = std::min(prefix.size() - 1, held_.size());
            while (keep > 0 && held_.compare(held_.size() - keep, keep, prefix, 0, keep) != 0) {
                --keep;
            }
            print(std::string_view(held_).substr(0, held_.size() - keep));
            held_.erase(0, held_.size() - keep);
            return;
        }
        print(std::string_view(held_).substr(0, start));
        held_.erase(0, start);
        const std::size_t end = held_.find('\n', prefix.size());
        if (end == std::string::npos) {
            return;  // the rest of the marker line is still on its way
        }
        const std::string_view digits =
            std::string_view(held_).substr(prefix.size(), end - prefix.size());
        int status = -1;
        const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), status);
        if (parsed.ec != std::errc() || parsed.ptr != digits.data() + digits.size()) {
            status = -1;
        }
        held_.erase(0, end + 1);
        commandEnded(status);
    }
}

void BuildPipeline::commandEnded(int status) {
    const int step = commandStep_;
    commandStep_ = 0;
    if (status != 0) {
        fail(step, status, {});
        return;
    }
    advance();
}

void BuildPipeline::interpreterEnded() {
    if (!running_) {
        return;
    }
    const int step =
        commandStep_ != 0 ? commandStep_ : (next_ < stages_.size() ? stages_[next_].step : 0);
    commandStep_ = 0;
    fail(step, kInterpreterGone, {});
}

void BuildPipeline::stop() {
    if (!running_) {
        return;
    }
    const int step = commandStep_ != 0
                         ? commandStep_
                         : (next_ < stages_.size() ? stages_[next_].step : kPrepareStep);
    commandStep_ = 0;
    fail(step, kStopped, {});
}

void BuildPipeline::fail(int step, int exitStatus, const std::string& error) {
    // Whatever a tool still does, it does no more (the archiver among them), before the
    // archive of an earlier build under this name goes: it would pass for this one's.
    endTools();
    if (lock_) {
        std::error_code ignored;
        fs::remove(archive_, ignored);
        fs::remove(descriptor_, ignored);
    }
    BuildResult result;
    result.archive = archive_;
    result.failedStep = stepName(step);
    result.error = error;
    const std::string quotedStep = utf8ToCp1251("«") + result.failedStep + utf8ToCp1251("»");
    if (!error.empty()) {
        result.summary = utf8ToCp1251("Архив не создан: шаг ") + quotedStep +
                         utf8ToCp1251(" не выполнен: ") + consoleText(error);
    } else if (exitStatus == kStopped) {
        result.exitStatus = -1;
        result.stopped = true;
        result.summary = utf8ToCp1251("Архив не создан: сборка остановлена на шаге ") + quotedStep;
    } else if (exitStatus == kInterpreterGone) {
        result.exitStatus = -1;
        result.summary =
            utf8ToCp1251("Архив не создан: командный интерпретатор завершил работу, шаг ") +
            quotedStep;
    } else {
        result.exitStatus = exitStatus;
        result.summary = utf8ToCp1251("Архив не создан: шаг ") + quotedStep +
                         utf8ToCp1251(" завершился с кодом ") + std::to_string(exitStatus);
    }
    finish(std::move(result));
}

void BuildPipeline::finish(BuildResult result) {
    endTools();
    waitingForServer_ = false;
    if (!atLineStart_) {
        print("\n");
    }
    print(result.summary + "\n");
    running_ = false;
    commandStep_ = 0;
    if (staging_) {
        staging_->keep();
        staging_.reset();
    }
    lock_.reset();
    FinishedHandler handler = std::move(onFinished_);
    onFinished_ = nullptr;
    if (handler) {
        handler(result);
    }
}

void BuildPipeline::endTools() {
    if (opened_ && console_.close) {
        console_.close();
    }
    opened_ = false;
    if (serverRequest_ != 0) {
        // The build ends while the build process runs one of its tools: it must write
        // nothing more. The next build replaces it once it is gone. Between requests the
        // build process writes nothing and is kept for the next build.
        server_->kill();
        serverRequest_ = 0;
    }
}

void BuildPipeline::print(std::string_view text) {
    if (text.empty()) {
        return;
    }
    atLineStart_ = text.back() == '\n';
    if (console_.print) {
        console_.print(text);
    }
}

void BuildPipeline::prepareBuildServer(const BuildInputs& inputs) {
    serverRequest_ = 0;
    waitingForServer_ = false;
    serverFailed_ = false;
    // A build process that is lost, or still busy with a tool of a build that has ended
    // (finish() has killed it), goes before this build writes anything: reset() waits
    // until the process is gone.
    if (server_ &&
        (server_->state() == BuildServerClient::State::Lost || server_->busy() || !useServer_ ||
         server_->launcher() != tools_.buildServer || server_->workingDir() != inputs.programDir)) {
        server_.reset();
    }
    std::error_code error;
    if (server_ || !useServer_ || !console_.post ||
        !fs::is_regular_file(tools_.buildServer, error)) {
        return;
    }
    const std::uint64_t generation = ++serverGeneration_;
    const std::weak_ptr<int> alive = alive_;
    const auto post = console_.post;
    BuildServerClient::Handlers handlers;
    handlers.ready = [=, this] {
        post([=, this] {
            if (alive.lock()) {
                buildServerReady(generation);
            }
        });
    };
    handlers.output = [=, this](std::uint64_t request, std::string_view chunk) {
        post([=, this, text = std::string(chunk)] {
            if (alive.lock()) {
                buildServerOutput(generation, request, text);
            }
        });
    };
    handlers.ended = [=, this](std::uint64_t request, int status) {
        post([=, this] {
            if (alive.lock()) {
                buildServerEnded(generation, request, status);
            }
        });
    };
    handlers.lost = [=, this](std::uint64_t request) {
        post([=, this] {
            if (alive.lock()) {
                buildServerLost(generation, request);
            }
        });
    };
    handlers.silent = [=, this](std::uint64_t request) {
        post([=, this] {
            if (alive.lock()) {
                buildServerSilent(generation, request);
            }
        });
    };
    server_ = std::make_unique<BuildServerClient>(std::move(handlers), serverTimeouts_);
    if (server_->start(tools_.buildServer, inputs.programDir) != 0) {
        server_.reset();  // the interpreter runs every step
    }
}

bool BuildPipeline::runOnBuildServer(const Stage& stage) {
    if (server_->state() != BuildServerClient::State::Ready) {
        return false;
    }
    const std::vector<std::string> words = stage.arguments();
    if (!server_->serves(words.front())) {
        return false;
    }
    const std::uint64_t request = server_->run(words);
    if (request == 0) {
        return false;
    }
    if (!atLineStart_) {
        print("\n");
    }
    print(commandLine(words) + "\n");
    commandStep_ = stage.step;
    serverRequest_ = request;
    return true;
}

void BuildPipeline::buildServerReady(std::uint64_t generation) {
    if (generation == serverGeneration_ && running_ && waitingForServer_) {
        waitingForServer_ = false;
        advance();
    }
}

void BuildPipeline::buildServerOutput(std::uint64_t generation, std::uint64_t request,
                                      std::string_view chunk) {
    if (generation == serverGeneration_ && request != 0 && request == serverRequest_) {
        print(chunk);
    }
}

void BuildPipeline::buildServerEnded(std::uint64_t generation, std::uint64_t request, int status) {
    if (generation == serverGeneration_ && request != 0 && request == serverRequest_) {
        serverRequest_ = 0;
        commandEnded(status);
    }
}

void BuildPipeline::buildServerSilent(std::uint64_t generation, std::uint64_t request) {
    // The build waits for the process (its step, or its start): the author learns why.
    const bool waited = request != 0 ? request == serverRequest_ : waitingForServer_;
    if (generation != serverGeneration_ || !running_ || !waited) {
        return;
    }
    if (!atLineStart_) {
        print("\n");
    }
    print(utf8ToCp1251("Процесс сборки не отвечает…\n"));
}

void BuildPipeline::buildServerLost(std::uint64_t generation, std::uint64_t request) {
    if (generation != serverGeneration_ || !running_) {
        return;
    }
    if (waitingForServer_) {
        waitingForServer_ = false;
        serverFailed_ = true;
        advance();
        return;
    }
    if (request == 0 || request != serverRequest_) {
        return;
    }
    // The step starts again as a program of its own, on fresh ground: the build process
    // has been waited for, so nothing writes into these folders any more.
    serverRequest_ = 0;
    serverFailed_ = true;
    const int step = commandStep_;
    commandStep_ = 0;
    if (!atLineStart_) {
        print("\n");
    }
    print(utf8ToCp1251("Процесс сборки прервался; шаг «") + stepName(step) +
          utf8ToCp1251("» выполняется заново отдельной программой.\n"));
    std::error_code ignored;
    switch (step) {
        case kCompileStep:
            emptyFolder(folders_.tmpclasses());
            break;
        case kPreverifyStep:
            emptyFolder(folders_.classes());
            break;
        default:
            fs::remove(partial_, ignored);
            break;
    }
    --next_;  // the step that was running
    advance();
}

}  // namespace avizad
