#pragma once
// The expression builder's logic: two read-only fields written by a keypad, a
// comparison list and a global number; on confirmation the caption (the fields
// as typed) and the code (their translation by translateExpression) of the mode.
//
//   mode               caption                  code
//   CompareValues      left op right            tr(left) op tr(right)
//   CompareWithValue   op right                 op tr(right)
//   CompareGlobal      glob[K] op right         glob[K] op tr(right)
//   SetGlobal          glob[K]=right            glob[K]=tr(right)
//   EnterValue         right                    tr(right)
//   TextWithValue      right                    tr(right)   (and the row text, typed)
//
// The dialog shows what builderModeInfo(mode) says, forwards clicks and keys, and
// reads confirm() when the user presses "Да". Texts are Windows-1251.

#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "events/BuilderMode.h"
#include "events/BuiltText.h"

namespace avizad {

// A keypad button: its caption (UTF-8) and the token it appends (Windows-1251 = ASCII).
struct KeypadButton {
    std::string_view caption;
    std::string_view token;
};

// A comparison list entry: caption (UTF-8) and Java operator.
struct Comparison {
    std::string_view caption;
    std::string_view op;
};

class ExpressionBuilder {
public:
    enum class Field { None = 0, Left = 1, Right = 2 };

    static constexpr int kMinGlobal = 1;
    static constexpr int kMaxGlobal = 20;

    explicit ExpressionBuilder(BuilderMode mode);

    BuilderMode mode() const { return mode_; }
    const BuilderModeInfo& info() const { return builderModeInfo(mode_); }

    // "0".."9", "+", "-", "*", "/", "(", ")" and "модуль" ("abs "), in keypad order.
    static std::span<const KeypadButton> keypad();
    // "Равно" (==), "Не равно" (!=), "Больше" (>), "Больше или равно" (>=), "Меньше" (<),
    // "Меньше или равно" (<=).
    static std::span<const Comparison> comparisons();

    // Clicking a field makes it active; the keypad writes into the active field only.
    void setActiveField(Field field) { active_ = field; }
    Field activeField() const { return active_; }
    // Where the next token goes in a field (a click in it puts the cursor there); kept
    // within the field's text, at its end until set.
    void setCursor(Field field, int position);
    int cursor(Field field) const;
    // Puts a token (a keypad button's token) into the active field at its cursor, which
    // moves past it.
    void append(std::string_view token);
    // Puts a value word at the cursor of the active field; when no field was made active
    // yet, into the first field the mode shows, at its end.
    void insertWord(std::string_view word);
    // "удалить": removes the last character of the active field.
    void deleteLast();
    // "очистить": empties the active field.
    void clearField();

    const std::string& left() const { return left_; }
    const std::string& right() const { return right_; }

    // The comparison list index 0..5 (initially 0, "Равно"); others are ignored.
    void setComparison(int index);
    int comparison() const { return comparison_; }
    // The global number K, kept within 1..20 (initially 1).
    void setGlobalNumber(int k);
    int globalNumber() const { return global_; }

    // The row text of mode TextWithValue, typed in its own field (Windows-1251); the
    // value follows it in the game.
    void setRowText(std::string text) { rowText_ = std::move(text); }
    const std::string& rowText() const { return rowText_; }

    // The results of "Да".
    BuiltText confirm() const;

private:
    std::string* activeText();

    BuilderMode mode_;
    Field active_ = Field::None;
    std::string left_;
    std::string right_;
    std::size_t leftCursor_ = 0;
    std::size_t rightCursor_ = 0;
    int comparison_ = 0;
    int global_ = 1;
    std::string rowText_;
};

}  // namespace avizad
