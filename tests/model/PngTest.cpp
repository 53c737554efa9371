#include <gtest/gtest.h>
#include <png.h>
#include <sys/resource.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdlib>

#include "model/IoError.h"
#include "model/Png.h"

namespace avizad {
namespace {

struct Rgba {
    int r, g, b, a;
};

// Encodes four pixels in one row with libpng directly, in any colour type and depth.
// Samples are given unpacked, one per channel, at the file's bit depth.
std::vector<std::uint8_t> encodeRaw(int colorType, int depth, const std::vector<int>& samples,
                                    const std::vector<Rgba>& palette = {},
                                    const std::vector<int>& paletteAlpha = {},
                                    const png_color_16* key = nullptr) {
    constexpr int kWidth = 4;
    const int channels = colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_PALETTE ? 1
                         : colorType == PNG_COLOR_TYPE_GRAY_ALPHA                                ? 2
                         : colorType == PNG_COLOR_TYPE_RGB                                       ? 3
                                                           : 4;
    // Pack the samples into one row.
    std::vector<std::uint8_t> row((kWidth * channels * depth + 7) / 8 + 1, 0);
    int bit = 0;
    for (const int sample : samples) {
        if (depth == 16) {
            row[bit / 8] = static_cast<std::uint8_t>(sample >> 8);
            row[bit / 8 + 1] = static_cast<std::uint8_t>(sample & 0xFF);
        } else {
            row[bit / 8] |= static_cast<std::uint8_t>(sample << (8 - depth - bit % 8));
        }
        bit += depth;
    }
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        std::abort();
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* v = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
            v->insert(v->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, kWidth, 1, depth, colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> colors;
    for (const Rgba& c : palette) {
        colors.push_back(
            {static_cast<png_byte>(c.r), static_cast<png_byte>(c.g), static_cast<png_byte>(c.b)});
    }
    if (!colors.empty()) {
        png_set_PLTE(png, info, colors.data(), static_cast<int>(colors.size()));
    }
    std::vector<png_byte> alphas(paletteAlpha.begin(), paletteAlpha.end());
    if (!alphas.empty() || key != nullptr) {
        png_set_tRNS(png, info, alphas.empty() ? nullptr : alphas.data(),
                     static_cast<int>(alphas.size()), const_cast<png_color_16*>(key));
    }
    png_write_info(png, info);
    png_write_row(png, row.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

// A black picture of the given size, one bit per pixel: a few kilobytes even when
// it declares millions of pixels.
std::vector<std::uint8_t> blackPicture(png_uint_32 width, png_uint_32 height) {
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        std::abort();
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* v = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
            v->insert(v->end(), data, data + n);
        },
        nullptr);
    png_set_user_limits(png, 0x7FFFFFFF, 0x7FFFFFFF);
    png_set_IHDR(png, info, width, height, 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row((width + 7) / 8, 0);
    for (png_uint_32 y = 0; y < height; ++y) {
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

struct PngCase {
    const char* name;
    std::vector<std::uint8_t> data;
    std::vector<Rgba> expected;
    bool hasAlpha;
};

std::vector<PngCase> pngCases() {
    static const png_color_16 grayKey{0, 0, 0, 0, 2};
    static const png_color_16 rgbKey{0, 1, 2, 3, 0};
    const Rgba opaqueGray2[] = {
        {0, 0, 0, 255}, {85, 85, 85, 255}, {170, 170, 170, 255}, {255, 255, 255, 255}};
    return {
        {"Gray1",
         encodeRaw(PNG_COLOR_TYPE_GRAY, 1, {0, 1, 1, 0}),
         {{0, 0, 0, 255}, {255, 255, 255, 255}, {255, 255, 255, 255}, {0, 0, 0, 255}},
         false},
        {"Gray2",
         encodeRaw(PNG_COLOR_TYPE_GRAY, 2, {0, 1, 2, 3}),
         {std::begin(opaqueGray2), std::end(opaqueGray2)},
         false},
        {"Gray4",
         encodeRaw(PNG_COLOR_TYPE_GRAY, 4, {0, 5, 10, 15}),
         {std::begin(opaqueGray2), std::end(opaqueGray2)},
         false},
        {"Gray8",
         encodeRaw(PNG_COLOR_TYPE_GRAY, 8, {0, 85, 170, 255}),
         {std::begin(opaqueGray2), std::end(opaqueGray2)},
         false},
        {"Gray16",
         encodeRaw(PNG_COLOR_TYPE_GRAY, 16, {0, 0x5555, 0xAAAA, 0xFFFF}),
         {std::begin(opaqueGray2), std::end(opaqueGray2)},
         false},
        {"Gray2WithKey",
         encodeRaw(PNG_COLOR_TYPE_GRAY, 2, {0, 1, 2, 3}, {}, {}, &grayKey),
         {{0, 0, 0, 255}, {85, 85, 85, 255}, {170, 170, 170, 0}, {255, 255, 255, 255}},
         true},
        {"GrayAlpha8",
         encodeRaw(PNG_COLOR_TYPE_GRAY_ALPHA, 8, {10, 255, 20, 0, 30, 128, 40, 255}),
         {{10, 10, 10, 255}, {20, 20, 20, 0}, {30, 30, 30, 128}, {40, 40, 40, 255}},
         true},
        {"GrayAlpha16",
         encodeRaw(PNG_COLOR_TYPE_GRAY_ALPHA, 16,
                   {0x0A0A, 0xFFFF, 0x1414, 0, 0x1E1E, 0x8080, 0x2828, 0xFFFF}),
         {{10, 10, 10, 255}, {20, 20, 20, 0}, {30, 30, 30, 128}, {40, 40, 40, 255}},
         true},
        {"Rgb8",
         encodeRaw(PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 250, 251, 252}),
         {{1, 2, 3, 255}, {4, 5, 6, 255}, {7, 8, 9, 255}, {250, 251, 252, 255}},
         false},
        {"Rgb8WithKey",
         encodeRaw(PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6, 1, 2, 3, 250, 251, 252}, {}, {},
                   &rgbKey),
         {{1, 2, 3, 0}, {4, 5, 6, 255}, {1, 2, 3, 0}, {250, 251, 252, 255}},
         true},
        {"Rgb16",
         encodeRaw(PNG_COLOR_TYPE_RGB, 16,
                   {0x0101, 0x0202, 0x0303, 0x0404, 0x0505, 0x0606, 0x0707, 0x0808, 0x0909, 0xFAFA,
                    0xFBFB, 0xFCFC}),
         {{1, 2, 3, 255}, {4, 5, 6, 255}, {7, 8, 9, 255}, {250, 251, 252, 255}},
         false},
        {"Rgba8",
         encodeRaw(PNG_COLOR_TYPE_RGB_ALPHA, 8,
                   {1, 2, 3, 255, 4, 5, 6, 0, 7, 8, 9, 77, 250, 251, 252, 255}),
         {{1, 2, 3, 255}, {4, 5, 6, 0}, {7, 8, 9, 77}, {250, 251, 252, 255}},
         true},
        {"Rgba16",
         encodeRaw(PNG_COLOR_TYPE_RGB_ALPHA, 16,
                   {0x0101, 0x0202, 0x0303, 0xFFFF, 0x0404, 0x0505, 0x0606, 0, 0x0707, 0x0808,
                    0x0909, 0x4D4D, 0xFAFA, 0xFBFB, 0xFCFC, 0xFFFF}),
         {{1, 2, 3, 255}, {4, 5, 6, 0}, {7, 8, 9, 77}, {250, 251, 252, 255}},
         true},
        {"Palette1",
         encodeRaw(PNG_COLOR_TYPE_PALETTE, 1, {0, 1, 1, 0}, {{9, 8, 7, 0}, {1, 2, 3, 0}}),
         {{9, 8, 7, 255}, {1, 2, 3, 255}, {1, 2, 3, 255}, {9, 8, 7, 255}},
         false},
        {"Palette2",
         encodeRaw(PNG_COLOR_TYPE_PALETTE, 2, {3, 2, 1, 0},
                   {{10, 0, 0, 0}, {0, 20, 0, 0}, {0, 0, 30, 0}, {40, 40, 40, 0}}),
         {{40, 40, 40, 255}, {0, 0, 30, 255}, {0, 20, 0, 255}, {10, 0, 0, 255}},
         false},
        {"Palette4WithAlpha",
         encodeRaw(PNG_COLOR_TYPE_PALETTE, 4, {0, 1, 2, 15}, std::vector<Rgba>(16, {5, 6, 7, 0}),
                   {0, 100}),
         {{5, 6, 7, 0}, {5, 6, 7, 100}, {5, 6, 7, 255}, {5, 6, 7, 255}},
         true},
        {"Palette8",
         encodeRaw(PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 1, 0}, {{200, 100, 50, 0}, {1, 1, 1, 0}}),
         {{200, 100, 50, 255}, {1, 1, 1, 255}, {1, 1, 1, 255}, {200, 100, 50, 255}},
         false},
    };
}

TEST(Png, EveryColourTypeAndDepthReads) {
    for (const PngCase& c : pngCases()) {
        SCOPED_TRACE(c.name);
        const Image image = decodePng(c.data.data(), c.data.size());
        ASSERT_EQ(image.width(), 4);
        ASSERT_EQ(image.height(), 1);
        EXPECT_EQ(image.hasAlpha(), c.hasAlpha);
        for (int x = 0; x < 4; ++x) {
            const Rgba& e = c.expected[static_cast<std::size_t>(x)];
            if (e.a != 0) {  // the colour of a fully transparent pixel carries no meaning
                EXPECT_EQ(image.pixel(x, 0), rgb(e.r, e.g, e.b)) << "x " << x;
            }
            EXPECT_EQ(image.alpha(x, 0), e.a) << "x " << x;
        }
    }
}

TEST(Png, TransparencyIsKeptThroughWriting) {
    for (const PngCase& c : pngCases()) {
        SCOPED_TRACE(c.name);
        const Image image = decodePng(c.data.data(), c.data.size());
        const std::vector<std::uint8_t> again = encodePng(image);
        const Image reread = decodePng(again.data(), again.size());
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(reread.alpha(x, 0), image.alpha(x, 0));
            if (image.alpha(x, 0) != 0) {
                EXPECT_EQ(reread.pixel(x, 0), image.pixel(x, 0));
            }
        }
    }
}

TEST(Png, SingleTransparentColourBecomesATrnsEntry) {
    Image image(3, 2, rgb(255, 0, 255));
    image.setPixel(1, 1, rgb(10, 20, 30));
    const std::vector<std::uint8_t> data = encodePng(image, rgb(255, 0, 255));
    const Image reread = decodePng(data.data(), data.size());
    EXPECT_EQ(reread.alpha(0, 0), 0);
    EXPECT_EQ(reread.alpha(1, 1), 255);
    EXPECT_EQ(reread.pixel(1, 1), rgb(10, 20, 30));

    // An RGB image with a tRNS chunk: the file holds the chunk name.
    const std::string bytes(data.begin(), data.end());
    EXPECT_NE(bytes.find("tRNS"), std::string::npos);
    EXPECT_EQ(data[25], PNG_COLOR_TYPE_RGB) << "colour type byte of the IHDR chunk";
}

TEST(Png, PixelReadOutsideTheImageIsMinusOne) {
    Image image(2, 2, rgb(1, 2, 3));
    EXPECT_EQ(image.pixel(1, 1), rgb(1, 2, 3));
    for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}}) {
        EXPECT_EQ(image.pixel(x, y), -1);
    }
    image.setPixel(5, 5, 0);  // ignored
    EXPECT_EQ(image.pixels().size(), 4u);
}

