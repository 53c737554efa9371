#pragma once
// Texts inside the Java string literals of the generated game (resource names, sound
// files, texts): one escaping rule for the generator and the event fragments alike.

#include <string>
#include <string_view>

namespace avizad {

// The text between the double quotes of a Java string literal that holds `text`:
// "\" becomes "\\", a double quote "\"", CR and LF "\r" and "\n", every other
// control character (and DEL) "\u" + four hex digits. Other bytes stay as they are,
// so a text without such characters is returned unchanged.
std::string javaStringContent(std::string_view text);

// The Java Unicode escape of a character: "\u0433" for the Cyrillic g.
std::string javaUnicodeEscape(char32_t codePoint);

}  // namespace avizad
