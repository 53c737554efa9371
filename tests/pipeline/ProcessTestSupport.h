#pragma once
// Watching the processes a test's tools start.

#include <signal.h>
#include <sys/types.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace avizad::testing {

// The pid a tool wrote into `file`, waiting up to 5 s for it; -1 when none came.
inline pid_t readPid(const std::filesystem::path& file) {
    for (int i = 0; i < 100; ++i) {
        std::ifstream in(file);
        pid_t pid = -1;
        if (in >> pid) {
            return pid;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
}

// Whether the process has ended within 3 s: it is gone, or only a zombie waits for its
// parent (an orphan's new parent may collect it late).
inline bool processGone(pid_t pid) {
    for (int i = 0; i < 60; ++i) {
        if (::kill(pid, 0) != 0 && errno == ESRCH) {
            return true;
        }
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        std::getline(stat, line);
        const std::size_t close = line.rfind(')');
        if (close != std::string::npos && close + 2 < line.size() && line[close + 2] == 'Z') {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

}  // namespace avizad::testing
