#pragma once
// The end of a build's archive step: what the archiver packs of a folder, and the finished
// archive published in System/bin with its descriptor.

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace avizad {

// The names of the regular files of a folder, sorted: what the archive takes of it.
std::vector<std::string> archivedFiles(const std::filesystem::path& folder);
// The same files with their sizes, in name order.
std::vector<std::pair<std::string, std::uintmax_t>> archivedFileSizes(
    const std::filesystem::path& folder);

// Puts the archive the archiver wrote (`partial`) in place as `archive`, replacing the one
// there at once (nobody sees half a jar), and writes its descriptor `descriptor`
// (MidletAssembly::descriptorText of the manifest `manifest`, the archive's name and exact
// size). The old descriptor goes first, so no descriptor ever claims another archive.
// Throws IoError naming the file that failed.
void publishArchive(const std::filesystem::path& partial, const std::filesystem::path& archive,
                    const std::filesystem::path& descriptor, const std::filesystem::path& manifest);

// Many MIDP 2.0 phones refuse to install a larger archive.
inline constexpr std::uintmax_t kPhoneJarBytes = 64 * 1024;
// The warning (UTF-8) for an archive above kPhoneJarBytes, naming its three largest files of
// `packed` (the folders it was packed from); empty for an archive that fits.
std::string largeArchiveWarning(const std::filesystem::path& archive,
                                const std::vector<std::filesystem::path>& packed);

}  // namespace avizad
