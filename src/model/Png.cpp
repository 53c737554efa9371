#include "model/Png.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

#include "model/FileUtil.h"
#include "model/IoError.h"

namespace avizad {

Image decodePng(const std::uint8_t* data, std::size_t size, const std::string& what) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data, size)) {
        std::string reason = png.message;
        png_image_free(&png);
        throw IoError("Файл " + what + " не является изображением PNG: " + reason);
    }
    constexpr std::uint32_t kMaxPixels = 64u * 1024u * 1024u;
    if (png.width == 0 || png.height == 0 || png.width > 65535 || png.height > 65535 ||
        static_cast<std::uint64_t>(png.width) * png.height > kMaxPixels) {
        png_image_free(&png);
        throw IoError("Изображение " + what + " слишком велико");
    }
    const bool fileHasAlpha = (png.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    png.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr)) {
        std::string reason = png.message;
        png_image_free(&png);
        throw IoError("Файл " + what + " повреждён: " + reason);
    }
    const int w = static_cast<int>(png.width);
    const int h = static_cast<int>(png.height);
    Image image(w, h);
    auto& pixels = image.pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint8_t* p = &rgba[i * 4];
        pixels[i] = rgb(p[0], p[1], p[2]);
    }
    if (fileHasAlpha) {
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
    return decodePng(bytes.data(), bytes.size(), "«" + path.string() + "»");
}

namespace {

void writeToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

[[noreturn]] void raiseError(png_structp png, png_const_charp message) {
    auto* text = static_cast<std::string*>(png_get_error_ptr(png));
    *text = message;
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

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
