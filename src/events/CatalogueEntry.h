#pragma once
// One item of a condition or action menu, declared once as data. A menu is a
// span of entries in menu order; `depth` places an entry in the nearest
// preceding sub-menu one level up, so a widget builds the menu in one walk:
//
//     for each entry e: parent = (e.depth == 0) ? menu : openSubMenus[e.depth - 1];
//                       e.subMenu ? openSubMenus[e.depth] = parent->addMenu(e.caption)
//                                 : parent->addAction(e.caption);
//                       apply e.hidden and e.disabled to what was added.
//
// An entry with a build function asks for its dialog (if any), fills EntryValues
// with the dialog's values, shows refusal(values) and stops if that is not empty,
// and otherwise calls build(values) for the caption and code. A dialog that is
// cancelled or closed without confirmation adds nothing. Entries without a build
// function add nothing when chosen (disabled placeholders, "управление игроком").

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "events/BuilderMode.h"
#include "events/BuiltText.h"
#include "events/EntryValues.h"
#include "events/ParameterDialog.h"
#include "model/Project.h"

namespace avizad {

using BuildFunction = BuiltText (*)(const EntryValues&);
// The reason (UTF-8) why the values cannot be used, or "" when they can.
using RefusalFunction = std::string (*)(const EntryValues&);

struct CatalogueEntry {
    int depth = 0;             // 0 = item of the menu itself
    std::string_view caption;  // menu caption, UTF-8
    bool subMenu = false;      // a sub-menu holding the following deeper entries
    bool hidden = false;       // exists but is not shown
    bool disabled = false;     // shown greyed out
    ParameterDialog dialog = ParameterDialog::None;
    BuilderMode builderMode = BuilderMode::EnterValue;  // for ParameterDialog::ExpressionBuilder
    BuildFunction build = nullptr;                      // nullptr: choosing the entry adds nothing
    RefusalFunction refuse = nullptr;                   // nullptr: every value is accepted
    // The kind of object type whose number the dialog's M is: the dialog offers the
    // types of that kind by name. None: M is a plain number (a trajectory).
    std::optional<ObjectKind> numberKind = std::nullopt;

    bool addsSomething() const { return build != nullptr; }
    // The message to show instead of adding the entry, or "".
    std::string refusal(const EntryValues& values) const {
        return refuse != nullptr ? refuse(values) : std::string();
    }
};

using CatalogueMenu = std::span<const CatalogueEntry>;

// The captions from the menu down to entry `index`, joined by "/", e.g. "режим/атака".
std::string entryPath(CatalogueMenu menu, std::size_t index);
// The entry of a menu with the given path; nullptr when there is none.
const CatalogueEntry* findEntry(CatalogueMenu menu, std::string_view path);
// Whether an entry or one of the sub-menus holding it is hidden (resp. disabled).
bool entryHidden(CatalogueMenu menu, std::size_t index);
bool entryDisabled(CatalogueMenu menu, std::size_t index);

}  // namespace avizad
