#include "events/HandWrittenCode.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "events/ActionCatalogue.h"
#include "events/ConditionCatalogue.h"
#include "events/EventTableEditor.h"
#include "events/ExpressionBuilder.h"
#include "events/Translator.h"
#include "events/ValueTokens.h"
#include "model/Cp1251.h"

namespace avizad {

namespace {

// A value in a pattern: a byte no catalogue writes, a letter naming the value, the byte again.
constexpr char kMark = '\xA4';
constexpr char kExpression = 'E';  // the expression builder's code
constexpr char kText = 'S';        // a text inside a string literal
constexpr char kKeyCode = 'K';     // a key code: a number, perhaps negative

std::string mark(char value) {
    return {kMark, value, kMark};
}

enum class PieceKind { Literal, Number, Expression, Text };

struct Piece {
    PieceKind kind = PieceKind::Literal;
    std::string text;  // of a literal
};

using Pattern = std::vector<Piece>;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isIdentifierChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// The code of an entry built with marked values cut into literal text and values: the
// marks, and every run of digits (a number of the values or of the code itself).
Pattern patternOf(const std::string& code) {
    Pattern pattern;
    const auto literal = [&](char c) {
        if (pattern.empty() || pattern.back().kind != PieceKind::Literal) {
            pattern.push_back({PieceKind::Literal, {}});
        }
        pattern.back().text += c;
    };
    for (std::size_t i = 0; i < code.size();) {
        if (code[i] == kMark && i + 2 < code.size() && code[i + 2] == kMark) {
            const char value = code[i + 1];
            pattern.push_back({value == kExpression ? PieceKind::Expression
                               : value == kText     ? PieceKind::Text
                                                    : PieceKind::Number,
                               {}});
            i += 3;
        } else if (isDigit(code[i])) {
            while (i < code.size() && isDigit(code[i])) {
                ++i;
            }
            pattern.push_back({PieceKind::Number, {}});
        } else {
            literal(code[i++]);
        }
    }
    return pattern;
}

EntryValues markedValues() {
    EntryValues v;
    v.n = v.m = v.a = v.b = v.level = v.milliseconds = 5;
    v.name = v.keyName = v.timeText = v.builderCaption = "x";
    v.builderCode = mark(kExpression);
    v.rowText = v.file = v.contentType = mark(kText);
    v.keyCode = mark(kKeyCode);
    return v;
}

std::vector<Pattern> patternsOf(CatalogueMenu menu) {
    std::vector<Pattern> patterns;
    const EntryValues values = markedValues();
    for (const CatalogueEntry& entry : menu) {
        if (entry.addsSomething()) {
            patterns.push_back(patternOf(entry.build(values).code));
        }
    }
    return patterns;
}

// The names the expression builder's values can leave in code: every run of Latin letters
// the translator writes for a keypad button or a value word, whole or cut short.
const std::set<std::string>& expressionNames() {
    static const std::set<std::string> names = [] {
        std::vector<std::string> tokens;
        for (const KeypadButton& button : ExpressionBuilder::keypad()) {
            tokens.emplace_back(button.token);
        }
        const auto add = [&](std::span<const ValueToken> menu) {
            for (const ValueToken& token : menu) {
                if (token.token != nullptr) {
                    tokens.push_back(token.text(7));
                    tokens.push_back(token.text(7) + "7");  // "glob" takes its number after
                }
            }
        };
        add(ValueTokens::general());
        for (const ObjectKind kind : kAllKinds) {
            add(ValueTokens::objectMenu(kind));
        }
        std::set<std::string> found;
        for (const std::string& token : tokens) {
            for (std::size_t length = 1; length <= token.size(); ++length) {
                const std::string code = translateExpression(token.substr(0, length));
                for (std::size_t i = 0; i < code.size();) {
                    std::size_t end = i;
                    while (end < code.size() && isIdentifierChar(code[end])) {
                        ++end;
                    }
                    if (end > i) {
                        found.insert(code.substr(i, end - i));
                        i = end;
                    } else {
                        ++i;
                    }
                }
            }
        }
        return found;
    }();
    return names;
}

// The ends of an expression of the builder starting at `at`: every position up to the
// first character outside its vocabulary.
std::vector<std::size_t> expressionEnds(std::string_view code, std::size_t at) {
    static constexpr std::string_view kSigns = " +-*/()[]=!<>.";
    std::vector<std::size_t> ends = {at};
    std::size_t i = at;
    while (i < code.size()) {
        const char c = code[i];
        if (isIdentifierChar(c)) {
            std::size_t end = i;
            while (end < code.size() && isIdentifierChar(code[end])) {
                ++end;
            }
            if (!expressionNames().contains(std::string(code.substr(i, end - i)))) {
                break;
            }
            i = end;
        } else if (isDigit(c) || static_cast<unsigned char>(c) >= 0x80 ||
                   kSigns.find(c) != std::string_view::npos) {
            ++i;
        } else {
            break;
        }
        ends.push_back(i);
    }
    return ends;
}

bool isHex(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The ends of the text of a string literal starting at `at`, as javaStringContent writes
// it: no quote, backslash or line break but the escapes "\\", "\"", "\r", "\n", and
// "\u" escapes of the other control characters only.
std::vector<std::size_t> textEnds(std::string_view code, std::size_t at) {
    std::vector<std::size_t> ends = {at};
    std::size_t i = at;
    while (i < code.size()) {
        const char c = code[i];
        if (c == '"' || c == '\r' || c == '\n') {
            break;
        }
        if (c != '\\') {
            ++i;
        } else if (i + 1 < code.size() &&
                   std::string_view("\\\"rn").find(code[i + 1]) != std::string_view::npos) {
            i += 2;
        } else if (i + 5 < code.size() && code[i + 1] == 'u' && isHex(code[i + 2]) &&
                   isHex(code[i + 3]) && isHex(code[i + 4]) && isHex(code[i + 5])) {
            const unsigned value = std::stoul(std::string(code.substr(i + 2, 4)), nullptr, 16);
            if ((value >= 0x20 && value != 0x7F) || value == '\r' || value == '\n') {
                break;
            }
            i += 6;
        } else {
            break;
        }
        ends.push_back(i);
    }
    return ends;
}

std::vector<std::size_t> numberEnds(std::string_view code, std::size_t at) {
    std::vector<std::size_t> ends;
    std::size_t i = at;
    if (i < code.size() && code[i] == '-') {
        ++i;
    }
    while (i < code.size() && isDigit(code[i])) {
        ++i;
        ends.push_back(i);
    }
    return ends;
}

// Every position where the pattern, from piece `piece` on, matched from `at`, ends.
void patternEnds(const Pattern& pattern, std::size_t piece, std::string_view code, std::size_t at,
                 std::set<std::size_t>& ends) {
    if (piece == pattern.size()) {
        ends.insert(at);
        return;
    }
    const Piece& p = pattern[piece];
    if (p.kind == PieceKind::Literal) {
        if (code.substr(at).starts_with(p.text)) {
            patternEnds(pattern, piece + 1, code, at + p.text.size(), ends);
        }
        return;
    }
    const std::vector<std::size_t> next = p.kind == PieceKind::Number ? numberEnds(code, at)
                                          : p.kind == PieceKind::Text ? textEnds(code, at)
                                                                      : expressionEnds(code, at);
    // A value is followed by literal text (or ends the code): try the ends it allows.
    for (auto it = next.rbegin(); it != next.rend(); ++it) {
        const bool followed = piece + 1 == pattern.size() ||
                              pattern[piece + 1].kind != PieceKind::Literal ||
                              code.substr(*it).starts_with(pattern[piece + 1].text);
        if (followed) {
            patternEnds(pattern, piece + 1, code, *it, ends);
        }
    }
}

// Whether a comment begins outside the string literals of the code.
bool hasComment(std::string_view code) {
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] == '"') {
            for (++i; i < code.size() && code[i] != '"'; ++i) {
                if (code[i] == '\\') {
                    ++i;
                }
            }
        } else if (code[i] == '/' && i + 1 < code.size() &&
                   (code[i + 1] == '/' || code[i + 1] == '*')) {
            return true;
        }
    }
    return false;
}

