#pragma once
// The condition panel: the group "Общие" with the five category pictures and the four
// lists of object types (background, active, text, indicator). A picture opens its
// category menu; choosing an object opens its kind's menu for that type. Choosing a
// menu entry reports the entry, the type number and the kind.

#include <QWidget>
#include <array>

#include "events/CatalogueEntry.h"
#include "events/ConditionCatalogue.h"
#include "model/Project.h"

class QComboBox;
class QMenu;
class QToolButton;

namespace avizad {

class ConditionPanel : public QWidget {
    Q_OBJECT

public:
    explicit ConditionPanel(const Project& project, QWidget* parent = nullptr);

    // start: fills the lists from the current object types and closes an open menu.
    void start();

    QToolButton* categoryButton(int k) const {
        return categories_[static_cast<std::size_t>(k - 1)];
    }
    // The list of a kind's objects.
    QComboBox* list(ObjectKind kind) const;
    // Opens category menu k (1..5) or the menu of object type n of a kind, as a click
    // does; returns the menu, which stays open until an entry is chosen.
    QMenu* openCategory(int k);
    QMenu* openObject(ObjectKind kind, int n);
    // The menu opened last (nullptr before any).
    QMenu* openMenu() const { return menu_; }

signals:
    // An entry was chosen: n is the type number of the chosen object (0 for categories).
    void entryChosen(const avizad::CatalogueEntry* entry, int n, avizad::ObjectKind kind);

private:
    QMenu* popup(ConditionMenu which, int n, ObjectKind kind, const QPoint& at);

    const Project& project_;
    std::array<QToolButton*, ConditionCatalogue::kCategoryCount> categories_{};
    std::array<QComboBox*, 4> lists_{};
    QMenu* menu_ = nullptr;
};

}  // namespace avizad
