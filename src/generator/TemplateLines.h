#pragma once
// The template line reader of the build: blank lines and leading blanks vanish.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace avizad {

// Splits template text into lines: before each line every character of code 32 or
// less is skipped (so blank lines and indentation vanish); the line then runs up to
// the next CR, LF or CR LF or the end of the text. Trailing blanks stay.
std::vector<std::string> splitTemplateLines(std::string_view text);

// Reads a template file and splits it with splitTemplateLines. Throws IoError naming
// the file when it cannot be read.
std::vector<std::string> readTemplateLines(const std::filesystem::path& file);

// The lines joined, each followed by CR LF.
std::string joinCrLf(const std::vector<std::string>& lines);

}  // namespace avizad
