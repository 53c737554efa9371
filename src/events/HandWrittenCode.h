#pragma once
// Conditions and actions whose Java the catalogues do not make: code written by hand into a
// project file. A project from someone else runs its events' code in the game, so the
// editor and avizad-cli list such code when a project is opened or built.
//
// Code is what the catalogues make when it is the code of one of their entries with the
// entry's values filled in (the code of a condition may join several with "&", an action's
// may begin with "}else{"): every entry of the menus is built once with marked values, and
// a stored code must match one of those patterns, where
// - a number (an object type, a level, a time, a key code) is any decimal number;
// - the expression builder's value is an expression of its vocabulary: digits, spaces,
//   + - * / ( ) [ ] = ! < > . and the words its translation writes (every name the
//   translator makes of a value word, whole or cut short by the builder's "удалить"),
//   Cyrillic letters, nothing else;
// - a text in quotes (a sound file, a row of text, a content type) is the text of a Java
//   string literal as the catalogue writes it: no line break, quotes and backslashes
//   escaped, "\u" escapes only for the control characters it escapes that way;
// - and no comment ("//", "/*") stands outside a string literal.
// An action is matched against the menu of its column, a condition against every
// condition menu.

#include <string>
#include <vector>

#include "events/ActionCatalogue.h"
#include "model/Project.h"

namespace avizad {

// Whether the catalogues make this condition code (Windows-1251).
bool isCatalogueCondition(const std::string& code);
// Whether the action menu of a column (ActionCatalogue::specialMenu or objectMenu) makes
// this action code (Windows-1251).
bool isCatalogueAction(const std::string& code, ActionMenu menu);

struct HandWrittenCode {
    int event = 0;      // 1-based
    std::string where;  // UTF-8: "условие", "действие столбца «звук»", ...
    std::string caption;  // Windows-1251, as stored
    std::string code;     // Windows-1251, as stored
};

// The conditions and actions of the project whose code the catalogues do not make, in
// event order (the condition first, then the actions column by column).
std::vector<HandWrittenCode> findHandWrittenCode(const Project& project);

// The notice the console shows for them (UTF-8 lines, each ending with "\n"), or "" when
// there are none.
std::string handWrittenCodeNotice(const Project& project);

}  // namespace avizad
