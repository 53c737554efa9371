#pragma once
// The events editor's pictures, SVG files of the library's resources (resources/icons): the
// five condition categories (the first four also head the special columns), the text
// object, the two cell pictures (the cell has actions / is empty) and the toolbar's buttons
// that add an event and delete the last one.

#include <QIcon>
#include <QPixmap>

namespace avizad {

enum class EventIcon {
    General,
    Special,
    Level,
    Keys,
    Timer,
    HasActions,
    EmptyCell,
    TextObject,
    AddEvent,
    DeleteEvent,  // stays last: kEventIconCount counts up to it
};

inline constexpr int kEventIconCount = static_cast<int>(EventIcon::DeleteEvent) + 1;

class EventIcons {
public:
    // The side of a cell picture.
    static constexpr int kSize = 34;

    // The icon drawn from its file at whatever size and pixel ratio a widget asks for.
    static QIcon icon(EventIcon which);
    // `which` kSize pixels square, for the screen's pixel ratio.
    static QPixmap picture(EventIcon which);
    // Category k (1..5): general, special, level, keys, timer.
    static EventIcon category(int k);
};

}  // namespace avizad
