#pragma once
// What the game shows of an object type, so that the level view, the palette, the events
// grid and the editors' previews all show the same: an active object's strip with its
// backdrop colour (the strip's pixel at 1, 1) transparent when the author asked for it and
// the frame the game starts with; a background's map drawn from its tiles; an indicator at
// half its picture's width, filled to its value; a text as every row the game lays its
// lines out in, in its phone font and colour.

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "editors/PixelRect.h"
#include "editors/TextPicture.h"
#include "model/Image.h"
#include "model/Project.h"

namespace avizad {

// The colour the game makes transparent in an active object's strip: its pixel at (1, 1)
// when the object's background is to be transparent; none otherwise or when the strip
// has no such pixel.
std::optional<Color> backdropColor(const ActiveObject& object);
// `picture` as the game shows it with `backdrop` as its transparent colour: every pixel of
// that colour transparent and the others opaque. Without a backdrop, `picture` itself.
Image withTransparentBackdrop(const Image& picture, std::optional<Color> backdrop);

// The frame (1-based) the game shows of an active object when the level starts: the first
// of its idle sequence facing right; frame 1 when that frame lies outside the strip.
int startFrame(const ActiveObject& object);
// That frame, frameWidth x frameHeight, with the backdrop transparent as the game has it.
Image activeLook(const ActiveObject& object);

// An indicator as the game draws it: line_width = imageWidth / 2 and the picture's height
// (each no more than the picture holds); of `value` out of the amount, that share of the
// width comes from the first (full) half of the picture, the rest from the second (empty)
// half. The game starts every indicator at 0.
struct IndicatorLook {
    int width = 0;
    int height = 0;
    PixelRect full;   // source of the part drawn at the left edge
    PixelRect empty;  // source of the part drawn right of it

    bool operator==(const IndicatorLook&) const = default;
};
IndicatorLook indicatorLook(const IndicatorObject& indicator, int value = 0);

// A text object as the game starts it: every row its lines make in its window, in its
// font and colour on the screen `measure` stands for (TextPicture.h); no rows when it has
// no text.
using TextLook = TextShown;
TextLook textLook(const TextObject& text, const FontMeasure& measure);
PhoneFont phoneFont(const TextObject& text);
Color textColor(const TextObject& text);

// A picture of an object type fitted into a square of `side` pixels, its proportions
// kept, as the game shows the object: a background's whole map drawn from its tiles
// (empty cells transparent), an active object's start frame, an indicator's whole
// picture. Text objects have none (their look needs a screen's fonts: textLook).
Image objectThumbnail(const Project& project, ObjectKind kind, int index, int side);

// The looks of active objects, made once per strip, frame and backdrop: the level view
// asks for each placement at every repaint.
class LookCache {
public:
    const Image& active(const ActiveObject& object);
    // The picture of a text's look (textPicture).
    const Image& text(const TextLook& look, const FontMeasure& measure);
    void clear() {
        actives_.clear();
        texts_.clear();
    }

private:
    struct Entry {
        Image keep;  // holds the strip's pixels, and so the key, alive
        Image look;
    };
    using Key = std::tuple<const void*, int, int, int, int>;
    std::map<Key, Entry> actives_;
    std::map<std::string, Image> texts_;  // by the look and the screen
};

}  // namespace avizad
