#include "build/GameLauncher.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

#include "build/BuildCommands.h"
#include "build/BuildFolders.h"

extern char** environ;

namespace avizad {

int launchGame(const std::filesystem::path& programDir, std::string_view wtkDir,
               std::string_view midletName) {
    const BuildFolders folders(programDir);
    const std::filesystem::path archive = archivePath(folders, midletName);
    std::error_code error;
    if (!std::filesystem::is_regular_file(archive, error)) {
        return ENOENT;
    }
    const std::string emulator = buildTools(programDir, "", wtkDir).emulator.string();
    const std::string archiveText = archive.string();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, programDir.c_str());
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    sigset_t noneBlocked;
    sigemptyset(&noneBlocked);
    posix_spawnattr_setsigmask(&attributes, &noneBlocked);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(
        &attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
    std::vector<char*> argv = {const_cast<char*>(emulator.c_str()),
                               const_cast<char*>(archiveText.c_str()), nullptr};
    pid_t pid = -1;
    const int result =
        ::posix_spawn(&pid, emulator.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (result != 0) {
        return result;
    }
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return 0;
}

}  // namespace avizad
