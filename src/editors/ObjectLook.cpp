#include "editors/ObjectLook.h"

#include <algorithm>
#include <vector>

#include "editors/FrameStrip.h"
#include "editors/ImageCopy.h"
#include "editors/TextDraft.h"
#include "editors/TileGrid.h"

namespace avizad {

namespace {

// The cell size the game takes: the stored one, or the picture's when that does not fit.
int cellSize(int wanted, int pictureSize) {
    return wanted > 0 && wanted <= pictureSize ? wanted : pictureSize;
}

// `picture` scaled (nearest pixel) to fit into side x side with its proportions kept.
Image fitted(const Image& picture, int side) {
    if (picture.isNull() || side <= 0) {
        return {};
    }
    const double scale = std::min(static_cast<double>(side) / picture.width(),
                                  static_cast<double>(side) / picture.height());
    const int w = std::clamp(static_cast<int>(picture.width() * scale + 0.5), 1, side);
    const int h = std::clamp(static_cast<int>(picture.height() * scale + 0.5), 1, side);
    Image out(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int sx = std::min(picture.width() - 1, x * picture.width() / w);
            const int sy = std::min(picture.height() - 1, y * picture.height() / h);
            out.setPixel(x, y, picture.pixel(sx, sy));
            if (picture.hasAlpha()) {
                out.setAlpha(x, y, picture.alpha(sx, sy));
            }
        }
    }
    return out;
}

// A background's map sampled from its tiles into a picture that fits side x side: a map
// of 100 x 100 large tiles is never drawn whole for a thumbnail.
Image mapThumbnail(const BackgroundObject& b, int side) {
    const TileGrid grid = TileGrid::ofObject(b);
    const int columns = std::clamp(b.columns, 0, kMaxMapCells);
    const int rows = std::clamp(b.rows, 0, kMaxMapCells);
    const int mapWidth = columns * b.tileWidth;
    const int mapHeight = rows * b.tileHeight;
    if (mapWidth <= 0 || mapHeight <= 0 || b.tileSet.isNull() || side <= 0) {
        return {};
    }
    const double scale =
        std::min(static_cast<double>(side) / mapWidth, static_cast<double>(side) / mapHeight);
    const int w = std::clamp(static_cast<int>(mapWidth * scale + 0.5), 1, side);
    const int h = std::clamp(static_cast<int>(mapHeight * scale + 0.5), 1, side);
    Image out(w, h);
    for (int y = 0; y < h; ++y) {
        const int my = std::min(mapHeight - 1, static_cast<int>((y + 0.5) * mapHeight / h));
        for (int x = 0; x < w; ++x) {
            const int mx = std::min(mapWidth - 1, static_cast<int>((x + 0.5) * mapWidth / w));
            const int tile = b.tileMap.at(my / b.tileHeight + 1, mx / b.tileWidth + 1);
            std::uint8_t alpha = 0;
            if (grid.holds(tile)) {
                const PixelRect r = grid.tile(tile);
                const int sx = r.x + mx % b.tileWidth;
                const int sy = r.y + my % b.tileHeight;
                if (b.tileSet.contains(sx, sy)) {
                    out.setPixel(x, y, b.tileSet.pixel(sx, sy));
                    alpha = b.tileSet.alpha(sx, sy);
                }
            }
            out.setAlpha(x, y, alpha);
        }
    }
    return out;
}

}  // namespace

std::optional<Color> backdropColor(const ActiveObject& object) {
    if (object.transparentBackground != 1 || !object.strip.contains(1, 1)) {
        return std::nullopt;
    }
    return object.strip.pixel(1, 1);
}

Image withTransparentBackdrop(const Image& picture, std::optional<Color> backdrop) {
    if (!backdrop || picture.isNull()) {
        return picture;
    }
    Image out = picture;
    out.dropAlpha();  // the game's picture has one transparent colour and no other alpha
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            out.setAlpha(x, y, picture.pixel(x, y) == *backdrop ? 0 : 255);
        }
    }
    return out;
}

int startFrame(const ActiveObject& object) {
    const Image& strip = object.strip;
    if (strip.isNull()) {
        return 1;
    }
    const int fw = cellSize(object.frameWidth, strip.width());
    const int fh = cellSize(object.frameHeight, strip.height());
    const int frames = (strip.width() / fw) * (strip.height() / fh);
    const int first =
        gameSequence(object.animation, Direction::Right, AnimationState::Idle).front();
    return first < frames ? first + 1 : 1;
}