TEST(Png, BrokenDataGivesAClearError) {
    const std::vector<std::uint8_t> good = pngCases()[8].data;
    const std::vector<std::vector<std::uint8_t>> broken = {
        {},
        {'n', 'o', 't', ' ', 'p', 'n', 'g'},
        std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(good.size() / 2)),
        [&] {
            auto v = good;
            v[v.size() - 20] ^= 0xFF;  // damage the image data
            return v;
        }(),
    };
    for (const auto& data : broken) {
        EXPECT_THROW(decodePng(data.data(), data.size(), "x.png"), IoError);
    }
    EXPECT_THROW(readPng("/nonexistent/avizad.png"), IoError);
    EXPECT_THROW(encodePng(Image()), IoError);
}

TEST(Png, PicturesLargerThanAPhoneShowsAreRefusedBeforeDecoding) {
    struct Size {
        png_uint_32 width, height;
        bool read;
    };
    const Size sizes[] = {
        {65535, 1024, false},  // 8 KB of file, half a gigabyte of pixels
        {8193, 1, false},     {1, 8193, false}, {4097, 4096, false},
        {8192, 2, true},      {2, 8192, true},
    };
    for (const Size& size : sizes) {
        const std::string text = std::to_string(size.width) + " x " + std::to_string(size.height);
        SCOPED_TRACE(text);
        const std::vector<std::uint8_t> data = blackPicture(size.width, size.height);
        if (size.read) {
            const Image image = decodePng(data.data(), data.size(), "«big.png»");
            EXPECT_EQ(image.width(), static_cast<int>(size.width));
            EXPECT_EQ(image.height(), static_cast<int>(size.height));
            continue;
        }
        try {
            decodePng(data.data(), data.size(), "«big.png»");
            ADD_FAILURE() << "read";
        } catch (const IoError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find("«big.png»"), std::string::npos) << message;
            EXPECT_NE(message.find(text), std::string::npos) << message;
            EXPECT_NE(message.find("слишком велико"), std::string::npos) << message;
        }
    }
}

