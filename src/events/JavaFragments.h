#pragma once
// Pieces the catalogue entries share when they spell their Java fragments:
// every object of type n is addressed through its kind's group table and the
// kind's loop counter, which the stage generator turns into a loop.

#include <string>
#include <string_view>

#include "model/Cp1251.h"
#include "model/GameNames.h"

namespace avizad::fragments {

inline std::string dec(int value) {
    return std::to_string(value);
}

// "[gr_obj[n][krn]]" and its kin for the other kinds.
inline std::string activeIndex(int n) {
    return loopIndex(ObjectKind::Active, n);
}
inline std::string backgroundIndex(int n) {
    return loopIndex(ObjectKind::Background, n);
}
inline std::string textIndex(int n) {
    return loopIndex(ObjectKind::Text, n);
}
inline std::string indicatorIndex(int n) {
    return loopIndex(ObjectKind::Indicator, n);
}

// "act[gr_obj[n][krn]]", the sprite of an active object of type n.
inline std::string act(int n) {
    return std::string(gameNames(ObjectKind::Active).objects) + activeIndex(n);
}
// "fon[gr_fon[n][krfn]]", the layer of a background object of type n.
inline std::string fon(int n) {
    return std::string(gameNames(ObjectKind::Background).objects) + backgroundIndex(n);
}
// "act_upr[gr_obj[n][krn]]", the mode of an active object of type n.
inline std::string actMode(int n) {
    return "act_upr" + activeIndex(n);
}

}  // namespace avizad::fragments
