#pragma once
// translateExpression: the translation of an expression the user composed into the Java of
// the generated game, token by token.
//
// Spaces are dropped; digits, "/", "*", "-", "+", "(" and ")" are copied; the
// words of the value menus become game names (n: a decimal number):
//
//   "минуты"             -> "endTime_ob/1000/60"   "секунды" -> "endTime_ob/1000"
//   "сотые"              -> "endTime_ob/10"        "высота"  -> "height"
//   "ширина"             -> "width"                "уровень" -> "level"
//   "rand"               -> "rand"                 "glob" n  -> "glob[n]"
//   "Х[объект" n "]"     -> "act[gr_obj[n][krn]].getX()"   (Cyrillic Х, Latin Y)
//   "Y[объект" n "]"     -> "act[gr_obj[n][krn]].getY()"
//   "Х[фон" n "]"        -> "fon[gr_fon[n][krfn]].getX()"
//   "Y[фон" n "]"        -> "fon[gr_fon[n][krfn]].getY()"
//   "позиция[текст" n "]"  -> "tek_str[gr_text[n][krtn]]"
//   "кол[индикатор" n "]"  -> "line_tek[gr_line[n][krln]]"
//   "abs" (the builder's "модуль" key, "abs ") -> "Math.abs"
//
// Object and global numbers may have several digits (types go up to 30, globals
// to 20). A word without its number or bracket, and every other character, is
// copied as it is. The translation always ends, and the result is at most five
// times as long as the input.

#include <string>
#include <string_view>

namespace avizad {

// Input and output are Windows-1251.
std::string translateExpression(std::string_view expression);

}  // namespace avizad
