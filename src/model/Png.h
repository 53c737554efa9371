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

// The largest picture read: more than the phones can show is refused before decoding.
inline constexpr int kMaxPngSide = 8192;
inline constexpr std::uint64_t kMaxPngPixels = 4096 * 4096;

// Reads a PNG file; throws IoError naming the file when it cannot be read, is not a
// valid PNG or is larger than the limits above.
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
