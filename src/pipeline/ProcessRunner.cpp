#include "pipeline/ProcessRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>

#include "model/Cp1251.h"
#include "model/IoError.h"
#include "pipeline/Spawn.h"

namespace avizad {

namespace {

// Writes all bytes to a pipe. SIGPIPE is blocked for this thread while writing, so a
// pipe whose reader has gone gives EPIPE instead of ending the program.
bool writeAll(int fd, std::string_view data) {
    sigset_t pipeSignal;
    sigset_t previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    sigset_t pendingBefore;
    sigpending(&pendingBefore);
    const bool wasPending = sigismember(&pendingBefore, SIGPIPE) == 1;

    bool ok = true;
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            ok = false;
            break;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    if (!ok && !wasPending) {
        // Consume the SIGPIPE this write raised before unblocking it again.
        const timespec noWait{};
        while (sigtimedwait(&pipeSignal, nullptr, &noWait) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return ok;
}

}  // namespace

ProcessRunner::~ProcessRunner() {
    stop();
}

std::string ProcessRunner::startErrorMessage(int errorCode) {
    return "Error " + std::to_string(errorCode) + ":\r\n" + systemErrorText(errorCode);
}

int ProcessRunner::start(Options options) {
    if (started_ || stopping_) {
        return EBUSY;
    }
    options_ = std::move(options);

    int input[2] = {-1, -1};
    int output[2] = {-1, -1};
    int wake[2] = {-1, -1};
    auto closeAll = [&] {
        for (int* fd : {&input[0], &input[1], &output[0], &output[1], &wake[0], &wake[1]}) {
            closeFd(*fd);
        }
    };
    if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0 ||
        ::pipe2(wake, O_CLOEXEC) != 0) {
        const int error = errno;
        closeAll();
        return error;
    }

    // The child gets the read end of the input pipe as standard input and the write end
    // of the output pipe as standard output and standard error; every other descriptor
    // of ours is close-on-exec. It runs in its own process group, so stop() reaches the
    // tools it starts, with SIGPIPE at its default and no signal blocked.
    pid_t pid = -1;
    const int error = spawnProcess(options_.program, options_.arguments, options_.workingDir,
                                   input[0], output[1], pid);
    if (error != 0) {
        closeAll();
        return error;
    }

    closeFd(input[0]);
    closeFd(output[1]);
    pid_ = pid;
    inputFd_ = input[1];
    outputFd_ = output[0];
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    started_ = true;
    reader_ = std::thread([this] { readLoop(); });
    waiter_ = std::thread([this] { waitLoop(); });
    return 0;
}

std::optional<std::string> ProcessRunner::sendCommand(std::string_view command) {
    const std::string line = cp1251ToUtf8(command) + "\n";
    std::lock_guard lock(inputMutex_);
    if (inputFd_ < 0 || ended_ || !writeAll(inputFd_, line)) {
        return std::nullopt;
    }
    return utf8ToCp1251(line);
}

void ProcessRunner::closeInput() {
    std::lock_guard lock(inputMutex_);
    closeFd(inputFd_);
}

void ProcessRunner::readLoop() {
    std::string pending;  // bytes of a UTF-8 sequence that the last read split
    char buffer[kChunkSize];
    for (;;) {
        pollfd fds[2] = {{outputFd_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (fds[1].revents != 0) {
            break;  // stop() asked the reader to end
        }
        const std::size_t room = kChunkSize - pending.size();
        const ssize_t n = ::read(outputFd_, buffer, room);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;  // every writer has closed the pipe
        }
        pending.append(buffer, static_cast<std::size_t>(n));
        const std::size_t tail = incompleteUtf8Tail(pending);
        const std::string chunk =
            utf8ToCp1251(std::string_view(pending).substr(0, pending.size() - tail));
        pending.erase(0, pending.size() - tail);
        if (!chunk.empty() && options_.onOutput && !stopping_) {
            options_.onOutput(chunk);
        }
    }
    if (!pending.empty() && options_.onOutput && !stopping_) {
        options_.onOutput(utf8ToCp1251(pending));
    }
    readerDone_ = true;
}

void ProcessRunner::waitLoop() {
    // The process is only waited for here, not collected: until stop() collects it, its
    // id cannot be given to another process, so signals to its group reach no stranger.
    siginfo_t info{};
    int result = -1;
    do {
        result = ::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOWAIT);
    } while (result < 0 && errno == EINTR);
    int exitStatus = -1;
    if (result == 0) {
        exitStatus = info.si_code == CLD_EXITED ? info.si_status : 128 + info.si_status;
    }
    {
        std::lock_guard lock(endMutex_);
        ended_ = true;
    }
    endSignal_.notify_all();
    closeInput();
    if (options_.onEnded && !stopping_) {
        options_.onEnded(exitStatus);
    }
    waiterDone_ = true;
}

void ProcessRunner::kill() {
    std::lock_guard lock(groupMutex_);
    if (started_ && !collected_) {
        ::kill(-pid_, SIGKILL);
    }
}

void ProcessRunner::stop() {
    if (!started_ || stopping_.exchange(true)) {
        return;
    }
    closeInput();  // the interpreter ends at the end of its input
    {
        std::unique_lock lock(endMutex_);
        if (!ended_) {
            ::kill(-pid_, SIGTERM);
            endSignal_.wait_for(lock, std::chrono::seconds(2), [this] { return ended_.load(); });
        }
    }
    // Whatever is left of the group, the tools the interpreter started among them, ends
    // now, even when the interpreter itself has ended by itself.
    kill();
    if (wakeWrite_ >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &byte, 1);
    }
    if (waiter_.joinable()) {
        waiter_.join();
    }
    if (reader_.joinable()) {
        reader_.join();
    }
    {
        std::lock_guard lock(groupMutex_);
        while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
        collected_ = true;
    }
    closeFd(outputFd_);
    closeFd(wakeRead_);
    closeFd(wakeWrite_);
}

}  // namespace avizad
