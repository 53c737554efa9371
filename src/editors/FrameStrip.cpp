#include "editors/FrameStrip.h"

#include <algorithm>
#include <cmath>

#include "editors/ImageCopy.h"

namespace avizad {

int frameWidth(int stripWidth, int frameCount) {
    return roundedQuotient(stripWidth, frameCount);
}

PixelRect frameRect(int k, int width, int height) {
    return PixelRect{(k - 1) * width, 0, width, height};
}

double sourceViewScale(int stripWidth, int stripHeight, int viewWidth, int viewHeight) {
    const double rx = static_cast<double>(stripWidth) / viewWidth;
    const double ry = static_cast<double>(stripHeight) / viewHeight;
    return std::max(rx, ry);
}

int pickFrame(int x, int stripWidth, int stripHeight, int frameCount) {
    if (frameCount < 1 || stripWidth < 1) {
        return 1;
    }
    const double scale = sourceViewScale(stripWidth, stripHeight);
    const double width = static_cast<double>(stripWidth) / frameCount;
    const double picked = std::trunc(x * scale / width) + 1;
    return static_cast<int>(std::clamp(picked, 1.0, static_cast<double>(frameCount)));
}

Image frameImage(const Image& strip, int frameCount, int k) {
    return copyArea(strip, frameRect(k, frameWidth(strip.width(), frameCount), strip.height()));
}

std::vector<int> gameSequence(const AnimationTable& animation, Direction direction,
                              AnimationState state) {
    std::vector<int> frames;
    for (int k = 1; k <= kAnimationSteps; ++k) {
        const int frame = animation[k][static_cast<int>(direction)][static_cast<int>(state)];
        if (frame >= 1) {
            frames.push_back(frame - 1);
        } else if (k == 1) {
            frames.push_back(0);
        }
    }
    return frames;
}

}  // namespace avizad
