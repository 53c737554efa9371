#pragma once
// Pieces the catalogue entries share when they spell their Java fragments:
// every object of type n is addressed through its kind's group table and the
// kind's loop counter, which the stage generator turns into a loop.

#include <string>
#include <string_view>

#include "model/Cp1251.h"

namespace avizad::fragments {

inline std::string dec(int value) {
    return std::to_string(value);
}

// Windows-1251 bytes of a UTF-8 literal.
inline std::string w(std::string_view utf8) {
    return win1251(utf8);
}

// "[gr_obj[n][krn]]" and its kin for the other kinds.
inline std::string group(std::string_view table, std::string_view counter, int n) {
    return "[" + std::string(table) + "[" + dec(n) + "][" + std::string(counter) + dec(n) + "]]";
}
inline std::string activeIndex(int n) {
    return group("gr_obj", "kr", n);
}
inline std::string backgroundIndex(int n) {
    return group("gr_fon", "krf", n);
}
inline std::string textIndex(int n) {
    return group("gr_text", "krt", n);
}
inline std::string indicatorIndex(int n) {
    return group("gr_line", "krl", n);
}

// "act[gr_obj[n][krn]]", the sprite of an active object of type n.
inline std::string act(int n) {
    return "act" + activeIndex(n);
}
// "fon[gr_fon[n][krfn]]", the layer of a background object of type n.
inline std::string fon(int n) {
    return "fon" + backgroundIndex(n);
}
// "act_upr[gr_obj[n][krn]]", the mode of an active object of type n.
inline std::string actMode(int n) {
    return "act_upr" + activeIndex(n);
}

}  // namespace avizad::fragments
