#pragma once
// The machine's platform on a desktop: zlib inflates jar entries, libpng decodes pictures,
// the game's output goes to the process's standard output and error.

#include <cstdio>
#include <filesystem>
#include <string>

#include "vm/Platform.h"

namespace avizad::vm {

class NativePlatform : public Platform {
public:
    std::optional<std::vector<uint8_t>> inflate(const uint8_t* data, std::size_t length,
                                                std::size_t size) override;
    std::optional<DecodedImage> decodePng(const uint8_t* data, std::size_t length) override;
    void print(const std::string& text, bool error) override;
};

// Writes 0xRRGGBB pixels as an RGB PNG file; false when it cannot.
bool writeScreenPng(const std::filesystem::path& file, const std::vector<uint32_t>& rgb, int width,
                    int height);

}  // namespace avizad::vm
