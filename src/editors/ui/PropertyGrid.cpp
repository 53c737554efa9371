#include "editors/ui/PropertyGrid.h"

#include <QHeaderView>

#include "model/ui/QtText.h"

namespace avizad {

PropertyGrid::PropertyGrid(QWidget* parent) : QTableWidget(kPropertyCount, 2, parent) {
    setHorizontalHeaderLabels({QStringLiteral("имя"), QStringLiteral("значение")});
    QStringList rows;
    for (int i = 1; i <= kPropertyCount; ++i) {
        rows << QString::number(i);
    }
    setVerticalHeaderLabels(rows);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(22);
    setColumnWidth(0, 86);
    setToolTip(QStringLiteral("Свойства объекта"));
    setFixedHeight(22 * (kPropertyCount + 1) + 6);
    clearTexts();
}

void PropertyGrid::setTexts(const PropertyTexts& names, const PropertyTexts& values) {
    for (int i = 1; i <= kPropertyCount; ++i) {
        setItem(i - 1, 0, new QTableWidgetItem(fromModel(names[i])));
        setItem(i - 1, 1, new QTableWidgetItem(fromModel(values[i])));
    }
}

PropertyTexts PropertyGrid::texts(bool names) const {
    PropertyTexts result;
    for (int i = 1; i <= kPropertyCount; ++i) {
        const QTableWidgetItem* cell = item(i - 1, names ? 0 : 1);
        result[i] = cell ? toModel(cell->text()) : std::string();
    }
    return result;
}

}  // namespace avizad
