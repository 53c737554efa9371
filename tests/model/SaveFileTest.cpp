#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "TempDir.h"
#include "model/FileUtil.h"
#include "model/IoError.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The id of a process that has ended.
pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(SaveFile, ReadOnlyFileIsRefusedAndKept) {
    TempDir dir;
    const fs::path path = dir.path() / "game.yrk";
    writeFileText(path, "previous\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    try {
        writeFileText(path, "new\r\n");
        FAIL() << "a read-only file was replaced";
    } catch (const IoError& error) {
        EXPECT_EQ(std::string(error.what()), "Файл только для чтения: «" + path.string() + "»");
    }
    EXPECT_EQ(readFileText(path), "previous\r\n");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"game.yrk"});
}

TEST(SaveFile, ReplacedFileKeepsItsPermissions) {
    TempDir dir;
    const fs::path path = dir.path() / "game.yrk";
    writeFileText(path, "previous\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeFileText(path, "new\r\n");
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(readFileText(path), "new\r\n");
}

TEST(SaveFile, ScratchWritesStillReplaceWholeFilesAndHoldOnTheirThreadOnly) {
    TempDir dir;
    const fs::path path = dir.path() / "Etap1.java";
    writeFileText(path, "previous\r\n");
    EXPECT_FALSE(ScratchWrites::active());
    {
        const ScratchWrites scratch;
        {
            const ScratchWrites nested;
            EXPECT_TRUE(ScratchWrites::active());
        }
        EXPECT_TRUE(ScratchWrites::active());
        bool elsewhere = true;
        std::thread([&elsewhere] { elsewhere = ScratchWrites::active(); }).join();
        EXPECT_FALSE(elsewhere) << "another thread's saves are flushed";
        writeFileText(path, "new\r\n");
    }
    EXPECT_FALSE(ScratchWrites::active());
    EXPECT_EQ(readFileText(path), "new\r\n");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"Etap1.java"});
}

TEST(SaveFile, SymbolicLinksAreFollowedToTheFileTheyName) {
    TempDir dir;
    fs::create_directories(dir.path() / "real");
    const fs::path real = dir.path() / "real" / "game.yrk";
    writeFileText(real, "previous\r\n");
    struct Link {
        const char* name;
        fs::path to;
    };
    const Link links[] = {
        {"relative.yrk", fs::path("real") / "game.yrk"},
        {"absolute.yrk", real},
        {"chained.yrk", "relative.yrk"},
    };
    for (const Link& link : links) {
        fs::create_symlink(link.to, dir.path() / link.name);
    }
    for (const Link& link : links) {
        SCOPED_TRACE(link.name);
        const std::string text = std::string("through ") + link.name + "\r\n";
        writeFileText(dir.path() / link.name, text);
        EXPECT_TRUE(fs::is_symlink(dir.path() / link.name));
        EXPECT_EQ(readFileText(real), text);
    }
    EXPECT_EQ(namesIn(dir.path() / "real"), std::vector<std::string>{"game.yrk"});

    // A link to a file not there yet creates that file.
    fs::create_symlink("later.yrk", dir.path() / "dangling.yrk");
    writeFileText(dir.path() / "dangling.yrk", "first\r\n");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "dangling.yrk"));
    EXPECT_EQ(readFileText(dir.path() / "later.yrk"), "first\r\n");
}

