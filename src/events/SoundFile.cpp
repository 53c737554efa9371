#include "events/SoundFile.h"

#include <system_error>

#include "model/Cp1251.h"

namespace avizad {

std::string SoundFile::contentTypeOf(std::string_view fileName) {
    const auto dot = fileName.rfind('.');
    if (dot == std::string_view::npos) {
        return {};
    }
    const std::string_view extension = fileName.substr(dot + 1);
    if (extension == "mid") {
        return "audio/midi";
    }
    if (extension == "mp3") {
        return "audio/mpeg";
    }
    if (extension == "wav") {
        return "audio/x-wav";
    }
    return {};
}

std::string SoundFile::refusal(const std::filesystem::path& chosen) {
    const std::string name = chosen.filename().string();  // UTF-8 on this system
    const std::string missing = firstCharacterOutsideCp1251(name);
    if (missing.empty()) {
        return {};
    }
    return "Файл «" + name + "» нельзя взять в игру: в его имени есть знак «" + missing +
           "», которого нет в кодировке Windows-1251. Переименуйте файл.";
}

std::filesystem::path SoundFile::resourceFolder(const std::filesystem::path& projectDir,
                                                const std::filesystem::path& programDir) {
    return (projectDir.empty() ? programDir : projectDir) / "res";
}

SoundFile SoundFile::prepare(const std::filesystem::path& chosen,
                             const std::filesystem::path& projectDir,
                             const std::filesystem::path& programDir) {
    const std::string name = chosen.filename().string();  // UTF-8 on this system
    const std::filesystem::path folder = resourceFolder(projectDir, programDir);
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::filesystem::copy_file(chosen, folder / chosen.filename(),
                               std::filesystem::copy_options::skip_existing, ignored);
    return SoundFile{utf8ToCp1251(name), contentTypeOf(name)};
}

}  // namespace avizad
