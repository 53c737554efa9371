#include "editors/Bmp.h"

#include "model/FileUtil.h"

namespace avizad {

namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

std::vector<std::uint8_t> encodeBmp(const Image& image) {
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t dataSize = stride * height;
    std::vector<std::uint8_t> out;
    out.reserve(54 + dataSize);
    out.push_back('B');
    out.push_back('M');
    put(out, 54 + dataSize, 4);
    put(out, 0, 4);
    put(out, 54, 4);
    put(out, 40, 4);
    put(out, width, 4);
    put(out, height, 4);
    put(out, 1, 2);
    put(out, 24, 2);
    put(out, 0, 4);
    put(out, dataSize, 4);
    put(out, 2835, 4);  // 72 dots per inch
    put(out, 2835, 4);
    put(out, 0, 4);
    put(out, 0, 4);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Color c = image.pixel(x, y);
            out.push_back(static_cast<std::uint8_t>(blueOf(c)));
            out.push_back(static_cast<std::uint8_t>(greenOf(c)));
            out.push_back(static_cast<std::uint8_t>(redOf(c)));
        }
        out.resize(out.size() + (stride - width * 3), 0);
    }
    return out;
}

void writeBmp(const std::filesystem::path& path, const Image& image) {
    const std::vector<std::uint8_t> data = encodeBmp(image);
    writeFileBytes(path, data.data(), data.size());
}

}  // namespace avizad
