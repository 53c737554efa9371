#pragma once
// ProcessRunner: one child process, normally the command interpreter /bin/sh reading
// command lines from its standard input, with its standard output and standard error
// mixed into one output pipe.
//
// The process runs in a process group of its own; every process it starts stays in that
// group unless it leaves it, so stop() and kill() end them all together.
//
// Two threads serve a started process: a reader thread that hands every chunk of
// output (at most 4096 bytes read from the pipe) to `onOutput`, and a wait thread that
// calls `onEnded` once when the process has ended. Both callbacks are plain
// std::function objects and run on those worker threads; a caller that needs them on
// its user-interface thread delivers them there itself, in order. The Qt console window
// posts them to its thread with queued calls (QMetaObject::invokeMethod), which keep
// their order and never block the workers. stop() and the destructor wait for both
// workers; a caller that delivers the callbacks with a blocking queued call
// (Qt::BlockingQueuedConnection) must therefore not call them on the thread the
// callbacks wait for while one may be pending.
//
// Texts: the program's texts are Windows-1251, the interpreter's are UTF-8. Commands go
// in converted to UTF-8; output comes back converted to Windows-1251. A UTF-8 sequence
// split between two reads is held back and joined with the next read, so chunks join
// seamlessly.
//
// sendCommand may be called from any thread, including from inside onOutput.

#include <sys/types.h>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace avizad {

class ProcessRunner {
public:
    // A chunk of output, Windows-1251. Runs on the reader thread.
    using OutputHandler = std::function<void(const std::string& chunk)>;
    // The process has ended with this exit status (128 + signal number when a signal
    // ended it). Runs once, on the wait thread.
    using EndedHandler = std::function<void(int exitStatus)>;

    struct Options {
        std::filesystem::path program = "/bin/sh";
        std::vector<std::string> arguments;  // after the program name, UTF-8
        std::filesystem::path workingDir;    // empty: the current folder
        OutputHandler onOutput;
        EndedHandler onEnded;
    };

    // The largest number of bytes read from the pipe for one chunk.
    static constexpr std::size_t kChunkSize = 4096;

    ProcessRunner() = default;
    ~ProcessRunner();
    ProcessRunner(const ProcessRunner&) = delete;
    ProcessRunner& operator=(const ProcessRunner&) = delete;

    // Starts the process and its two threads. Returns 0, or the system error code when
    // the pipes could not be made or the program could not be started (for example
    // ENOENT for a missing program); then nothing is left running. A runner starts once.
    int start(Options options);

    // The message for a failed start, "Error %d:\r\n%s" with the code and the system's
    // text for it (UTF-8, for a message box).
    static std::string startErrorMessage(int errorCode);

    // Writes the command (Windows-1251) and a line end into the interpreter's input, in
    // one go. Returns the echo, the text written converted back to Windows-1251 (the
    // command followed by "\n"), for the caller to show; returns nothing, silently, when
    // the process was never started, has ended, or the write failed.
    std::optional<std::string> sendCommand(std::string_view command);

    // True between a successful start and the end of the process.
    bool running() const { return started_ && !ended_; }
    // True once the process has ended and both threads have delivered their last callback.
    bool finished() const { return started_ && readerDone_ && waiterDone_; }
    pid_t pid() const { return pid_; }

    // Ends the process (SIGTERM, then SIGKILL after 2 s) and then whatever is left of its
    // process group (SIGKILL), the tools it started among them, also when the process has
    // ended by itself; stops the reader and waits for both threads. Nothing is delivered
    // after stop() returns. Idempotent.
    void stop();

    // Ends the process and every process of its group at once (SIGKILL), without waiting:
    // safe from any thread, the callbacks among them. The threads deliver the end as
    // usual; stop() still collects them. Does nothing before start() or after stop().
    void kill();

private:
    void readLoop();
    void waitLoop();
    void closeInput();

    Options options_;
    pid_t pid_ = -1;
    int inputFd_ = -1;
    int outputFd_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::thread reader_;
    std::thread waiter_;
    std::mutex inputMutex_;  // guards inputFd_
    std::mutex endMutex_;
    std::condition_variable endSignal_;
    std::atomic<bool> started_ = false;
    std::atomic<bool> ended_ = false;
    std::atomic<bool> stopping_ = false;
    std::atomic<bool> readerDone_ = false;
    std::atomic<bool> waiterDone_ = false;
    std::mutex groupMutex_;   // guards collected_ and signals to the group
    bool collected_ = false;  // the process has been collected: its id may be reused
};

}  // namespace avizad
