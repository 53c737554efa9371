// A stand-in for a game's machine in the page's tests: it speaks PageInterface.h as the
// virtual machine does, and plays a tiny game of its own that shows what the page gave it.
//
// At the start it prints the MIDlet's name and screen, decodes every picture of the jar
// (printing its size and the CRC-32 of its pixels, big-endian ARGB), loads every sound and
// counts its runs in a record store. Each frame it draws a dark screen with the jar's first
// picture in the top left corner and a square that the arrow keys move, and prints the frame's
// number, the square's place and the keys held. It plays a key script as the machine does.
// The manifest's "Standin-Mode" picks a failure to show: "throw" (an exception on the third
// frame), "hang" (a frame that never ends), "refuse" (a class refused before the start).

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "PageInterface.h"

namespace {

struct KeyEvent {
    int frame = 0;
    int kind = 0;  // 1 press, 0 release
    int code = 0;
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

struct StandIn {
    std::map<std::string, std::string> entries;
    std::string mode;
    int width = 0;
    int height = 0;
    bool virtualClock = false;
    double clock = 0;
    double wake = 0;
    int frames = 0;
    int x = 0;
    int y = 0;
    std::set<int> held;
    std::vector<KeyEvent> script;
    std::size_t nextEvent = 0;
    Picture sprite;
    std::vector<std::uint32_t> screen;
    std::string errorClass;
    std::string errorMessage;
};

StandIn gGame;

void print(const std::string& line) {
    const std::string text = line + "\n";
    avz_js_print(text.data(), static_cast<int>(text.size()), 0);
}

std::uint32_t crc32(const std::vector<std::uint32_t>& pixels) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint32_t pixel : pixels) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            crc ^= (pixel >> shift) & 0xFFu;
            for (int bit = 0; bit < 8; ++bit) {
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
            }
        }
    }
    return crc ^ 0xFFFFFFFFu;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        result.push_back(line);
        start = end + 1;
    }
    return result;
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> result;
    std::size_t start = line.find_first_not_of(" \t");
    while (start != std::string::npos) {
        const std::size_t end = line.find_first_of(" \t", start);
        result.push_back(line.substr(start, end - start));
        start = line.find_first_not_of(" \t", end);
    }
    return result;
}

std::string manifestValue(const std::string& key) {
    for (const std::string& line : lines(gGame.entries["META-INF/MANIFEST.MF"])) {
        if (line.rfind(key + ": ", 0) == 0) {
            return line.substr(key.size() + 2);
        }
    }
    return {};
}

int keyCode(const std::string& name) {
    static const std::map<std::string, int> names = {
        {"UP", -1},    {"DOWN", -2},  {"LEFT", -3}, {"RIGHT", -4}, {"FIRE", -5},
        {"SOFT1", -6}, {"SOFT2", -7}, {"*", 42},    {"#", 35},
    };
    const auto named = names.find(name);
    if (named != names.end()) {
        return named->second;
    }
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') {
        return name[0];
    }
    return std::atoi(name.c_str());
}

void readScript(const char* text) {
    for (const std::string& line : lines(text)) {
        const std::vector<std::string> parts = words(line);
        if (parts.size() != 3 || parts[0][0] == '#') {
            continue;
        }
        KeyEvent event;
        event.frame = std::atoi(parts[0].c_str());
        const std::string& action = parts[1];
        std::string key = parts[2];
        std::transform(key.begin(), key.end(), key.begin(), ::toupper);
        event.code = keyCode(key);
        event.kind = action == "release" ? 0 : 1;
        gGame.script.push_back(event);
        if (action == "tap") {
            gGame.script.push_back({event.frame + 1, 0, event.code});
        }
    }
    std::stable_sort(gGame.script.begin(), gGame.script.end(),
                     [](const KeyEvent& a, const KeyEvent& b) { return a.frame < b.frame; });
}

void loadResources() {
    std::uint32_t store = 0;
    int size = 0;
    if (std::uint8_t* bytes = avz_js_store_load("runs", &size)) {
        store = size > 0 ? bytes[0] : 0;
        std::free(bytes);
    }
    print("store runs " + std::to_string(store));
    const std::uint8_t next = static_cast<std::uint8_t>(store + 1);
    avz_js_store_save("runs", &next, 1);

    for (const auto& [name, data] : gGame.entries) {
        const auto bytes = reinterpret_cast<const std::uint8_t*>(data.data());
        const int size = static_cast<int>(data.size());
        if (name.ends_with(".png")) {
            int width = 0;
            int height = 0;
            std::uint32_t* pixels = avz_js_decode_png(bytes, size, &width, &height);
            if (!pixels) {
                print("png " + name + " unreadable");
                continue;
            }
            Picture picture{width, height,
                            std::vector<std::uint32_t>(pixels, pixels + width * height)};
            std::free(pixels);
            char crc[16];
            std::snprintf(crc, sizeof crc, "%08x", crc32(picture.pixels));
            print("png " + name + " " + std::to_string(width) + " " + std::to_string(height) + " " +
                  crc);
            if (gGame.sprite.pixels.empty()) {
                gGame.sprite = std::move(picture);
            }
        } else if (name.ends_with(".wav") || name.ends_with(".mid")) {
            const int handle = avz_js_sound_load(
                name.ends_with(".wav") ? "audio/x-wav" : "audio/midi", bytes, size);
            print("sound " + name + " " + (handle > 0 ? "ready" : "silent"));
            if (handle > 0) {
                avz_js_sound_play(handle, 1);
            }
        }
    }
}

