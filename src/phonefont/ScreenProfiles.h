#pragma once
// The phone screens a game is made for, with the sizes of their fonts: the one table of
// font sizes. The font generator rasterises the phone font at these sizes and writes the
// table into the font file, from which the emulator takes its profiles; the editor, the
// generator of games and our own virtual machine read it here.

namespace avizad::phonefont {

// A screen of a common MIDP 2.0 phone and the pixel sizes (the em square in pixels) of its
// small, medium and large fonts.
struct ScreenProfile {
    int width;
    int height;
    int small;
    int medium;
    int large;
};

inline constexpr ScreenProfile kScreenProfiles[] = {
    {128, 160, 8, 9, 11},    //
    {176, 208, 9, 11, 13},   //
    {176, 220, 9, 11, 13},   //
    {240, 320, 11, 13, 16},  //
    {320, 240, 11, 13, 16},  //
    {360, 640, 15, 18, 22},
};

// The profile of a screen: the one of that size, else the first whose shorter side is
// nearest to the screen's shorter side.
constexpr const ScreenProfile& screenProfile(int width, int height) {
    const int shorter = width < height ? (width > 0 ? width : 0) : (height > 0 ? height : 0);
    const ScreenProfile* best = nullptr;
    int bestDistance = 0;
    for (const ScreenProfile& p : kScreenProfiles) {
        if (p.width == width && p.height == height) {
            return p;
        }
        const int side = p.width < p.height ? p.width : p.height;
        const int distance = side > shorter ? side - shorter : shorter - side;
        if (best == nullptr || distance < bestDistance) {
            best = &p;
            bestDistance = distance;
        }
    }
    return *best;
}

}  // namespace avizad::phonefont
