#pragma once
// The frames of an active object's strip: `frameCount` frames of equal width side by
// side over the full height, numbered from 1; and how a click in the small source view
// of the editor picks one of them.

#include <vector>

#include "editors/PixelRect.h"
#include "model/Image.h"
#include "model/Project.h"

namespace avizad {

// The source view of the active object editor shows the strip scaled to fit this box.
inline constexpr int kSourceViewWidth = 377;
inline constexpr int kSourceViewHeight = 41;

// round(stripWidth / frameCount), halves to even.
int frameWidth(int stripWidth, int frameCount);
// Frame k (1-based): from x = (k - 1) * width to k * width over the full height.
PixelRect frameRect(int k, int width, int height);
// Strip pixels per view pixel: the larger of width / viewWidth and height / viewHeight.
double sourceViewScale(int stripWidth, int stripHeight, int viewWidth = kSourceViewWidth,
                       int viewHeight = kSourceViewHeight);
// The frame under view position x: trunc(x * scale / (stripWidth / frameCount)) + 1,
// kept within 1..frameCount.
int pickFrame(int x, int stripWidth, int stripHeight, int frameCount);
// Frame k of a strip cut into frameCount frames, as an image of frameWidth x height.
Image frameImage(const Image& strip, int frameCount, int k);

// The frames (0-based, as the game numbers them) the game plays for a state and
// direction: the filled positions 1..6 in order; an empty first position shows frame 0.
std::vector<int> gameSequence(const AnimationTable& animation, Direction direction,
                              AnimationState state);

}  // namespace avizad
