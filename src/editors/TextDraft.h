#pragma once
// The working state of the text object editor and how it becomes a stored TextObject:
// the font face (1..3), size (-1 none, 0..2), the three style switches, the colour, the
// name (shown without ".png"), the lines and the properties.

#include <string>
#include <string_view>
#include <vector>

#include "model/Project.h"

namespace avizad {

struct TextDraft {
    int kind = 1;  // 1 "Системный", 2 "Равноширинный", 3 "Пропорциональный"
    int size = -1;  // 0 small, 1 medium, 2 large; -1 none chosen
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int colorR = 0;
    int colorG = 0;
    int colorB = 0;
    std::string name = "text1";
    std::vector<std::string> lines;
    PropertyTexts propertyNames;
    PropertyTexts propertyValues;

    // A new object: every value back to its default (system face, no size, plain,
    // black, no lines), named `newName`.
    void startNew(std::string newName);
    void open(const TextObject& object);
    // Writes style, colour, file name (name + ".png"), the lines and the properties
    // into `object`; lines beyond the new count that it held stay but no longer count.
    // At most kMaxTextLines lines are stored (the editor refuses longer texts first).
    void storeInto(TextObject& object) const;
};

// The name an editor shows for a stored file name: every ".png" removed ("a.pngb.png"
// shows as "ab").
std::string textObjectName(std::string_view fileName);
// The lines of a multi-line text ("\n" or "\r\n" between lines); an empty text has no
// lines and a final line end starts no new line.
std::vector<std::string> splitTextLines(std::string_view text);

}  // namespace avizad
