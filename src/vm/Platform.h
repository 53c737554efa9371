#pragma once
// What the virtual machine needs from the machine it runs on. Everything else (classes,
// threads, the clock, drawing into pixel arrays) is the machine's own and the same on every
// host. The native host implements this with zlib and libpng; a browser host with its own
// decoders.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace avizad::vm {

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;  // non-premultiplied, row by row
};

class Platform {
public:
    virtual ~Platform() = default;

    // Inflates a raw deflate stream (no zlib header) that inflates to `size` bytes; nullopt
    // when the data is damaged or of another size.
    virtual std::optional<std::vector<uint8_t>> inflate(const uint8_t* data, std::size_t length,
                                                        std::size_t size) = 0;
    // Decodes a PNG picture; nullopt when it is not one or is damaged.
    virtual std::optional<DecodedImage> decodePng(const uint8_t* data, std::size_t length) = 0;

    // What the game prints (UTF-8), standard output or standard error.
    virtual void print(const std::string& text, bool error) = 0;

    // A frame was shown: the screen's pixels (0xRRGGBB) as they are now.
    virtual void present(const uint32_t* rgb, int width, int height) {
        (void)rgb;
        (void)width;
        (void)height;
    }

    // Sound: a player starts or stops playing its media (a wav or MIDI file's bytes).
    virtual void playSound(int player, const std::vector<uint8_t>& data, const std::string& type,
                           int loops) {
        (void)player;
        (void)data;
        (void)type;
        (void)loops;
    }
    virtual void stopSound(int player) { (void)player; }

    // The record stores of the running game: loaded once when the game starts, saved whole
    // after each change. The default keeps them in memory for the run only.
    virtual std::vector<uint8_t> loadRecordStores() { return {}; }
    virtual void saveRecordStores(const std::vector<uint8_t>& data) { (void)data; }
};

}  // namespace avizad::vm
