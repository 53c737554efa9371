#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "phonefont/PhoneFont.h"

namespace avizad::phonefont {
namespace {

// Every printable character of Windows-1251, as the games' texts have them.
std::u16string cp1251Characters() {
    std::u16string text;
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        text += c;
    }
    text += u"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏђ‘’“”•–—™љ›њќћџ\u00A0ЎўЈ¤Ґ¦§Ё©Є«¬\u00AD®Ї°±Ііґµ¶·ё№є»јЅѕї";
    for (char16_t c = u'А'; c <= u'я'; ++c) {
        text += c;
    }
    return text;
}

const ScreenProfile& qvga() {
    return screenProfile(240, 320);
}

// A buffer of `width` x `height` pixels, 0 where nothing is drawn.
struct Canvas {
    Canvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h), 0) {}
    PixelBuffer buffer() { return {pixels.data(), width, height, width}; }
    ClipRect all() const { return {0, 0, width, height}; }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    // The box of the pixels drawn: left, top, right, bottom (exclusive); all 0 when none.
    std::vector<int> ink() const {
        int l = width, t = height, r = 0, b = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (at(x, y) != 0) {
                    l = std::min(l, x), t = std::min(t, y), r = std::max(r, x + 1),
                    b = std::max(b, y + 1);
                }
            }
        }
        return r == 0 ? std::vector<int>{0, 0, 0, 0} : std::vector<int>{l, t, r, b};
    }
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

TEST(ScreenProfiles, AScreenTakesItsProfileOrTheNearestByItsShorterSide) {
    struct Case {
        int width, height, profileWidth, profileHeight;
    };
    for (const Case& c :
         {Case{240, 320, 240, 320}, Case{320, 240, 320, 240}, Case{176, 220, 176, 220},
          Case{350, 600, 360, 640}, Case{600, 350, 360, 640}, Case{100, 100, 128, 160},
          Case{0, -5, 128, 160}, Case{180, 180, 176, 208}, Case{4000, 4000, 360, 640}}) {
        const ScreenProfile& p = screenProfile(c.width, c.height);
        EXPECT_EQ(p.width, c.profileWidth) << c.width << "x" << c.height;
        EXPECT_EQ(p.height, c.profileHeight) << c.width << "x" << c.height;
    }
}

TEST(PhoneFont, HeightsGrowWithTheSizeAndTheScreen) {
    for (Face face : {Face::System, Face::Monospace, Face::Proportional}) {
        int previousLarge = 0;
        for (const ScreenProfile& p : {screenProfile(128, 160), screenProfile(176, 220),
                                       screenProfile(240, 320), screenProfile(360, 640)}) {
            const Font small(p, face, kStylePlain, Size::Small);
            const Font medium(p, face, kStylePlain, Size::Medium);
            const Font large(p, face, kStylePlain, Size::Large);
            EXPECT_LT(small.height(), medium.height());
            EXPECT_LT(medium.height(), large.height());
            EXPECT_GT(large.height(), previousLarge);
            previousLarge = large.height();
            for (const Font& f : {small, medium, large}) {
                EXPECT_GT(f.baseline(), 0);
                EXPECT_GE(f.height() - f.baseline(), 2) << "the underline row lies in the row";
                // A style changes the glyphs, not the rows.
                const Font boldItalic(p, face, kStyleBold | kStyleItalic, f.size());
                EXPECT_EQ(boldItalic.height(), f.height());
                EXPECT_EQ(boldItalic.baseline(), f.baseline());
            }
        }
    }
    EXPECT_EQ(Font(qvga(), Face::Proportional, kStyleBold, Size::Large).height(),
              Font(qvga(), Face::System, kStyleBold, Size::Large).height());
}

