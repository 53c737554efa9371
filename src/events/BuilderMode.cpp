#include "events/BuilderMode.h"

namespace avizad {

namespace {

const BuilderModeInfo kModes[] = {
    {BuilderMode::CompareValues, "сравнение переменных", "Введите значения переменных", true, true,
     false, true, false},
    {BuilderMode::CompareWithValue, "сравнение со значением", "Введите значение переменной", false,
     true, false, true, false},
    {BuilderMode::CompareGlobal, "сравнение глобальной переменной",
     "Выберите номер глобального значения и введите переменную", false, true, true, true, false},
    {BuilderMode::SetGlobal, "ввод глобального", "Введите значение глобальной переменной", false,
     false, true, true, false},
    {BuilderMode::EnterValue, "ввод значения", "Введите значение", false, false, false, true,
     false},
    {BuilderMode::TextWithValue, "строка со значением", "Введите текст строки и значение", false,
     false, false, true, true},
};

}  // namespace

const BuilderModeInfo& builderModeInfo(BuilderMode mode) {
    for (const BuilderModeInfo& info : kModes) {
        if (info.mode == mode) {
            return info;
        }
    }
    return kModes[0];
}

}  // namespace avizad
