#pragma once
// perevod: the translation of an expression the user composed into the Java of
// the generated game, token by token.
//
// Spaces are dropped; digits, "/", "*", "-", "+", "(" and ")" are copied; the
// words of the value menus become game names:
//
//   "минуты"            -> "endTime_ob/1000/60"      "секунды" -> "endTime_ob/1000"
//   "сотые"             -> "endTime_ob/10"           "высота"  -> "height"
//   "ширина"            -> "width"                   "уровень" -> "level"
//   "rand" + 1 char     -> "rand"                    "glob" d + 1 char -> "glob[d]"
//   "Х[объект" d "]"    -> "act[gr_obj[d][krd]].getX()"   (Cyrillic Х, Latin Y)
//   "Y[объект" d "]"    -> "act[gr_obj[d][krd]].getY()"
//   "Х[фон" d "]"       -> "fon[gr_fon[d][krfd]].getX()"
//   "Y[фон" d "]"       -> "fon[gr_fon[d][krfd]].getY()"
//   "позиция[текст" d "]"   -> "tek_str[gr_text[d][krtd]]"
//   "кол[индикатор" d "]"   -> "line_tek[gr_line[d][krld]]"
//   "abs" (the builder's "модуль" key, "abs ") -> "Math.abs"
//
// d is the one character after a word's name. A word whose fixed length runs past
// the end of the text takes what is left. Every other character is copied as it
// is. The translation always ends, and the result is at most five times as long
// as the input.

#include <string>
#include <string_view>

namespace avizad {

// Input and output are Windows-1251.
std::string perevod(std::string_view expression);

}  // namespace avizad