TEST(PhoneFont, EveryCharacterOfWindows1251HasItsOwnGlyphInsideTheRow) {
    const std::u16string all = cp1251Characters();
    ASSERT_EQ(all.size(), 0x7Fu - 0x20u + 63u + 64u);  // 0x98 has no character
    for (const ScreenProfile& p : kScreenProfiles) {
        for (Face face : {Face::System, Face::Monospace}) {
            for (int style = 0; style < 4; ++style) {
                for (Size size : {Size::Small, Size::Medium, Size::Large}) {
                    const Font font(p, face, style, size);
                    const Glyph replacement = font.glyph(u'\uFFFF');
                    for (char16_t c : all) {
                        const Glyph g = font.glyph(c);
                        EXPECT_NE(g.bits, replacement.bits) << int(c);
                        EXPECT_LE(g.top, font.baseline()) << int(c);
                        EXPECT_LE(g.height - g.top, font.height() - font.baseline()) << int(c);
                        if (c != u' ' && c != u'\u00A0' && c != u'\u00AD') {
                            EXPECT_GT(g.width * g.height, 0) << int(c) << " draws nothing";
                        }
                    }
                    EXPECT_GT(font.charWidth(u'ж'), 0);
                }
            }
        }
    }
}

TEST(PhoneFont, ACharacterTheFontLacksDrawsTheReplacementGlyph) {
    const Font font;
    const Glyph replacement = font.glyph(u'\uFFFF');
    EXPECT_GT(replacement.width * replacement.height, 0);
    for (char16_t missing : {u'\n', u'\t', u'\u4E2D', u'\u0098', char16_t{0xD83D}}) {
        EXPECT_EQ(font.glyph(missing).bits, replacement.bits) << int(missing);
        EXPECT_EQ(font.charWidth(missing), replacement.advance);
    }
    Canvas a(40, 30), b(40, 30);
    font.drawString(a.buffer(), a.all(), u"\u4E2D", 5, 5, 0, 1);
    font.drawString(b.buffer(), b.all(), u"\n", 5, 5, 0, 1);
    EXPECT_EQ(a.pixels, b.pixels);
    EXPECT_NE(a.ink()[2], 0);
}

TEST(PhoneFont, WidthsAreTheSumsOfTheAdvances) {
    const std::u16string text = u"Счёт: 120, жизни!";
    for (Face face : {Face::System, Face::Monospace}) {
        for (int style : {kStylePlain, kStyleBold, kStyleItalic | kStyleUnderlined}) {
            const Font font(qvga(), face, style, Size::Medium);
            int sum = 0;
            for (char16_t c : text) {
                sum += font.charWidth(c);
            }
            EXPECT_EQ(font.stringWidth(text), sum);
            EXPECT_EQ(font.stringWidth(u""), 0);
        }
    }
    const Font mono(qvga(), Face::Monospace, kStyleBold, Size::Small);
    for (char16_t c : cp1251Characters()) {
        EXPECT_EQ(mono.charWidth(c), mono.charWidth(u'Ш')) << int(c);
    }
    // Bold is its own, wider design; italic keeps the upright widths.
    const Font plain(qvga(), Face::System, kStylePlain, Size::Large);
    EXPECT_GT(Font(qvga(), Face::System, kStyleBold, Size::Large).stringWidth(text),
              plain.stringWidth(text));
}

TEST(PhoneFont, AnchorsPlaceTheStringsBox) {
    const Font font(qvga(), Face::System, kStyleUnderlined, Size::Medium);
    const std::u16string text = u"Жук";
    const int w = font.stringWidth(text);
    const int h = font.height();
    struct Case {
        int anchor;
        int left;  // of the string's box, drawn at (50, 40)
        int top;
    };
    for (const Case& c :
         {Case{0, 50, 40}, Case{kTop | kLeft, 50, 40}, Case{kTop | kHCenter, 50 - w / 2, 40},
          Case{kTop | kRight, 50 - w, 40}, Case{kBaseline | kLeft, 50, 40 - font.baseline()},
          Case{kBottom | kRight, 50 - w, 40 - h}, Case{kBottom | kHCenter, 50 - w / 2, 40 - h}}) {
        Canvas canvas(100, 80);
        ASSERT_TRUE(font.drawString(canvas.buffer(), canvas.all(), text, 50, 40, c.anchor, 7));
        Canvas expected(100, 80);
        font.drawString(expected.buffer(), expected.all(), text, c.left, c.top, 0, 7);
        EXPECT_EQ(canvas.pixels, expected.pixels) << c.anchor;
        // The underline runs under the whole string, one row below the baseline.
        const int row = c.top + font.baseline() + 1;
        for (int x = c.left; x < c.left + w; ++x) {
            EXPECT_EQ(canvas.at(x, row), 7u) << c.anchor << " at " << x;
        }
        EXPECT_EQ(canvas.at(c.left - 1, row), 0u);
        EXPECT_EQ(canvas.at(c.left + w, row), 0u);
        const std::vector<int> ink = canvas.ink();
        EXPECT_GE(ink[1], c.top);
        EXPECT_LE(ink[3], c.top + h);
    }
}

