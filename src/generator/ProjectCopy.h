#pragma once
// The sample games installed beside the program ("Файл" → "Примеры") and the copy an author
// opens of one: the project file byte for byte, with the files its game takes from the
// project's folder (findProjectResources), so the copy builds the same game and the
// installed sample is never written to.

#include <filesystem>
#include <string>
#include <vector>

namespace avizad {

struct SampleProject {
    std::string name;  // the file name without its extension, as the menu shows it (UTF-8)
    std::filesystem::path file;
};

// The folder of the installed samples: "projects" beside the program, where the open
// dialog starts.
std::filesystem::path samplesFolder(const std::filesystem::path& programDir);

// The project files (*.yrk, regular files, links not followed) of samplesFolder, in name
// order. A missing folder has none.
std::vector<SampleProject> installedSamples(const std::filesystem::path& programDir);

// The file a new copy of sample `name` is proposed under in `folder`: NAME.yrk, or the first
// of "NAME 2.yrk", "NAME 3.yrk", ... that does not exist yet.
std::filesystem::path freeCopyFile(const std::filesystem::path& folder, const std::string& name);

// Copies project file `source` to `target` (replacing a file there; its folder is made when
// missing) and the files its game
// takes from the source's folder "res" (its sound files and its MIDlet icon) into the
// target's folder "res", made when missing; a file of the same name there is kept, as the
// sound action keeps it. The source is read whole (a file that is no project is refused)
// before anything is written. Refuses a target in the source's folder, so no copy
// replaces the sample or one beside it. Throws IoError with the user's message.
void copyProject(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace avizad
