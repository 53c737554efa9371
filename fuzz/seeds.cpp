// Writes the seed inputs of the fuzz targets: small complete projects (every kind of
// object, events with action lists, several levels, trajectories) into the folder of
// the first argument, and pictures of every PNG colour type, bit depth and interlacing
// into the folder of the second.
//
//   fuzz_seeds PROJECT_CORPUS PNG_CORPUS

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ProjectFixture.h"
#include "model/FileUtil.h"
#include "model/ProjectFile.h"

namespace fs = std::filesystem;
using avizad::testing::FixtureSizes;
using avizad::testing::makeFixtureProject;

namespace {

void writeProjects(const fs::path& folder) {
    struct Seed {
        const char* name;
        FixtureSizes sizes;
    };
    // Pictures of one or two pixels a side keep the files small: the reader's work is in
    // the counts, texts, events and levels, not in the pixels.
    const Seed seeds[] = {
        {"every-kind.yrk", {2, 2, 1, 2, 2, 2, 1, 2}},
        {"backgrounds.yrk", {2, 0, 0, 0, 1, 2, 1, 1}},
        {"actives.yrk", {0, 2, 0, 0, 1, 2, 1, 2}},
        {"indicators-texts.yrk", {0, 0, 1, 2, 1, 2, 1, 1}},
        {"levels.yrk", {1, 1, 0, 0, 3, 2, 1, 1}},
    };
    for (const Seed& seed : seeds) {
        avizad::saveProject(makeFixtureProject(seed.sizes), folder / seed.name);
    }
}

// A 3 x 2 picture of the given colour type and bit depth, with a palette and a tRNS
// chunk where the type allows them.
void writePng(const fs::path& path, int colorType, int depth, bool interlaced, bool trns) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (file == nullptr || png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
    png_init_io(png, file);
    constexpr int kWidth = 3;
    constexpr int kHeight = 2;
    png_set_IHDR(png, info, kWidth, kHeight, depth, colorType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[4] = {{0, 0, 0}, {255, 0, 255}, {10, 200, 30}, {255, 255, 255}};
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_set_PLTE(png, info, palette, 1 << std::min(depth, 2));
    }
    if (trns) {
        png_byte alphas[2] = {0, 128};
        png_color_16 key{0, 1, 1, 1, 1};
        png_set_tRNS(png, info, alphas, colorType == PNG_COLOR_TYPE_PALETTE ? 2 : 0, &key);
    }
    png_write_info(png, info);
    const int channels = (colorType & PNG_COLOR_MASK_PALETTE) ? 1
                         : (colorType & PNG_COLOR_MASK_COLOR) ? 3
                                                              : 1;
    const int samples = channels + ((colorType & PNG_COLOR_MASK_ALPHA) ? 1 : 0);
    const std::size_t rowBytes = (kWidth * samples * depth + 7) / 8;
    std::vector<png_byte> pixels(rowBytes * kHeight);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<png_byte>(i * 37 + 11);
    }
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        for (png_byte& b : pixels) {
            b &= depth == 8 ? 0x03 : depth == 4 ? 0x33 : depth == 2 ? 0x55 : 0xFF;
        }
    }
    std::vector<png_bytep> rows = {pixels.data(), pixels.data() + rowBytes};
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

void writePngs(const fs::path& folder) {
    struct Type {
        const char* name;
        int colorType;
        std::vector<int> depths;
    };
    const Type types[] = {
        {"gray", PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}},
        {"gray-alpha", PNG_COLOR_TYPE_GRAY_ALPHA, {8, 16}},
        {"rgb", PNG_COLOR_TYPE_RGB, {8, 16}},
        {"rgba", PNG_COLOR_TYPE_RGB_ALPHA, {8, 16}},
        {"palette", PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}},
    };
    for (const Type& type : types) {
        for (const int depth : type.depths) {
            const std::string base = std::string(type.name) + "-" + std::to_string(depth);
            writePng(folder / (base + ".png"), type.colorType, depth, false, false);
            writePng(folder / (base + "-interlaced.png"), type.colorType, depth, true, false);
            if ((type.colorType & PNG_COLOR_MASK_ALPHA) == 0) {
                writePng(folder / (base + "-trns.png"), type.colorType, depth, false, true);
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds PROJECT_CORPUS PNG_CORPUS\n");
        return 2;
    }
    fs::create_directories(argv[1]);
    fs::create_directories(argv[2]);
    writeProjects(argv[1]);
    writePngs(argv[2]);
    return 0;
}
