#pragma once
// The object number of a parameter dialog chosen by name: a list of the object types of a
// kind ("2: enemy"), the first one chosen; number() is the chosen type's number, 0 when
// the kind has none (the dialog then refuses "Да" and says why).

#include <QComboBox>

#include "model/Project.h"

namespace avizad {

class ObjectChoice : public QComboBox {
    Q_OBJECT

public:
    ObjectChoice(const Project& project, ObjectKind kind, QWidget* parent = nullptr);

    int number() const { return currentIndex() + 1; }
    bool empty() const { return count() == 0; }
    // "Нет ни одного фонового объекта: сначала создайте его." for an empty list.
    QString emptyText() const;

private:
    ObjectKind kind_;
};

}  // namespace avizad
