#include "events/ExpressionBuilder.h"

#include <algorithm>

#include "events/Translator.h"

namespace avizad {

namespace {

const KeypadButton kKeypad[] = {
    {"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"5", "5"},         {"6", "6"},
    {"7", "7"}, {"8", "8"}, {"9", "9"}, {"0", "0"}, {"+", "+"},         {"-", "-"},
    {"*", "*"}, {"/", "/"}, {"(", "("}, {")", ")"}, {"модуль", "abs "},
};

const Comparison kComparisons[] = {
    {"Равно", "=="}, {"Не равно", "!="},         {"Больше", ">"}, {"Больше или равно", ">="},
    {"Меньше", "<"}, {"Меньше или равно", "<="},
};

}  // namespace

ExpressionBuilder::ExpressionBuilder(BuilderMode mode) : mode_(mode) {}

std::span<const KeypadButton> ExpressionBuilder::keypad() {
    return kKeypad;
}

std::span<const Comparison> ExpressionBuilder::comparisons() {
    return kComparisons;
}

std::string* ExpressionBuilder::activeText() {
    switch (active_) {
        case Field::Left:
            return &left_;
        case Field::Right:
            return &right_;
        case Field::None:
            break;
    }
    return nullptr;
}

void ExpressionBuilder::setCursor(Field field, int position) {
    const std::size_t at = static_cast<std::size_t>(std::max(0, position));
    if (field == Field::Left) {
        leftCursor_ = std::min(at, left_.size());
    } else if (field == Field::Right) {
        rightCursor_ = std::min(at, right_.size());
    }
}

int ExpressionBuilder::cursor(Field field) const {
    return static_cast<int>(field == Field::Left ? leftCursor_ : rightCursor_);
}

void ExpressionBuilder::append(std::string_view token) {
    std::string* text = activeText();
    if (text == nullptr) {
        return;
    }
    std::size_t& at = active_ == Field::Left ? leftCursor_ : rightCursor_;
    at = std::min(at, text->size());
    text->insert(at, token);
    at += token.size();
}

void ExpressionBuilder::insertWord(std::string_view word) {
    if (active_ == Field::None) {
        active_ = info().showsLeftField ? Field::Left : Field::Right;
        setCursor(active_, static_cast<int>(activeText()->size()));
    }
    append(word);
}

void ExpressionBuilder::deleteLast() {
    std::string* text = activeText();
    if (text != nullptr && !text->empty()) {
        text->pop_back();
        setCursor(active_, cursor(active_));
    }
}

void ExpressionBuilder::clearField() {
    if (std::string* text = activeText()) {
        text->clear();
        setCursor(active_, 0);
    }
}

void ExpressionBuilder::setComparison(int index) {
    if (index >= 0 && index < static_cast<int>(std::size(kComparisons))) {
        comparison_ = index;
    }
}

void ExpressionBuilder::setGlobalNumber(int k) {
    global_ = std::clamp(k, kMinGlobal, kMaxGlobal);
}

BuiltText ExpressionBuilder::confirm() const {
    const std::string op(kComparisons[comparison_].op);
    const std::string global = "glob[" + std::to_string(global_) + "]";
    switch (mode_) {
        case BuilderMode::CompareValues:
            return {left_ + op + right_,
                    translateExpression(left_) + op + translateExpression(right_)};
        case BuilderMode::CompareWithValue:
            return {op + right_, op + translateExpression(right_)};
        case BuilderMode::CompareGlobal:
            return {global + op + right_, global + op + translateExpression(right_)};
        case BuilderMode::SetGlobal:
            return {global + "=" + right_, global + "=" + translateExpression(right_)};
        case BuilderMode::EnterValue:
        case BuilderMode::TextWithValue:
            break;
    }
    return {right_, translateExpression(right_)};
}

}  // namespace avizad