void draw() {
    std::vector<std::uint32_t>& screen = gGame.screen;
    std::fill(screen.begin(), screen.end(), 0xFF203040u);
    const Picture& sprite = gGame.sprite;
    for (int row = 0; row < std::min(sprite.height, gGame.height); ++row) {
        for (int column = 0; column < std::min(sprite.width, gGame.width); ++column) {
            const std::uint32_t pixel = sprite.pixels[row * sprite.width + column];
            if (pixel >> 24 != 0) {
                screen[row * gGame.width + column] = pixel;
            }
        }
    }
    const std::uint32_t colour = gGame.held.count(-5) ? 0xFFFF0000u : 0xFFFFFF00u;
    for (int row = gGame.y; row < gGame.y + 8 && row < gGame.height; ++row) {
        for (int column = gGame.x; column < gGame.x + 8 && column < gGame.width; ++column) {
            screen[row * gGame.width + column] = colour;
        }
    }
    avz_js_present(screen.data(), gGame.width, gGame.height);
}

void pressKey(int kind, int code) {
    if (kind == 1) {
        gGame.held.insert(code);
    } else if (kind == 0) {
        gGame.held.erase(code);
    }
    print(std::string("key ") +
          (kind == 1   ? "press"
           : kind == 0 ? "release"
                       : "repeat") +
          " " + std::to_string(code));
}

int fail(const std::string& errorClass, const std::string& message) {
    gGame.errorClass = errorClass;
    gGame.errorMessage = message;
    return AVZ_ERROR;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void avz_add_entry(const char* name, const std::uint8_t* data, int size) {
    gGame.entries[name] = std::string(reinterpret_cast<const char*>(data), size);
}

EMSCRIPTEN_KEEPALIVE int avz_start(int width, int height, int virtualClock, const char* keyScript) {
    gGame.width = width;
    gGame.height = height;
    gGame.virtualClock = virtualClock != 0;
    gGame.screen.assign(static_cast<std::size_t>(width) * height, 0);
    gGame.x = width / 2;
    gGame.y = height / 2;
    gGame.clock = gGame.virtualClock ? 1262304000000.0 : 0;
    gGame.mode = manifestValue("Standin-Mode");
    readScript(keyScript);
    print("start " + manifestValue("MIDlet-Name") + " " + std::to_string(width) + "x" +
          std::to_string(height));
    if (gGame.mode == "refuse") {
        return fail("java.lang.VerifyError", "Stand: method run()V at 12: stack underflow");
    }
    loadResources();
    return AVZ_WAITING;
}

EMSCRIPTEN_KEEPALIVE int avz_step(double nowMillis, double budgetMillis) {
    const double started = emscripten_get_now();
    if (gGame.mode == "hang" && gGame.frames == 2) {
        // A loop that never yields: only the budget ends it.
        volatile std::uint64_t spins = 0;
        while (emscripten_get_now() - started < budgetMillis) {
            spins = spins + 1;
        }
        return AVZ_OVERTIME;
    }
    if (!gGame.virtualClock) {
        gGame.clock = nowMillis;
        if (gGame.clock < gGame.wake) {
            return AVZ_WAITING;
        }
    }
    while (gGame.nextEvent < gGame.script.size() &&
           gGame.script[gGame.nextEvent].frame <= gGame.frames) {
        const KeyEvent& event = gGame.script[gGame.nextEvent++];
        pressKey(event.kind, event.code);
    }
    gGame.x += (gGame.held.count(-4) - gGame.held.count(-3)) * 2;
    gGame.y += (gGame.held.count(-2) - gGame.held.count(-1)) * 2;
    gGame.x = std::clamp(gGame.x, 0, gGame.width - 8);
    gGame.y = std::clamp(gGame.y, 0, gGame.height - 8);
    draw();
    std::string keys;
    for (const int code : gGame.held) {
        keys += " " + std::to_string(code);
    }
    print("trace frame " + std::to_string(gGame.frames) + " at " + std::to_string(gGame.x) + "," +
          std::to_string(gGame.y) + " held" + keys);
    ++gGame.frames;
    gGame.wake = gGame.clock + 50;
    if (gGame.virtualClock) {
        gGame.clock = gGame.wake;
    }
    if (gGame.mode == "throw" && gGame.frames == 3) {
        return fail("java.lang.RuntimeException", "Stand failed on frame 3");
    }
    return AVZ_FRAME;
}

EMSCRIPTEN_KEEPALIVE double avz_wake_time() {
    return gGame.wake;
}

EMSCRIPTEN_KEEPALIVE void avz_key(int kind, int code) {
    pressKey(kind, code);
}

EMSCRIPTEN_KEEPALIVE void avz_pause() {
    print("pause");
}

EMSCRIPTEN_KEEPALIVE void avz_resume() {
    print("resume");
}

EMSCRIPTEN_KEEPALIVE const char* avz_error_class() {
    return gGame.errorClass.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* avz_error_message() {
    return gGame.errorMessage.c_str();
}
}
