#include "model/Png.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <string>

#include "model/FileUtil.h"
#include "model/IoError.h"

namespace avizad {

namespace {

struct MemorySource {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t offset;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (length > source->size - source->offset) {
        png_error(png, "unexpected end of data");
    }
    std::memcpy(out, source->data + source->offset, length);
    source->offset += length;
}

[[noreturn]] void raiseError(png_structp png, png_const_charp message) {
    auto* text = static_cast<std::string*>(png_get_error_ptr(png));
    *text = message;
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// A libpng reader and what it has read. It lives in the frame of decodePng, which no
// libpng error leaves: an error jumps back into readHeader or readRows, whose frames
// hold nothing that needs destroying, and these return false.
struct PngReader {
    explicit PngReader(const std::uint8_t* data, std::size_t size) : source{data, size, 0} {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, raiseError, ignoreWarning);
        if (png != nullptr) {
            info = png_create_info_struct(png);
        }
    }
    ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    MemorySource source;
    std::string error;
    png_structp png = nullptr;
    png_infop info = nullptr;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    bool hasAlpha = false;
};

// Reads the header and sets the reader up to give 8-bit RGBA rows.
bool readHeader(PngReader& reader) {
    png_structp png = reader.png;
    png_infop info = reader.info;
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_read_fn(png, &reader.source, readFromMemory);
    // Text, colour-space and the other chunks the pictures do not need are skipped unread,
    // known or not: a few bytes of a file may declare any length for them.
    static constexpr png_byte kSkipped[] =
        "bKGD\0cHRM\0eXIf\0gAMA\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0pHYs\0sBIT\0sCAL\0sPLT\0"
        "sRGB\0sTER\0tEXt\0tIME\0zTXt";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kSkipped, sizeof kSkipped / 5);
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // Fuzzed data reach the decoder past the checksums that would refuse nearly all of it.
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif
    // Any size the format allows reaches the caller's limits, which name the size.
    png_set_user_limits(png, 0x7FFFFFFF, 0x7FFFFFFF);
    png_read_info(png, info);
    reader.width = png_get_image_width(png, info);
    reader.height = png_get_image_height(png, info);
    return true;
}

bool setRgbaRows(PngReader& reader) {
    png_structp png = reader.png;
    png_infop info = reader.info;
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    const int colorType = png_get_color_type(png, info);
    reader.hasAlpha =
        (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS);
    // Samples are taken as they stand in the file: no gamma or colour-space conversion.
    png_set_expand(png);
    png_set_scale_16(png);
    if ((colorType & PNG_COLOR_MASK_COLOR) == 0) {
        png_set_gray_to_rgb(png);
    }
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<std::size_t>(reader.width) * 4) {
        png_error(png, "unexpected row layout");
    }
    return true;
}

bool readRows(PngReader& reader, png_bytepp rows) {
    if (setjmp(png_jmpbuf(reader.png))) {
        return false;
    }
    png_read_image(reader.png, rows);
    png_read_end(reader.png, nullptr);
    return true;
}

}  // namespace

Image decodePng(const std::uint8_t* data, std::size_t size, const std::string& what) {
    constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size < 8 || std::memcmp(data, kSignature, 8) != 0) {
        throw IoError("Файл " + what + " не является изображением PNG");
    }
    PngReader reader(data, size);
    if (reader.png == nullptr || reader.info == nullptr) {
        throw IoError("Не хватает памяти для изображения " + what);
    }
    const auto damaged = [&] {
        return IoError("Изображение " + what +
                       " повреждено или не поддерживается: " + reader.error);
    };
    if (!readHeader(reader)) {
        throw damaged();
    }
    // Refused before any pixel is decoded: a small file may declare a huge picture.
    if (reader.width > static_cast<png_uint_32>(kMaxPngSide) ||
        reader.height > static_cast<png_uint_32>(kMaxPngSide) ||
        static_cast<std::uint64_t>(reader.width) * reader.height > kMaxPngPixels) {
        throw IoError("Изображение " + what + " слишком велико: " + std::to_string(reader.width) +
                      " x " + std::to_string(reader.height) + " точек (не более " +
                      std::to_string(kMaxPngSide) + " точек по стороне и " +
                      std::to_string(kMaxPngPixels) + " точек всего)");
    }
    if (!setRgbaRows(reader)) {
        throw damaged();
    }
    const int w = static_cast<int>(reader.width);
    const int h = static_cast<int>(reader.height);
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
    std::vector<png_bytep> rows(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        rows[static_cast<std::size_t>(y)] = &rgba[static_cast<std::size_t>(y) * w * 4];
    }
    if (!readRows(reader, rows.data())) {
        throw damaged();
    }
    Image image(w, h);
    auto& pixels = image.pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint8_t* p = &rgba[i * 4];
        pixels[i] = rgb(p[0], p[1], p[2]);
    }
    if (reader.hasAlpha) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                image.setAlpha(x, y, rgba[(static_cast<std::size_t>(y) * w + x) * 4 + 3]);
            }
        }
    }
    return image;
}

Image readPng(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = readFileBytes(path);
    return decodePng(bytes.data(), bytes.size(), "«" + displayPath(path) + "»");
}

namespace {

void writeToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

}  // namespace

std::vector<std::uint8_t> encodePng(const Image& image, std::optional<Color> transparent) {
    if (image.isNull()) {
        throw IoError("Пустое изображение нельзя сохранить в PNG");
    }
    const int w = image.width();
    const int h = image.height();
    const bool rgbaOut = !transparent && image.hasAlpha();
    const int channels = rgbaOut ? 4 : 3;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(w) * h * channels);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* out = &rows[static_cast<std::size_t>(y) * w * channels];
        for (int x = 0; x < w; ++x) {
            const Color c = image.pixel(x, y);
            *out++ = static_cast<std::uint8_t>(redOf(c));
            *out++ = static_cast<std::uint8_t>(greenOf(c));
            *out++ = static_cast<std::uint8_t>(blueOf(c));
            if (rgbaOut) {
                *out++ = image.alpha(x, y);
            }
        }
    }
    std::vector<png_bytep> rowPointers(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        rowPointers[static_cast<std::size_t>(y)] =
            &rows[static_cast<std::size_t>(y) * w * channels];
    }

    std::vector<std::uint8_t> encoded;
    std::string errorText;
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &errorText, raiseError, ignoreWarning);
    if (png == nullptr) {
        throw IoError("Не удалось создать кодировщик PNG");
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw IoError("Ошибка кодирования PNG: " + errorText);
    }
    png_set_write_fn(png, &encoded, writeToVector, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
                 rgbaOut ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (transparent) {
        png_color_16 key{};
        key.red = static_cast<png_uint_16>(redOf(*transparent));
        key.green = static_cast<png_uint_16>(greenOf(*transparent));
        key.blue = static_cast<png_uint_16>(blueOf(*transparent));
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    png_set_rows(png, info, rowPointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return encoded;
}

void writePng(const std::filesystem::path& path, const Image& image,
              std::optional<Color> transparent) {
    const std::vector<std::uint8_t> bytes = encodePng(image, transparent);
    writeFileBytes(path, bytes.data(), bytes.size());
}

}  // namespace avizad
