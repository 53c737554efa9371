#pragma once
// The object palette inside the catalogue: one slot per object type of the current
// kind (frame, thumbnail, name), the selected slot highlighted. A click selects the
// type (document.setSelectedObject), a double click also asks to arm it for placing.

#include <QImage>
#include <QScrollArea>
#include <vector>

#include "document/ProjectDocument.h"

namespace avizad {

class ObjectPalette : public QScrollArea {
    Q_OBJECT

public:
    explicit ObjectPalette(ProjectDocument& document, QWidget* parent = nullptr);

    // The slot drawn highlighted; the catalogue's move and delete act on its type.
    int highlightSlot() const { return highlightSlot_; }
    // The rectangle of slot i's thumbnail in the list widget (slots from 1).
    QRect thumbnailRect(int slot) const;
    QWidget* list() const { return widget(); }
    // The slot whose thumbnail holds a point of the list widget; 0 none.
    int slotAt(QPoint point) const;

    // Rebuilds the slots for the current kind.
    void rebuild();
    // Selects slot i as a click does.
    void selectSlot(int slot);

signals:
    // A double click on a slot: its type is to be armed for placing.
    void armRequested(avizad::ObjectKind kind, int object);

private:
    friend class PaletteList;
    QImage thumbnail(int slot) const;
    ProjectDocument& document_;
    std::vector<QImage> thumbnails_;
    int highlightSlot_ = 1;
};

}  // namespace avizad
