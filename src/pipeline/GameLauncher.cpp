#include "pipeline/GameLauncher.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <thread>
#include <vector>

#include "generator/BuildFolders.h"
#include "pipeline/BuildCommands.h"
#include "pipeline/Spawn.h"

namespace avizad {

int launchGame(const std::filesystem::path& programDir, std::string_view wtkDir,
               std::string_view midletName, int screenWidth, int screenHeight) {
    const BuildFolders folders(programDir);
    const std::filesystem::path archive = archivePath(folders, midletName);
    std::error_code error;
    if (!std::filesystem::is_regular_file(archive, error)) {
        return ENOENT;
    }
    const std::filesystem::path emulator = buildTools(programDir, "", wtkDir).emulator;

    std::vector<std::string> arguments;
    const auto shown = [](int side) { return side >= 16 && side <= 4096; };
    if (shown(screenWidth) && shown(screenHeight)) {
        arguments = {"--size", std::to_string(screenWidth) + "x" + std::to_string(screenHeight)};
    }
    arguments.push_back(archive.string());
    pid_t pid = -1;
    const int result = spawnProcess(emulator, arguments, programDir, -1, -1, pid);
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
