#include "level/ui/PictureCache.h"

#include "level/LevelGeometry.h"
#include "model/ui/QtPicture.h"

namespace avizad {

namespace {

constexpr qint64 kMaxBytes = 256LL * 1024 * 1024;
constexpr qint64 kMaxScaledPixels = 4096LL * 4096;

}  // namespace

const QImage& PictureCache::image(const Image& picture) {
    const Key key{picture.pixels().data(), 0};
    auto it = entries_.find(key);
    if (it == entries_.end()) {
        QImage converted = toQImage(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        bytes_ += converted.sizeInBytes();
        it = entries_.emplace(key, Entry{picture, std::move(converted)}).first;
    }
    return it->second.image;
}

const QImage& PictureCache::scaled(const Image& picture, int zoom) {
    static const QImage none;
    const int w = toCanvas(picture.width(), zoom);
    const int h = toCanvas(picture.height(), zoom);
    if (w <= 0 || h <= 0 || static_cast<qint64>(w) * h > kMaxScaledPixels) {
        return none;
    }
    const Key key{picture.pixels().data(), zoom};
    auto it = entries_.find(key);
    if (it == entries_.end()) {
        if (bytes_ > kMaxBytes) {
            clear();
        }
        QImage result = image(picture).scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        bytes_ += result.sizeInBytes();
        it = entries_.emplace(key, Entry{picture, std::move(result)}).first;
    }
    return it->second.image;
}

void PictureCache::clear() {
    entries_.clear();
    bytes_ = 0;
}

}  // namespace avizad
