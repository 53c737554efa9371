#pragma once
// BuildServerClient: the pipeline's end of the toolkit's build process, a long-lived Java
// program (wtkDir/bin/buildserver) that runs the compiler, the preverifier and the
// archiver in one virtual machine, one request per tool run, so that a build does not
// start three Java virtual machines and the tools run warm from the second build on.
//
// The process is started in the program folder, in a process group of its own, with one
// socket as its standard input, output and error (the socket is close-on-exec on our side,
// so no other child inherits it). It ends by itself when that socket closes: an editor that
// is killed leaves no build process behind. The protocol is described in BuildServer.java
// of the toolkit: the server first names the tools it runs (their canonical paths), then
// answers each request with the tool's output and its exit status.
//
// Threads. One reader thread parses what the server writes and calls the handlers, never
// two at once; a caller that needs them on another thread delivers them there itself.
// The reader also keeps time. While a tool runs the server says "alive" every second; a
// server that has not greeted within the start timeout, a request during which it has said
// nothing for the silence timeout (a stopped process), or a request that has not ended
// within the request timeout, counts as hung: the process group is killed and the request
// lost. Before that, a server silent for the notice timeout is reported (`silent`), once
// for each silence. A process that ends or writes anything outside the protocol is lost as
// well. A lost server stays lost (start a new client).
//
// Stopping. stop() (and the destructor) kills the process group, waits for the process and
// the reader, and calls no handler after it returns. kill() only sends the signal and
// returns at once; the reader then reports the loss. Once the process has been waited
// for (after `lost`, or after stop()), none of its tools writes anything any more.

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace avizad {

// When the build process counts as hung, and when its silence is told.
struct BuildServerTimeouts {
    std::chrono::milliseconds start{15000};    // from the start to the greeting
    std::chrono::milliseconds silence{15000};  // during a request, without a word
    std::chrono::milliseconds notice{5000};    // without a word, before `silent` is called
    std::chrono::milliseconds request{60000};  // from a request to its end
};

class BuildServerClient {
public:
    struct Handlers {
        // The server has greeted and is ready for requests.
        std::function<void()> ready;
        // Output of request `id`, Windows-1251.
        std::function<void(std::uint64_t id, std::string_view chunk)> output;
        // Request `id` has ended with the tool's exit status.
        std::function<void(std::uint64_t id, int status)> ended;
        // The server has ended, hung or broken the protocol; `id` is the request that was
        // running, or 0. The process has been waited for. Called once.
        std::function<void(std::uint64_t id)> lost;
        // The server has said nothing for the notice timeout while it starts (`id` 0) or
        // runs request `id`; called again only after it has spoken since.
        std::function<void(std::uint64_t id)> silent;
    };
    using Timeouts = BuildServerTimeouts;
    enum class State { NotStarted, Starting, Ready, Lost };

    explicit BuildServerClient(Handlers handlers, Timeouts timeouts = {});
    ~BuildServerClient();
    BuildServerClient(const BuildServerClient&) = delete;
    BuildServerClient& operator=(const BuildServerClient&) = delete;

    // Starts `launcher` with `workingDir` as its current folder. Returns 0, or the system
    // error code (then the state is Lost and no handler is called). Once per client.
    int start(const std::filesystem::path& launcher, const std::filesystem::path& workingDir);

    State state() const { return state_; }
    // When Ready: the server runs `tool` itself (the same file as one of its tools).
    bool serves(const std::filesystem::path& tool) const;
    // When Ready and no request runs: sends the words of a command line (UTF-8, the tool
    // first) and returns the request's id; otherwise returns 0 and sends nothing.
    std::uint64_t run(const std::vector<std::string>& words);
    // True while a request runs.
    bool busy() const { return current_ != 0; }

    // Kills the process group (SIGKILL) and returns at once.
    void kill();
    // Kills the process group, waits for the process and the reader thread. Idempotent.
    void stop();

    // The process's id (also after it has ended), -1 before the start.
    pid_t pid() const { return pid_; }
    const std::filesystem::path& launcher() const { return launcher_; }
    const std::filesystem::path& workingDir() const { return workingDir_; }

private:
    void readLoop();
    bool parse();  // false: a protocol error
    void wake();

    Handlers handlers_;
    Timeouts timeouts_;
    std::filesystem::path launcher_;
    std::filesystem::path workingDir_;
    pid_t pid_ = -1;
    int socket_ = -1;  // our end
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::thread reader_;
    mutable std::mutex mutex_;  // guards writes, tools_, since_, heard_, told_, waited_
    std::vector<std::filesystem::path> tools_;
    std::atomic<State> state_ = State::NotStarted;
    std::atomic<std::uint64_t> current_ = 0;  // the running request, 0 when none
    std::uint64_t lastId_ = 0;
    std::chrono::steady_clock::time_point since_;  // the start, or the running request's
    std::chrono::steady_clock::time_point heard_;  // the last word of the server
    bool told_ = false;                            // `silent` was called for this silence
    std::atomic<bool> stopping_ = false;
    bool waited_ = false;   // the process has been waited for: pid_ names it no more
    bool greeted_ = false;  // reader thread only
    std::string input_;     // bytes read, not parsed yet
    std::string pending_;   // UTF-8 bytes of a character split between two frames
};

}  // namespace avizad
