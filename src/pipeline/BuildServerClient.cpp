#include "pipeline/BuildServerClient.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>

#include "model/Cp1251.h"
#include "pipeline/Spawn.h"

namespace avizad {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::string_view kGreeting =
    "\x1e"
    "avizad-buildserver 2\n";
// What may come before the greeting (the Java virtual machine's own warnings).
constexpr std::size_t kMaxNoise = 1 << 16;
constexpr std::size_t kMaxLine = 4096;

// The words of a header line ("out 12"), split at blanks.
std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        out.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

template <typename Number>
bool toNumber(std::string_view text, Number& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool sendAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

BuildServerClient::BuildServerClient(Handlers handlers, Timeouts timeouts)
    : handlers_(std::move(handlers)), timeouts_(timeouts) {}

BuildServerClient::~BuildServerClient() {
    stop();
}

int BuildServerClient::start(const fs::path& launcher, const fs::path& workingDir) {
    if (state_ != State::NotStarted) {
        return EBUSY;
    }
    launcher_ = launcher;
    workingDir_ = workingDir;
    state_ = State::Lost;
    int pair[2] = {-1, -1};
    int wakePipe[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
        return errno;
    }
    if (::pipe2(wakePipe, O_CLOEXEC) != 0) {
        const int error = errno;
        closeFd(pair[0]);
        closeFd(pair[1]);
        return error;
    }
    pid_t pid = -1;
    const int error = spawnProcess(launcher, {}, workingDir, pair[1], pair[1], pid);
    closeFd(pair[1]);
    if (error != 0) {
        closeFd(pair[0]);
        closeFd(wakePipe[0]);
        closeFd(wakePipe[1]);
        return error;
    }
    pid_ = pid;
    socket_ = pair[0];
    wakeRead_ = wakePipe[0];
    wakeWrite_ = wakePipe[1];
    {
        std::lock_guard lock(mutex_);
        since_ = heard_ = Clock::now();
        told_ = false;
    }
    state_ = State::Starting;
    reader_ = std::thread([this] { readLoop(); });
    return 0;
}

bool BuildServerClient::serves(const fs::path& tool) const {
    if (state_ != State::Ready) {
        return false;
    }
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(tool, error);
    if (error) {
        return false;
    }
    std::lock_guard lock(mutex_);
    for (const fs::path& own : tools_) {
        if (own == canonical) {
            return true;
        }
    }
    return false;
}

std::uint64_t BuildServerClient::run(const std::vector<std::string>& words) {
    std::lock_guard lock(mutex_);
    if (state_ != State::Ready || current_ != 0 || words.empty()) {
        return 0;
    }
    std::string request =
        "run " + std::to_string(++lastId_) + " " + std::to_string(words.size()) + "\n";
    for (const std::string& word : words) {
        request += std::to_string(word.size()) + "\n" + word;
    }
    current_ = lastId_;
    since_ = heard_ = Clock::now();
    told_ = false;
    wake();  // the reader keeps time from now on
    if (!sendAll(socket_, request)) {
        current_ = 0;
        return 0;  // the reader finds the server gone
    }
    return lastId_;
}

void BuildServerClient::kill() {
    std::lock_guard lock(mutex_);
    if (pid_ > 0 && !waited_) {
        ::kill(-pid_, SIGKILL);
    }
}

void BuildServerClient::stop() {
    if (stopping_.exchange(true)) {
        return;
    }
    kill();
    wake();
    if (reader_.joinable()) {
        reader_.join();
    }
    closeFd(socket_);
    closeFd(wakeRead_);
    closeFd(wakeWrite_);
}

void BuildServerClient::wake() {
    if (wakeWrite_ >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &byte, 1);
    }
}

void BuildServerClient::readLoop() {
    char buffer[65536];
    bool killed = false;
    while (!stopping_) {
        // When the server counts as hung, and when its silence is told.
        int timeout = -1;
        Clock::time_point hungAt = Clock::time_point::max();
        Clock::time_point tellAt = Clock::time_point::max();
        {
            std::lock_guard lock(mutex_);
            if (!killed && (state_ == State::Starting || current_ != 0)) {
                hungAt = state_ == State::Starting
                             ? since_ + timeouts_.start
                             : std::min(heard_ + timeouts_.silence, since_ + timeouts_.request);
                if (!told_) {
                    tellAt = heard_ + timeouts_.notice;
                }
                const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::min(hungAt, tellAt) - Clock::now());
                timeout = static_cast<int>(std::max<long long>(0, left.count()));
            }
        }
        pollfd fds[2] = {{socket_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        const int ready = ::poll(fds, 2, timeout);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (ready == 0) {
            if (Clock::now() >= hungAt) {
                kill();  // no greeting, a silent request or one that does not end: hung
                killed = true;
            } else if (Clock::now() >= tellAt) {
                {
                    std::lock_guard lock(mutex_);
                    told_ = true;
                }
                if (handlers_.silent && !stopping_) {
                    handlers_.silent(current_);
                }
            }
            continue;
        }
        if (fds[1].revents != 0) {
            char drain[64];
            [[maybe_unused]] const ssize_t n = ::read(wakeRead_, drain, sizeof drain);
            continue;
        }
        const ssize_t n = ::read(socket_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;  // the server has closed its end: it has ended
        }
        if (killed) {
            continue;  // what a killed server still wrote means nothing
        }
        {
            std::lock_guard lock(mutex_);
            heard_ = Clock::now();
            told_ = false;
        }
        input_.append(buffer, static_cast<std::size_t>(n));
        if (!parse()) {
            kill();
            killed = true;
        }
    }
    kill();  // whatever made the loop end, the process goes with it
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    {
        std::lock_guard lock(mutex_);
        waited_ = true;  // its id may belong to another process from now on
    }
    state_ = State::Lost;
    const std::uint64_t id = current_.exchange(0);
    if (!stopping_ && handlers_.lost) {
        handlers_.lost(id);
    }
}

bool BuildServerClient::parse() {
    if (!greeted_) {
        // Before the greeting: skip what the virtual machine may have printed.
        const std::size_t at = input_.find(kGreeting);
        if (at == std::string::npos) {
            return input_.size() <= kMaxNoise;
        }
        input_.erase(0, at + kGreeting.size());
        greeted_ = true;
    }
    std::size_t pos = 0;
    for (;;) {
        const std::size_t end = input_.find('\n', pos);
        if (end == std::string::npos) {
            input_.erase(0, pos);
            return input_.size() <= kMaxLine;
        }
        const std::string_view line = std::string_view(input_).substr(pos, end - pos);
        const std::vector<std::string_view> w = words(line);
        std::size_t length = 0;
        if ((w.size() == 3 && w[0] == "tool" && toNumber(w[2], length)) ||
            (w.size() == 2 && w[0] == "out" && toNumber(w[1], length))) {
            if (input_.size() - (end + 1) < length) {
                input_.erase(0, pos);  // the rest of the frame is on its way
                return true;
            }
            std::string body = input_.substr(end + 1, length);
            pos = end + 1 + length;
            if (w[0] == "tool") {
                if (state_ != State::Starting) {
                    return false;
                }
                std::lock_guard lock(mutex_);
                tools_.push_back(fs::path(body));
                continue;
            }
            const std::uint64_t id = current_;
            if (state_ != State::Ready || id == 0) {
                continue;  // output outside a request: nobody waits for it
            }
            pending_ += body;
            const std::size_t tail = incompleteUtf8Tail(pending_);
            const std::string chunk =
                utf8ToCp1251(std::string_view(pending_).substr(0, pending_.size() - tail));
            pending_.erase(0, pending_.size() - tail);
            if (!chunk.empty() && handlers_.output && !stopping_) {
                handlers_.output(id, chunk);
            }
            continue;
        }
        pos = end + 1;
        if (w.size() == 1 && w[0] == "alive" && state_ == State::Ready) {
            continue;  // a tool runs on
        }
        if (w.size() == 1 && w[0] == "ready" && state_ == State::Starting) {
            state_ = State::Ready;
            if (handlers_.ready && !stopping_) {
                handlers_.ready();
            }
            continue;
        }
        std::uint64_t id = 0;
        int status = 0;
        if (w.size() == 3 && w[0] == "end" && state_ == State::Ready && toNumber(w[1], id) &&
            toNumber(w[2], status) && id == current_ && id != 0) {
            if (!pending_.empty()) {
                const std::string rest = utf8ToCp1251(pending_);
                pending_.clear();
                if (handlers_.output && !stopping_) {
                    handlers_.output(id, rest);
                }
            }
            current_ = 0;
            if (handlers_.ended && !stopping_) {
                handlers_.ended(id, status);
            }
            continue;
        }
        return false;
    }
}

}  // namespace avizad
