#include "pipeline/BuildLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/FileUtil.h"
#include "model/IoError.h"

namespace avizad {

std::filesystem::path BuildLock::file(const BuildFolders& folders) {
    return folders.system() / "build.lock";
}

BuildLock::BuildLock(const BuildFolders& folders) {
    const std::filesystem::path path = file(folders);
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        throw IoError("Не удаётся открыть файл «" + displayPath(path) +
                      "»: " + std::strerror(errno));
    }
    int result = 0;
    do {
        result = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    held_ = result == 0;
}

BuildLock::~BuildLock() {
    if (fd_ >= 0) {
        ::close(fd_);  // releases the lock
    }
}

}  // namespace avizad
