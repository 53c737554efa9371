#include "vm/host/NativePlatform.h"

#include <png.h>
#include <zlib.h>

#include <cstring>

namespace avizad::vm {

std::optional<std::vector<uint8_t>> NativePlatform::inflate(const uint8_t* data, std::size_t length,
                                                            std::size_t size) {
    std::vector<uint8_t> out(size);
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) {
        return std::nullopt;
    }
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(length);
    uint8_t spare = 0;
    z.next_out = size ? out.data() : &spare;
    z.avail_out = static_cast<uInt>(size ? size : 1);
    const int status = ::inflate(&z, Z_FINISH);
    const std::size_t produced = z.total_out;
    inflateEnd(&z);
    if (status != Z_STREAM_END || produced != size) {
        return std::nullopt;
    }
    return out;
}

namespace {

struct PngInput {
    const uint8_t* data;
    std::size_t size;
    std::size_t at;
};

void readPng(png_structp png, png_bytep out, png_size_t n) {
    auto* in = static_cast<PngInput*>(png_get_io_ptr(png));
    if (in->at + n > in->size) {
        png_error(png, "truncated");
    }
    std::memcpy(out, in->data + in->at, n);
    in->at += n;
}

void pngWarning(png_structp, png_const_charp) {}

}  // namespace

std::optional<DecodedImage> NativePlatform::decodePng(const uint8_t* data, std::size_t length) {
    if (length < 8 || png_sig_cmp(data, 0, 8) != 0) {
        return std::nullopt;
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, pngWarning);
    if (!png) {
        return std::nullopt;
    }
    png_infop info = png_create_info_struct(png);
    DecodedImage image;
    std::vector<png_bytep> rows;
    std::vector<uint8_t> rgba;
    PngInput in{data, length, 0};
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return std::nullopt;
    }
    png_set_read_fn(png, &in, readPng);
    png_set_user_limits(png, 8192, 8192);
    png_read_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    if (static_cast<uint64_t>(w) * h > (16u << 20)) {
        png_error(png, "too large");
    }
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    rgba.resize(static_cast<std::size_t>(w) * h * 4);
    rows.resize(h);
    for (png_uint_32 y = 0; y < h; ++y) {
        rows[y] = rgba.data() + static_cast<std::size_t>(y) * w * 4;
    }
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    image.width = static_cast<int>(w);
    image.height = static_cast<int>(h);
    image.argb.resize(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < image.argb.size(); ++i) {
        const uint8_t* p = &rgba[i * 4];
        image.argb[i] = static_cast<uint32_t>(p[3]) << 24 | static_cast<uint32_t>(p[0]) << 16 |
                        static_cast<uint32_t>(p[1]) << 8 | p[2];
    }
    return image;
}

void NativePlatform::print(const std::string& text, bool error) {
    std::FILE* f = error ? stderr : stdout;
    std::fwrite(text.data(), 1, text.size(), f);
    if (error) {
        std::fflush(stdout);
        std::fflush(stderr);
    }
}

bool writeScreenPng(const std::filesystem::path& file, const std::vector<uint32_t>& rgb, int width,
                    int height) {
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<uint8_t> row(static_cast<std::size_t>(width) * 3);
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t p = rgb[static_cast<std::size_t>(y) * width + x];
            row[x * 3] = static_cast<uint8_t>(p >> 16);
            row[x * 3 + 1] = static_cast<uint8_t>(p >> 8);
            row[x * 3 + 2] = static_cast<uint8_t>(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

}  // namespace avizad::vm
