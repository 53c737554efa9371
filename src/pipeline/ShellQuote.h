#pragma once
// Quoting for the command lines the build sends to /bin/sh.

#include <string>
#include <string_view>

namespace avizad {

// The text as one shell word that stands for exactly itself: enclosed in single quotes,
// each single quote written as '\''. Blanks, ";", "$", "`", "*" and the like lose their
// meaning. Works byte by byte, so Windows-1251 and UTF-8 texts alike.
std::string shellQuote(std::string_view text);

}  // namespace avizad
