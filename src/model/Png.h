#pragma once
// PNG reading and writing. Every colour type and bit depth reads into an Image;
// transparency the file carries is kept in the image's alpha plane.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/Image.h"

namespace avizad {

// Reads a PNG file; throws IoError naming the file when it cannot be read or is not a valid PNG.
Image readPng(const std::filesystem::path& path);
// Decodes PNG data; `what` names the source in error messages.
Image decodePng(const std::uint8_t* data, std::size_t size, const std::string& what = "PNG");

// Encodes an 8-bit PNG. With `transparent` set, every pixel of that colour becomes
// transparent through a single tRNS entry (an RGB image); otherwise an image with an
// alpha plane is written as RGBA and an opaque one as RGB.
std::vector<std::uint8_t> encodePng(const Image& image,
                                    std::optional<Color> transparent = std::nullopt);
// Encodes and writes a PNG file; throws IoError on failure.
void writePng(const std::filesystem::path& path, const Image& image,
              std::optional<Color> transparent = std::nullopt);

}  // namespace avizad