TEST(PhoneFont, BadAnchorsDrawNothing) {
    const Font font;
    for (int anchor : {kVCenter, kTop | kVCenter, kLeft, kTop, kLeft | kRight | kTop,
                       kTop | kBottom | kLeft, 128 | kTop | kLeft}) {
        Canvas canvas(40, 30);
        EXPECT_FALSE(font.drawString(canvas.buffer(), canvas.all(), u"Ш", 5, 5, anchor, 1));
        EXPECT_EQ(canvas.ink()[2], 0) << anchor;
    }
    EXPECT_TRUE(isTextAnchor(0));
    EXPECT_TRUE(isTextAnchor(kBaseline | kRight));
}

// Drawing within a clip, or past the buffer's edges, writes exactly the unclipped
// drawing's pixels that lie inside.
TEST(PhoneFont, TheClipAndTheBufferBoundWhatIsWritten) {
    const Font font(qvga(), Face::System, kStyleBold | kStyleUnderlined, Size::Large);
    const std::u16string text = u"Клип текст";
    Canvas whole(200, 60);
    font.drawString(whole.buffer(), whole.all(), text, 10, 20, 0, 9);
    for (const ClipRect& clip : {ClipRect{30, 25, 40, 8}, ClipRect{-50, -50, 80, 80},
                                 ClipRect{0, 0, 0, 10}, ClipRect{150, 30, 500, 500}}) {
        Canvas clipped(200, 60);
        font.drawString(clipped.buffer(), clip, text, 10, 20, 0, 9);
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 200; ++x) {
                const bool inside = x >= clip.x && x < clip.x + clip.width && y >= clip.y &&
                                    y < clip.y + clip.height;
                EXPECT_EQ(clipped.at(x, y), inside ? whole.at(x, y) : 0u);
            }
        }
    }
    // A string hanging over every edge of a small buffer, with a row stride wider than it.
    std::vector<std::uint32_t> pixels(12 * 10, 0);
    const PixelBuffer small{pixels.data(), 8, 10, 12};
    font.drawString(small, {-100, -100, 1000, 1000}, text, -15, -6, 0, 9);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(pixels[static_cast<std::size_t>(y * 12 + x)],
                      x < 8 ? whole.at(x + 25, y + 26) : 0u);
        }
    }
}

TEST(PhoneFont, StylesHaveGlyphsOfTheirOwn) {
    const auto drawn = [](int style) {
        Canvas canvas(60, 30);
        Font(qvga(), Face::System, style, Size::Large)
            .drawString(canvas.buffer(), canvas.all(), u"l", 20, 2, 0, 1);
        return canvas;
    };
    const Canvas plain = drawn(kStylePlain);
    const Canvas bold = drawn(kStyleBold);
    const Canvas italic = drawn(kStyleItalic);
    EXPECT_GT(std::count(bold.pixels.begin(), bold.pixels.end(), 1u),
              std::count(plain.pixels.begin(), plain.pixels.end(), 1u));
    // The upright l stands straight; the italic one leans right: its top row starts right of
    // its bottom row.
    const auto firstInk = [](const Canvas& c, int row) {
        for (int x = 0; x < c.width; ++x) {
            if (c.at(x, row) != 0) {
                return x;
            }
        }
        return -1;
    };
    const std::vector<int> upright = plain.ink();
    EXPECT_EQ(firstInk(plain, upright[1]), firstInk(plain, upright[3] - 1));
    const std::vector<int> leaning = italic.ink();
    EXPECT_GT(firstInk(italic, leaning[1]), firstInk(italic, leaning[3] - 1));
}

}  // namespace
}  // namespace avizad::phonefont