// Whether the code is a sequence of the patterns joined by `separator` ("" : exactly one).
bool matches(const std::vector<Pattern>& patterns, std::string_view code,
             std::string_view separator) {
    if (hasComment(code)) {
        return false;
    }
    std::set<std::size_t> starts = {0};
    std::vector<std::size_t> work = {0};
    while (!work.empty()) {
        const std::size_t at = work.back();
        work.pop_back();
        for (const Pattern& pattern : patterns) {
            std::set<std::size_t> ends;
            patternEnds(pattern, 0, code, at, ends);
            for (const std::size_t end : ends) {
                if (end == code.size()) {
                    return true;
                }
                if (!separator.empty() && code.substr(end).starts_with(separator) &&
                    starts.insert(end + separator.size()).second) {
                    work.push_back(end + separator.size());
                }
            }
        }
    }
    return false;
}

const std::vector<Pattern>& conditionPatterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> all;
        for (const ConditionMenu menu : ConditionCatalogue::allMenus()) {
            for (Pattern& p : patternsOf(ConditionCatalogue::menu(menu))) {
                all.push_back(std::move(p));
            }
        }
        return all;
    }();
    return patterns;
}

const std::vector<Pattern>& actionPatterns(ActionMenu menu) {
    static const std::vector<std::vector<Pattern>> patterns = [] {
        std::vector<std::vector<Pattern>> all;
        for (const ActionMenu m : ActionCatalogue::allMenus()) {
            all.push_back(patternsOf(ActionCatalogue::menu(m)));
        }
        return all;
    }();
    const std::span<const ActionMenu> menus = ActionCatalogue::allMenus();
    return patterns[static_cast<std::size_t>(std::find(menus.begin(), menus.end(), menu) -
                                             menus.begin())];
}

