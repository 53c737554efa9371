#pragma once
// Windows bitmap files: 24 bits per pixel, rows bottom-up, each padded to 4 bytes.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "model/Image.h"

namespace avizad {

std::vector<std::uint8_t> encodeBmp(const Image& image);
// Throws IoError naming the file when it cannot be written.
void writeBmp(const std::filesystem::path& path, const Image& image);

}  // namespace avizad
