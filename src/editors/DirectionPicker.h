#pragma once
// The direction picker of the active object editor: a click chooses the side the
// pointer lies towards from the centre, and the picker shows an arrow to that side.
// y grows downward.

#include <vector>

#include "editors/PixelRect.h"
#include "model/Project.h"

namespace avizad {

inline constexpr int kPickerWidth = 137;
inline constexpr int kPickerHeight = 129;

// The centre (round(w / 2), round(h / 2)), halves to even.
PixelPoint pickerCentre(int width, int height);
// With dx, dy from the centre: right or left when |dy| < |dx|, up or down when
// |dy| > |dx|; on a diagonal (and at the centre) the previous direction stays.
Direction chooseDirection(int x, int y, int width, int height, Direction previous);
// The arrow as one polyline: centre, end of the shaft 30 pixels from the chosen edge,
// one corner of the head's base, the tip 20 pixels from the edge, the other corner, and
// back to the end of the shaft. The base is 10 pixels wide.
std::vector<PixelPoint> arrowFigure(Direction direction, int width, int height);
// The picker of a fresh editor: a line from the centre to 20 pixels from the right edge.
std::vector<PixelPoint> startLine(int width, int height);

}  // namespace avizad
