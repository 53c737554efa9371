#pragma once
// The events editor's pictures, drawn in code: the five condition categories (the
// first four also head the special columns), the text object icon and the two cell
// icons (the cell has actions / is empty), each 34 x 34.

#include <QPixmap>

namespace avizad {

class EventIcons {
public:
    static constexpr int kSize = 34;

    // Category k (1..5): general, special, level, keys, timer.
    static QPixmap category(int k);
    static QPixmap hasActions();
    static QPixmap emptyCell();
    static QPixmap textObject();
};

}  // namespace avizad
