#include "events/BuilderMode.h"

namespace avizad {

namespace {

const BuilderModeInfo kModes[] = {
    {BuilderMode::CompareValues, "сравнение переменных", "Введите значения переменных", true, true,
     false, true},
    {BuilderMode::CompareWithValue, "сравнение со значением", "Введите значение переменной", false,
     true, false, true},
    {BuilderMode::CompareGlobal, "сравнение глобальной переменной",
     "Выберите номер глобального значения и введите переменную", false, true, true, true},
    {BuilderMode::SetGlobal, "ввод глобального", "Введите значение глобальной переменной", false,
     false, true, true},
    {BuilderMode::EnterValue, "ввод значения", "Введите значение", false, false, false, true},
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