// A few bytes may declare a chunk of any length: the reader must not make room for it.
TEST(Png, ChunksDeclaringHugeLengthsTakeNoMemory) {
    const auto chunk = [](std::vector<std::uint8_t>& out, const char* type,
                          const std::vector<std::uint8_t>& data, std::uint32_t length) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            out.push_back(static_cast<std::uint8_t>(length >> shift));
        }
        const std::size_t start = out.size();
        out.insert(out.end(), type, type + 4);
        out.insert(out.end(), data.begin(), data.end());
        const std::uint32_t crc = static_cast<std::uint32_t>(
            ::crc32(0, &out[start], static_cast<uInt>(out.size() - start)));
        for (int shift = 24; shift >= 0; shift -= 8) {
            out.push_back(static_cast<std::uint8_t>(crc >> shift));
        }
    };
    for (const char* type : {"iTXt", "zTXt", "tEXt", "iCCP", "sPLT", "abCd"}) {
        SCOPED_TRACE(type);
        std::vector<std::uint8_t> data = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        chunk(data, "IHDR", {0, 0, 0, 3, 0, 0, 0, 2, 1, 0, 0, 0, 0}, 13);
        chunk(data, type, {'a', 0, 0, 0}, 0x4441AC0C);  // 1.1 GB declared, 4 bytes there
        rusage before{};
        ::getrusage(RUSAGE_SELF, &before);
        EXPECT_THROW(decodePng(data.data(), data.size(), "x.png"), IoError);
        rusage after{};
        ::getrusage(RUSAGE_SELF, &after);
        EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "kilobytes";
    }
}

}  // namespace
}  // namespace avizad
