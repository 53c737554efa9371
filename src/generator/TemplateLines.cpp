#include "generator/TemplateLines.h"

#include "model/FileUtil.h"

namespace avizad {

std::vector<std::string> splitTemplateLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && static_cast<unsigned char>(text[i]) <= 32) {
            ++i;
        }
        if (i >= text.size()) {
            break;
        }
        const std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(i));
            break;
        }
        lines.emplace_back(text.substr(i, end - i));
        i = end;  // the line end itself is skipped as a blank before the next line
    }
    return lines;
}

std::vector<std::string> readTemplateLines(const std::filesystem::path& file) {
    return splitTemplateLines(readFileText(file));
}

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace avizad
