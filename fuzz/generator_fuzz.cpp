// Feeds arbitrary bytes to the project reader and runs the game generator on every project
// it accepts (the file steps of a build, no Java tool): the generator must write its files
// or throw IoError, never crash, hang or write anything outside its build folders.
//
// The program folder lies three folders deep in a scratch folder of its own (in /dev/shm
// when there is one, where flushing a file costs nothing), beside a project folder with a
// sound file and the working folder; after each input every file below the scratch folder
// must be one the build may write (System/src, res, bin, classes, tmpclasses and the
// manifest), one of the templates, or one the project folder held before.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "generator/GameSources.h"
#include "model/FileUtil.h"
#include "model/IoError.h"
#include "model/ProjectFile.h"

namespace {

namespace fs = std::filesystem;

struct Scratch {
    fs::path root;
    fs::path program;
    fs::path project;
};

Scratch& scratch() {
    static Scratch s;
    return s;
}

void removeScratch() {
    std::error_code ignored;
    fs::remove_all(scratch().root, ignored);
}

// Whether `path` (below the scratch folder) is a file the generator may leave.
bool allowed(const fs::path& path) {
    const Scratch& s = scratch();
    const fs::path system = s.program / "System";
    if (path == s.program / "MANIFEST.MF" || path == system / "MANIFEST.MF" ||
        path == s.project / "res" / "boom.wav") {
        return true;
    }
    for (const char* folder : {"draft", "src", "res", "bin", "classes", "tmpclasses"}) {
        if (path.parent_path() == system / folder) {
            return true;
        }
    }
    return false;
}

// Aborts (a finding) when anything below the scratch folder is not allowed.
void checkOutput() {
    std::error_code error;
    for (fs::recursive_directory_iterator it(scratch().root, error), end; !error && it != end;
         it.increment(error)) {
        const fs::file_status status = it->symlink_status();
        if (fs::is_directory(status)) {
            continue;
        }
        if (!fs::is_regular_file(status) || !allowed(it->path())) {
            std::fprintf(stderr, "the generator left %s outside its build folders\n",
                         it->path().c_str());
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Scratch& s = scratch();
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    s.root = base / ("avizad-fuzz-generator-" + std::to_string(::getpid()));
    s.program = s.root / "a" / "b" / "program";
    s.project = s.root / "project";
    fs::create_directories(s.program / "System");
    fs::copy(fs::path(AVIZAD_SOURCE_DIR) / "System" / "draft", s.program / "System" / "draft");
    fs::copy_file(fs::path(AVIZAD_SOURCE_DIR) / "System" / "MANIFEST.MF",
                  s.program / "System" / "MANIFEST.MF");
    fs::create_directories(s.project / "res");
    avizad::writeFileText(s.project / "res" / "boom.wav", "RIFF");
    fs::create_directories(s.root / "cwd");
    fs::current_path(s.root / "cwd");
    std::atexit(removeScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    avizad::Project project;
    try {
        avizad::loadProjectFromMemory(project, reinterpret_cast<const char*>(data), size);
    } catch (const avizad::IoError&) {
        return 0;
    }
    avizad::BuildFolders folders(scratch().program);
    folders.projectDir = scratch().project;
    try {
        (void)avizad::generateGameSources(project, folders);
    } catch (const avizad::IoError&) {
    }
    checkOutput();
    return 0;
}
