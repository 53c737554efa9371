#include "editors/TextDraft.h"

#include <algorithm>

namespace avizad {

void TextDraft::startNew(std::string newName) {
    *this = TextDraft{};
    name = std::move(newName);
}

void TextDraft::open(const TextObject& object) {
    kind = std::clamp(object.kind, 1, 3);
    size = object.size >= 0 && object.size <= 2 ? object.size : -1;
    bold = object.bold == 1;
    italic = object.italic == 1;
    underline = object.underline == 1;
    colorR = object.colorR;
    colorG = object.colorG;
    colorB = object.colorB;
    name = textObjectName(object.fileName);
    lines.clear();
    for (int i = 1; i <= std::clamp(object.lineCount, 0, kMaxTextLines); ++i) {
        lines.push_back(object.lines[i]);
    }
    propertyNames = object.propertyNames;
    propertyValues = object.propertyValues;
}

void TextDraft::storeInto(TextObject& object) const {
    object.kind = kind;
    object.size = size;
    object.bold = bold ? 1 : 0;
    object.italic = italic ? 1 : 0;
    object.underline = underline ? 1 : 0;
    object.colorR = colorR;
    object.colorG = colorG;
    object.colorB = colorB;
    object.fileName = name + ".png";
    const int count = std::min(static_cast<int>(lines.size()), kMaxTextLines);
    object.lineCount = count;
    for (int i = 1; i <= count; ++i) {
        object.lines[i] = lines[static_cast<std::size_t>(i - 1)];
    }
    object.propertyNames = propertyNames;
    object.propertyValues = propertyValues;
}

std::string textObjectName(std::string_view fileName) {
    std::string name(fileName);
    constexpr std::string_view kExtension = ".png";
    for (std::size_t at = name.find(kExtension); at != std::string::npos;
         at = name.find(kExtension, at)) {
        name.erase(at, kExtension.size());
    }
    return name;
}

std::vector<std::string> splitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace avizad
