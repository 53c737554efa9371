#pragma once
// The add-action menus of the events grid: one per special category and one per
// object kind. Every entry builds a caption and a Java statement for the clicked
// column; the events editor files them with EventTableEditor::addAction.

#include <span>

#include "events/CatalogueEntry.h"
#include "model/Project.h"

namespace avizad {

enum class ActionMenu {
    Special,      // special category 1: screen edges, global values
    Sound,        // special category 2: "Воспроизвести файл"
    LevelChange,  // special category 3: next, previous or given level
    Control,      // special category 4: "управление игроком", adds nothing
    Background,
    Active,
    Indicator,
    Text,
};

class ActionCatalogue {
public:
    static CatalogueMenu menu(ActionMenu which);
    // The menu of a special column (1..4).
    static ActionMenu specialMenu(SpecialCategory category);
    // The menu of an object column of a kind.
    static ActionMenu objectMenu(ObjectKind kind);
    // Every menu, in the order of ActionMenu.
    static std::span<const ActionMenu> allMenus();
};

}  // namespace avizad
