#pragma once
// The five modes of the expression builder: what the dialog shows and how its
// two fields become the results (see ExpressionBuilder).

#include <string_view>

namespace avizad {

enum class BuilderMode {
    CompareValues,     // "сравнение переменных": left op right
    CompareWithValue,  // "сравнение со значением": op right
    CompareGlobal,  // "сравнение глобальной переменной": glob[K] op right
    SetGlobal,      // "ввод глобального": glob[K]=right
    EnterValue,     // "ввод значения": right
    TextWithValue,  // "строка со значением": a row text, and right as the value
};

// How a mode looks. Texts are UTF-8.
struct BuilderModeInfo {
    BuilderMode mode;
    std::string_view name;  // the mode text, e.g. "сравнение переменных"
    std::string_view label;  // the dialog's label, e.g. "Введите значения переменных"
    bool showsLeftField;
    bool showsComparison;
    bool showsGlobalNumber;
    bool showsRightField;
    bool showsRowText;  // an editable field for the text the value follows
};

const BuilderModeInfo& builderModeInfo(BuilderMode mode);

}  // namespace avizad