TEST(SaveFile, TemporaryFilesOfAKilledSaveGoWithTheNextSave) {
    TempDir dir;
    const fs::path path = dir.path() / "game.yrk";
    writeFileText(path, "previous\r\n");
    // A save that ends half way, as when the program is killed: no destructor runs.
    const pid_t child = ::fork();
    if (child == 0) {
        SaveFile file(path);
        file.write("half");
        ::_exit(file.temporary().filename().string().starts_with("game.yrk.avizad-") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "temporary file name";
    ASSERT_EQ(namesIn(dir.path()).size(), 2u);
    EXPECT_EQ(readFileText(path), "previous\r\n");

    // Files that are not an ended save's of this file stay: a running program's, another
    // file's, and names that only look alike.
    const std::string ended = std::to_string(endedProcess());
    const std::vector<std::string> kept = {
        "game.yrk.avizad-1-a1b2c3",  // process 1 is running
        "other.yrk.avizad-" + ended + "-a1b2c3",
        "game.yrk.avizad-" + ended + "-a1b2c",
        "game.yrk.avizad-x" + ended + "-a1b2c3",
        "game.yrk.bak",
    };
    for (const std::string& name : kept) {
        writeFileText(dir.path() / name, "keep");
    }
    writeFileText(dir.path() / ("game.yrk.avizad-" + ended + "-zzzzzz"), "stale");

    writeFileText(path, "new\r\n");
    std::vector<std::string> expected = kept;
    expected.push_back("game.yrk");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(dir.path()), expected);
    EXPECT_EQ(readFileText(path), "new\r\n");
}

// Makes a named socket at `path`; false when the system refuses.
bool makeSocket(const fs::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const bool made =
        fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return made;
}

// The file type bits of what `path` names (links not followed).
mode_t typeOf(const fs::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? (status.st_mode & S_IFMT) : 0;
}

TEST(SaveFile, WhatIsNotARegularFileIsRefusedBeforeAnythingIsWritten) {
    TempDir dir;
    std::vector<fs::path> targets;
    ASSERT_EQ(::mkfifo((dir.path() / "pipe").c_str(), 0644), 0);
    targets.push_back(dir.path() / "pipe");
    ASSERT_TRUE(makeSocket(dir.path() / "socket"));
    targets.push_back(dir.path() / "socket");
    fs::create_directories(dir.path() / "folder");
    targets.push_back(dir.path() / "folder");
    // A device of its own (as /dev/null is one), where the system lets the test make one.
    if (::mknod((dir.path() / "null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
        targets.push_back(dir.path() / "null");
        fs::create_symlink("null", dir.path() / "link-to-null");
        targets.push_back(dir.path() / "link-to-null");
    }
    const std::vector<std::string> before = namesIn(dir.path());
    for (const fs::path& target : targets) {
        SCOPED_TRACE(target.filename().string());
        const mode_t type = typeOf(target);
        try {
            writeFileText(target, "project\r\n");
            ADD_FAILURE() << "saved onto what is not a file";
        } catch (const IoError& error) {
            EXPECT_EQ(std::string(error.what()), "«" + target.string() + "» не является файлом");
        }
        EXPECT_EQ(typeOf(target), type);
        EXPECT_EQ(namesIn(dir.path()), before) << "no temporary file";
    }
}

// The user id of a file the test gives away: only root can give one away.
constexpr uid_t kOtherUser = 65534;

TEST(SaveFile, LinksOfOtherUsersAreNotFollowed) {
    TempDir dir;
    // A folder like /tmp: anyone may put a link there, the sticky bit keeps each one's files.
    const fs::path shared = dir.path() / "shared";
    fs::create_directories(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    const fs::path mine = dir.path() / "mine.yrk";
    writeFileText(mine, "mine\r\n");

    struct Case {
        const char* name;
        fs::path link;
        fs::path target;
    };
    std::vector<Case> cases;
    if (::geteuid() == 0) {
        // Another user's link to my file, and my link to another user's file.
        fs::create_symlink(mine, shared / "planted.yrk");
        ASSERT_EQ(::lchown((shared / "planted.yrk").c_str(), kOtherUser, kOtherUser), 0);
        cases.push_back({"another user's link", shared / "planted.yrk", mine});
        const fs::path theirs = dir.path() / "theirs.yrk";
        writeFileText(theirs, "theirs\r\n");
        ASSERT_EQ(::chown(theirs.c_str(), kOtherUser, kOtherUser), 0);
        fs::create_symlink(theirs, shared / "mine-to-theirs.yrk");
        cases.push_back({"a link to another user's file", shared / "mine-to-theirs.yrk", theirs});
    } else {
        // Without root the test can only point a link at a file of root's.
        fs::create_symlink("/etc/passwd", shared / "mine-to-root.yrk");
        cases.push_back({"a link to root's file", shared / "mine-to-root.yrk", "/etc/passwd"});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string content = readFileText(c.target);
        try {
            writeFileText(c.link, "replaced\r\n");
            ADD_FAILURE() << "the link was followed";
        } catch (const IoError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Не удаётся сохранить «" + c.link.string() + "»: ссылка «" + c.link.string() +
                          "» или файл, на который она указывает, принадлежит другому "
                          "пользователю");
        }
        EXPECT_EQ(readFileText(c.target), content);
        EXPECT_TRUE(fs::is_symlink(c.link));
    }
    EXPECT_EQ(namesIn(shared).size(), cases.size()) << "no temporary file";
}

}  // namespace
}  // namespace avizad