std::string specialColumnName(int category) {
    static constexpr std::string_view kNames[] = {"особые действия", "звук", "смена уровня",
                                                  "управление"};
    return category >= 1 && category <= kSpecialCategories ? std::string(kNames[category - 1])
                                                           : std::to_string(category);
}

}  // namespace

bool isCatalogueCondition(const std::string& code) {
    return matches(conditionPatterns(), code, "&");
}

bool isCatalogueAction(const std::string& code, ActionMenu menu) {
    std::string_view rest = code;
    if (rest.starts_with(EventTableEditor::kElseCodePrefix)) {
        rest.remove_prefix(EventTableEditor::kElseCodePrefix.size());
    }
    return matches(actionPatterns(menu), rest, {});
}

std::vector<HandWrittenCode> findHandWrittenCode(const Project& project) {
    std::vector<HandWrittenCode> found;
    const EventTable& table = project.eventTable;
    for (int e = 1; e <= table.eventCount && e <= kMaxEvents; ++e) {
        const Event& event = table.events[e];
        if (!event.conditionCode.empty() && !isCatalogueCondition(event.conditionCode)) {
            found.push_back({e, "условие", event.conditionCaption, event.conditionCode});
        }
        const auto check = [&](const ActionList& list, ActionMenu menu, const std::string& where) {
            for (int a = 1; a <= list.count(); ++a) {
                const Action& action = list[a];
                if (!isCatalogueAction(action.code, menu)) {
                    found.push_back({e, where, action.caption, action.code});
                }
            }
        };
        for (int c = 1; c <= kSpecialCategories; ++c) {
            check(event.specialActions[c],
                  ActionCatalogue::specialMenu(static_cast<SpecialCategory>(c)),
                  "действие столбца «" + specialColumnName(c) + "»");
        }
        for (const ObjectKind kind : kAllKinds) {
            for (int c = 1; c <= kActionColumns; ++c) {
                check(event.actions(kind)[c], ActionCatalogue::objectMenu(kind),
                      "действие объекта " + std::to_string(c) + " из «" +
                          cp1251ToUtf8(kindCaption(kind)) + "»");
            }
        }
    }
    return found;
}

std::string handWrittenCodeNotice(const Project& project) {
    const std::vector<HandWrittenCode> found = findHandWrittenCode(project);
    if (found.empty()) {
        return {};
    }
    std::string text =
        "Внимание: код этих условий и действий проекта написан вручную, а не выбран из меню "
        "событий. Игра выполнит его; запускайте её, только если доверяете автору проекта.\n";
    for (const HandWrittenCode& item : found) {
        text += "  событие " + std::to_string(item.event) + ", " + item.where + " «" +
                cp1251ToUtf8(item.caption) + "»: " + cp1251ToUtf8(item.code) + "\n";
    }
    return text;
}

}  // namespace avizad
