#pragma once
// The value words the expression builder can offer besides its keypad: menus
// whose entries append a word of the translator (Translator.h) to the active
// field, e.g. " минуты " or, for object type n, " Х[объект" n "] ". The general
// menu belongs to the group "Общие"; each object kind has its own menu, whose
// number n is the type number of the object the user chose.

#include <span>
#include <string>
#include <string_view>

#include "model/Project.h"

namespace avizad {

using TokenFunction = std::string (*)(int n);

struct ValueToken {
    int depth = 0;             // as CatalogueEntry::depth
    std::string_view caption;  // UTF-8
    bool subMenu = false;
    bool disabled = false;
    TokenFunction token = nullptr;  // the appended text (Windows-1251); nullptr: nothing

    std::string text(int n = 0) const { return token != nullptr ? token(n) : std::string(); }
};

class ValueTokens {
public:
    // Random number, global value, level, screen size, timer; the conversions and the
    // mouse position are disabled.
    static std::span<const ValueToken> general();
    // The position of an active object, the coordinates of a background object, the
    // position of a text object, the amount of an indicator object.
    static std::span<const ValueToken> objectMenu(ObjectKind kind);
};

}  // namespace avizad
