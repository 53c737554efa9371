#pragma once
// Windows-1251, the code page of every model text, and UTF-8, the code page of
// the file system, the console and the user interface. All 256 byte values
// convert to UTF-8 and back unchanged; 0x98, which has no letter, maps to U+0098.

#include <cstddef>
#include <string>
#include <string_view>

namespace avizad {

// The Unicode code point of a Windows-1251 byte.
char32_t cp1251ToUnicode(unsigned char byte);
// The Windows-1251 byte of a code point, or '?' when it has none.
char cp1251FromUnicode(char32_t codePoint);

std::string cp1251ToUtf8(std::string_view text);
// A character without a Windows-1251 byte, and every malformed UTF-8 sequence, becomes "?".
// Also how the source code's UTF-8 literals become model texts: utf8ToCp1251("Уровень").
std::string utf8ToCp1251(std::string_view text);
// The first character of a UTF-8 text that Windows-1251 lacks (in UTF-8; U+FFFD for a
// malformed sequence), or "" when every character of the text has its byte.
std::string firstCharacterOutsideCp1251(std::string_view utf8);
// The length of the trailing bytes of `text` that begin a UTF-8 sequence the text does not
// complete (0 to 3): a stream read in pieces keeps them for the next piece.
std::size_t incompleteUtf8Tail(std::string_view text);

}  // namespace avizad
