#pragma once
// Shorthands for declaring catalogue entries as data (used by the catalogues only).

#include "events/CatalogueEntry.h"

namespace avizad::catalogue {

// A sub-menu holding the following deeper entries.
constexpr CatalogueEntry subMenu(int depth, std::string_view caption, bool hidden = false,
                                 bool disabled = false) {
    return {depth,  caption, true, hidden, disabled, ParameterDialog::None, BuilderMode::EnterValue,
            nullptr};
}
// An entry that adds nothing when chosen.
constexpr CatalogueEntry inert(int depth, std::string_view caption, bool hidden = false,
                               bool disabled = false) {
    return {
        depth,  caption, false, hidden, disabled, ParameterDialog::None, BuilderMode::EnterValue,
        nullptr};
}
// An entry without a dialog.
constexpr CatalogueEntry plain(int depth, std::string_view caption, BuildFunction build) {
    return {depth, caption, false, false, false, ParameterDialog::None, BuilderMode::EnterValue,
            build};
}
// An entry that asks a parameter dialog first.
constexpr CatalogueEntry asking(int depth, std::string_view caption, ParameterDialog dialog,
                                BuildFunction build) {
    return {depth, caption, false, false, false, dialog, BuilderMode::EnterValue, build};
}
// An entry that opens the expression builder in a mode first.
constexpr CatalogueEntry building(int depth, std::string_view caption, BuilderMode mode,
                                  BuildFunction build) {
    return {depth, caption, false, false, false, ParameterDialog::ExpressionBuilder, mode, build};
}
// The same entry, refusing some values with a message.
constexpr CatalogueEntry refusing(CatalogueEntry entry, RefusalFunction refuse) {
    entry.refuse = refuse;
    return entry;
}
// The same entry, its number M chosen among the object types of `kind` by name.
constexpr CatalogueEntry choosing(CatalogueEntry entry, ObjectKind kind) {
    entry.numberKind = kind;
    return entry;
}
// The same entry, present but not shown.
constexpr CatalogueEntry hidden(CatalogueEntry entry) {
    entry.hidden = true;
    return entry;
}

}  // namespace avizad::catalogue
