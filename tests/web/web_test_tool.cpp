// What the page's tests need of the core:
//   web_test_tool page TEMPLATE JAR OUT.html WIDTH HEIGHT   the export's page of a jar
//   web_test_tool pixels PNG...    per picture "NAME WIDTH HEIGHT CRC" as libpng decodes it
//                                  (the CRC-32 of its pixels, 0xAARRGGBB big-endian),
//                                  "NAME unreadable" when it does not
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "generator/BrowserPage.h"
#include "model/FileUtil.h"
#include "model/Png.h"

namespace {

using namespace avizad;

std::uint32_t crc32(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return crc ^ 0xFFFFFFFFu;
}

int pixels(int count, char** files) {
    for (int i = 0; i < count; ++i) {
        const std::string name = std::filesystem::path(files[i]).filename().string();
        Image image;
        try {
            image = readPng(files[i]);
        } catch (const std::exception&) {
            std::printf("%s unreadable\n", name.c_str());
            continue;
        }
        std::vector<std::uint8_t> argb;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const Color c = image.pixel(x, y);
                argb.insert(argb.end(), {image.alpha(x, y), static_cast<std::uint8_t>(redOf(c)),
                                         static_cast<std::uint8_t>(greenOf(c)),
                                         static_cast<std::uint8_t>(blueOf(c))});
            }
        }
        std::printf("%s %d %d %08x\n", name.c_str(), image.width(), image.height(), crc32(argb));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::string command = argc > 1 ? argv[1] : "";
        if (command == "page" && argc == 7) {
            const std::string page = browserPage(readFileText(argv[2]), readFileBytes(argv[3]),
                                                 std::atoi(argv[5]), std::atoi(argv[6]));
            writeFileText(argv[4], page);
            return 0;
        }
        if (command == "pixels") {
            return pixels(argc - 2, argv + 2);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "web_test_tool: %s\n", error.what());
        return 1;
    }
    std::fprintf(stderr,
                 "usage: web_test_tool page TEMPLATE JAR OUT WIDTH HEIGHT | pixels PNG...\n");
    return 2;
}
