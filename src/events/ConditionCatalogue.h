#pragma once
// The condition menus of the condition panel: five category menus of the group
// "Общие" (opened by the category pictures 1..5) and one menu per object kind
// (opened by choosing an object in that kind's list). Every entry builds a
// caption and a fully parenthesised Java boolean; the events editor commits
// them with EventTableEditor::commitCondition.

#include <span>
#include <string_view>

#include "events/CatalogueEntry.h"
#include "model/Project.h"

namespace avizad {

enum class ConditionMenu {
    Category1,  // "Всегда", comparisons
    Category2,  // no conditions, one disabled line
    Category3,  // "Начало уровня"
    Category4,  // keys
    Category5,  // timer
    Background,
    Active,
    Text,
    Indicator,
};

// One drop-down list of the panel: the names of a kind's object types in type order.
// Choosing position p sets EntryValues::n = p + 1 (and, for backgrounds, the name).
struct ConditionListGroup {
    ObjectKind kind;
    std::string_view caption;  // group caption, UTF-8
    std::string_view prompt;   // text of the empty list, UTF-8 ("" = none)
    ConditionMenu menu;        // the menu a choice opens
};

class ConditionCatalogue {
public:
    static constexpr int kCategoryCount = 5;

    static CatalogueMenu menu(ConditionMenu which);
    // The menu of category picture k (1..5).
    static ConditionMenu categoryMenu(int k);
    // The hint of category picture k (1..5), UTF-8: what its menu holds.
    static std::string_view categoryHint(int k);
    // The menu opened by a choice in a kind's list.
    static ConditionMenu objectMenu(ObjectKind kind);
    // The caption of the group holding the category pictures: "Общие".
    static std::string_view generalGroupCaption();
    // The four lists in panel order: background, active, text, indicator.
    static std::span<const ConditionListGroup> listGroups();
    // Every menu, in the order of ConditionMenu.
    static std::span<const ConditionMenu> allMenus();
};

}  // namespace avizad
