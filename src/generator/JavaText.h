#pragma once
// Java source text of the generated game: numbers, string literal contents and
// the pure-ASCII form of a source line. Model texts are Windows-1251 bytes.

#include <string>
#include <string_view>

#include "model/JavaString.h"  // javaStringContent

namespace avizad {

// A number as every generated declaration writes it: decimal, "-" when negative.
std::string javaNumber(int value);

// A Windows-1251 source line in pure ASCII: every byte from 0x80 up becomes the
// Java Unicode escape of its character ("\u0433" for the Cyrillic g), which Java
// reads as that character anywhere in a source file. The generated sources are
// thereby the same whatever encoding the compiler assumes. ASCII lines are
// returned unchanged.
std::string javaAsciiSource(std::string_view line);

// Every occurrence of `from` in `text` replaced by `to`, left to right, case-sensitive;
// replaced text is not searched again.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace avizad