Image activeLook(const ActiveObject& object) {
    const Image& strip = object.strip;
    if (strip.isNull()) {
        return withTransparentBackdrop(object.icon, std::nullopt);
    }
    const int fw = cellSize(object.frameWidth, strip.width());
    const int fh = cellSize(object.frameHeight, strip.height());
    const int perRow = std::max(1, strip.width() / fw);
    const int k = startFrame(object) - 1;
    const PixelRect frame{(k % perRow) * fw, (k / perRow) * fh, fw, fh};
    return withTransparentBackdrop(copyArea(strip, frame), backdropColor(object));
}

IndicatorLook indicatorLook(const IndicatorObject& indicator, int value) {
    const Image& image = indicator.image;
    IndicatorLook look;
    look.width = std::max(0, std::min(indicator.imageWidth / 2, image.width() / 2));
    look.height = std::max(0, std::min(indicator.imageHeight, image.height()));
    if (look.width <= 0 || look.height <= 0) {
        return {};
    }
    const int amount = indicator.amount > 0 ? indicator.amount : 1;
    const int full = look.width * std::clamp(value, 0, amount) / amount;
    look.full = {0, 0, full, look.height};
    look.empty = {look.width + full, 0, look.width - full, look.height};
    return look;
}

PhoneFont phoneFont(const TextObject& text) {
    TextDraft draft;
    draft.kind = text.kind;
    draft.size = text.size;
    draft.bold = text.bold != 0;
    draft.italic = text.italic != 0;
    draft.underline = text.underline != 0;
    return phoneFont(draft);
}

Color textColor(const TextObject& text) {
    return rgb(text.colorR, text.colorG, text.colorB);
}

TextLook textLook(const TextObject& text, const FontMeasure& measure) {
    std::vector<std::string> lines;
    for (int i = 1; i <= std::clamp(text.lineCount, 0, kMaxTextLines); ++i) {
        lines.push_back(text.lines[i]);
    }
    return showText(lines, phoneFont(text), textColor(text), measure);
}

Image objectThumbnail(const Project& project, ObjectKind kind, int index, int side) {
    if (index < 1 || index > project.typeCount(kind)) {
        return {};
    }
    switch (kind) {
        case ObjectKind::Background:
            return mapThumbnail(project.backgrounds[index], side);
        case ObjectKind::Active:
            return fitted(activeLook(project.actives[index]), side);
        case ObjectKind::Indicator:
            return fitted(project.indicators[index].image, side);
        case ObjectKind::Text:
            break;
    }
    return {};
}

const Image& LookCache::active(const ActiveObject& object) {
    const Key key{
        object.strip.isNull() ? object.icon.pixels().data() : object.strip.pixels().data(),
        object.frameWidth, object.frameHeight, startFrame(object),
        object.transparentBackground == 1 ? 1 : 0};
    auto it = actives_.find(key);
    if (it == actives_.end()) {
        if (actives_.size() > 256) {
            actives_.clear();
        }
        it = actives_
                 .emplace(key, Entry{object.strip.isNull() ? object.icon : object.strip,
                                     activeLook(object)})
                 .first;
    }
    return it->second.look;
}

const Image& LookCache::text(const TextLook& look, const FontMeasure& measure) {
    std::string key = std::to_string(measure.screenWidth()) + ' ' +
                      std::to_string(measure.screenHeight()) + ' ' +
                      std::to_string(static_cast<int>(look.font.face)) + ' ' +
                      std::to_string(static_cast<int>(look.font.size)) + ' ' +
                      std::to_string(look.font.style) + ' ' + std::to_string(look.color) + ' ' +
                      std::to_string(look.width) + ' ' + std::to_string(look.height);
    for (const TextRow& row : look.rows) {
        key += '\n' + std::to_string(row.y) + ' ' + row.text;
    }
    auto it = texts_.find(key);
    if (it == texts_.end()) {
        if (texts_.size() > 64) {
            texts_.clear();
        }
        it = texts_.emplace(std::move(key), textPicture(look, measure)).first;
    }
    return it->second;
}

}  // namespace avizad
