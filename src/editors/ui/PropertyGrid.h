#pragma once
// The grid "Свойства объекта" of every object editor: five rows of a free name and a
// free value.

#include <QTableWidget>

#include "model/Project.h"

namespace avizad {

class PropertyGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit PropertyGrid(QWidget* parent = nullptr);

    void setTexts(const PropertyTexts& names, const PropertyTexts& values);
    // Column "имя" (names = true) or "значение", rows 1 to 5, as model texts.
    PropertyTexts texts(bool names) const;
    void clearTexts() { setTexts({}, {}); }
};

}  // namespace avizad
