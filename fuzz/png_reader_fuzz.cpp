// Feeds arbitrary bytes to the PNG reader: it must either decode them or throw IoError,
// never crash, leak, read out of bounds or run away with memory. What it decodes must
// encode and decode again to the same picture (up to a million pixels).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/IoError.h"
#include "model/Png.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    avizad::Image image;
    try {
        image = avizad::decodePng(data, size, "fuzz.png");
    } catch (const avizad::IoError&) {
        return 0;
    }
    // The round trip of the largest pictures would only slow the run down.
    if (static_cast<std::size_t>(image.width()) * image.height() > (1u << 20)) {
        return 0;
    }
    const std::vector<std::uint8_t> encoded = avizad::encodePng(image);
    if (!(avizad::decodePng(encoded.data(), encoded.size()) == image)) {
        std::abort();
    }
    return 0;
}
