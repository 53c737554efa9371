#include "vm/PhoneFont.h"

#include <algorithm>
#include <cstdlib>

namespace avizad::vm {

namespace {

// The heights of the small, medium and large font of the phone profiles.
struct Profile {
    int width, height, small, medium, large;
};
constexpr Profile profiles[] = {
    {128, 160, 10, 12, 14}, {176, 208, 12, 14, 17}, {176, 220, 12, 14, 17},
    {240, 320, 14, 17, 19}, {320, 240, 14, 17, 19}, {360, 640, 18, 22, 27},
};

int profileHeight(const FontKey& k) {
    const Profile* best = nullptr;
    const int shorter = std::min(k.screenWidth, k.screenHeight);
    for (const Profile& p : profiles) {
        if (p.width == k.screenWidth && p.height == k.screenHeight) {
            best = &p;
            break;
        }
        if (!best || std::abs(std::min(p.width, p.height) - shorter) <
                         std::abs(std::min(best->width, best->height) - shorter)) {
            best = &p;
        }
    }
    return k.size == 8 ? best->small : k.size == 16 ? best->large : best->medium;
}

// Text as boxes: one outlined cell a character, the size the profile gives.
class BoxFont : public PhoneFont {
public:
    int height(const FontKey& k) const override { return profileHeight(k); }
    int ascent(const FontKey& k) const override { return profileHeight(k) * 4 / 5; }
    int width(const FontKey& k, const std::u16string& text) const override {
        return static_cast<int>(text.size()) * advance(k);
    }
    void draw(Surface& s, ClipRect c, const std::u16string& text, int x, int baseline,
              const FontKey& k, uint32_t rgb) const override {
        const int a = advance(k);
        const int top = baseline - ascent(k) + 2;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != u' ') {
                drawRect(s, c, x + static_cast<int>(i) * a, top, a - 2, ascent(k) - 2, rgb, false);
            }
        }
    }

private:
    static int advance(const FontKey& k) { return std::max(3, profileHeight(k) / 2); }
};

}  // namespace

const PhoneFont& phoneFont() {
    static const BoxFont font;
    return font;
}

}  // namespace avizad::vm
