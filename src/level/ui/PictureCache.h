#pragma once
// Model pictures converted for Qt once and kept scaled to the zoom they are drawn at,
// so the level view never rescales a tile set per tile. Entries hold a copy of the
// model picture, which keeps its shared pixels (and so the key) alive.

#include <QImage>
#include <map>
#include <utility>

#include "model/Image.h"

namespace avizad {

class PictureCache {
public:
    // The picture as a Qt image, unscaled.
    const QImage& image(const Image& picture);
    // The picture scaled by zoom percent (each side r(side)); a null image when the
    // scaled picture would be too large to keep (the caller then scales while drawing).
    const QImage& scaled(const Image& picture, int zoom);
    void clear();

private:
    struct Entry {
        Image keep;
        QImage image;
    };
    using Key = std::pair<const void*, int>;  // pixel buffer, zoom (0 = unscaled)
    std::map<Key, Entry> entries_;
    qint64 bytes_ = 0;
};

}  // namespace avizad
