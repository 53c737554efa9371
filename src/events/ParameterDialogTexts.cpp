#include "events/ParameterDialogTexts.h"

namespace avizad {

namespace {

constexpr std::string_view kNoLabels[] = {""};
constexpr std::string_view kTimerLabels[] = {"минут", "секунд", "сотых"};
constexpr std::string_view kDetectionLabels[] = {"радиус обнаружения мин.",
                                                 "радиус обнаружения макс.", "номер объекта"};
constexpr std::string_view kConditionNumberLabels[] = {"Номер объекта"};
constexpr std::string_view kActionNumberLabels[] = {"Введите номер объекта"};

const ParameterDialogTexts kNone{"", "", std::span(kNoLabels).first(0), false};
const ParameterDialogTexts kBuilder{"", "", std::span(kNoLabels).first(0), true};
const ParameterDialogTexts kKey{"Выбор клавиши", "", std::span(kNoLabels).first(0), false};
const ParameterDialogTexts kTimer{"Настройка таймера", "Введите значение времени", kTimerLabels,
                                  true};
const ParameterDialogTexts kDetection{"Настройка параметров обнаружения", "", kDetectionLabels,
                                      true};
const ParameterDialogTexts kConditionNumber{"Номер объекта", "", kConditionNumberLabels, true};
const ParameterDialogTexts kActionNumber{"Номер объекта", "", kActionNumberLabels, true};

}  // namespace

const ParameterDialogTexts& ParameterDialogTexts::of(ParameterDialog dialog) {
    switch (dialog) {
        case ParameterDialog::ExpressionBuilder:
            return kBuilder;
        case ParameterDialog::Key:
            return kKey;
        case ParameterDialog::Timer:
            return kTimer;
        case ParameterDialog::Detection:
            return kDetection;
        case ParameterDialog::ConditionObjectNumber:
            return kConditionNumber;
        case ParameterDialog::ActionObjectNumber:
            return kActionNumber;
        case ParameterDialog::None:
        case ParameterDialog::SoundFile:
            break;
    }
    return kNone;
}

}  // namespace avizad
