#include "pipeline/GameArchive.h"

#include <algorithm>
#include <system_error>

#include "generator/MidletAssembly.h"
#include "generator/ProjectResources.h"
#include "model/FileUtil.h"
#include "model/IoError.h"

namespace avizad {

namespace fs = std::filesystem;

std::vector<std::string> archivedFiles(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError)) {
            names.push_back(it->path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::pair<std::string, std::uintmax_t>> archivedFileSizes(const fs::path& folder) {
    std::vector<std::pair<std::string, std::uintmax_t>> files;
    for (const std::string& name : archivedFiles(folder)) {
        std::error_code error;
        const std::uintmax_t size = fs::file_size(folder / name, error);
        files.emplace_back(name, error ? 0 : size);
    }
    return files;
}

void publishArchive(const fs::path& partial, const fs::path& archive, const fs::path& descriptor,
                    const fs::path& manifest) {
    // The descriptor of the finished archive, made before anything is replaced.
    std::error_code error;
    const std::uintmax_t size = fs::file_size(partial, error);
    if (error) {
        throw IoError("Не удаётся узнать размер архива «" + displayPath(partial) +
                      "»: " + error.message());
    }
    const std::string text =
        MidletAssembly::descriptorText(readFileText(manifest), archive.filename().string(), size);
    // No descriptor ever claims another archive: the old one goes first, the new one
    // follows the new archive (a build killed in between leaves an archive without one).
    if (!fs::remove(descriptor, error) && error) {
        throw IoError("Не удаётся удалить «" + displayPath(descriptor) + "»: " + error.message());
    }
    // The finished archive replaces the old one at once: nobody sees half a jar. (A
    // System/bin on another file system gets a copy, which replaces the old one at once
    // as well.)
    fs::rename(partial, archive, error);
    if (error == std::errc::cross_device_link) {
        const std::vector<std::uint8_t> bytes = readFileBytes(partial);
        writeFileBytes(archive, bytes.data(), bytes.size());
    } else if (error) {
        throw IoError("Не удаётся переименовать «" + displayPath(partial) + "» в «" +
                      displayPath(archive) + "»: " + error.message());
    }
    writeFileText(descriptor, text);
}

std::string largeArchiveWarning(const fs::path& archive, const std::vector<fs::path>& packed) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(archive, error);
    if (error || size <= kPhoneJarBytes) {
        return {};
    }
    std::vector<std::pair<std::string, std::uintmax_t>> files;
    for (const fs::path& folder : packed) {
        for (auto& file : archivedFileSizes(folder)) {
            files.push_back(std::move(file));
        }
    }
    std::stable_sort(files.begin(), files.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::string largest;
    for (std::size_t i = 0; i < files.size() && i < 3; ++i) {
        largest += (i == 0 ? "" : ", ") + files[i].first + " (" + sizeText(files[i].second) + ")";
    }
    return "Внимание: архив занимает " + sizeText(size) + ", больше " +
           std::to_string(kPhoneJarBytes / 1024) +
           " КБ: многие телефоны MIDP 2.0 не установят такую игру. Больше всего места занимают "
           "файлы " +
           largest + ".";
}

}  // namespace avizad
