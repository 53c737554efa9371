#pragma once
// The fixed texts of the parameter dialogs and the expression builder (UTF-8),
// and the values their object number fields give.

#include <span>
#include <string>
#include <string_view>

#include "events/ParameterDialog.h"

namespace avizad {

struct ParameterDialogTexts {
    std::string_view title;                         // window title
    std::string_view group;                         // group or label above the fields ("" = none)
    std::span<const std::string_view> fieldLabels;  // labels of the fields, in order
    bool hasCancel;                                 // "Отмена" besides "Да"

    // The texts of a dialog; the expression builder's title is "" (its label comes from
    // builderModeInfo), SoundFile and None have no texts.
    static const ParameterDialogTexts& of(ParameterDialog dialog);

    static constexpr std::string_view kYes = "Да";         // hint of the confirm button
    static constexpr std::string_view kCancel = "Отмена";  // hint of the cancel button
    // The expression builder's editing buttons; "объект" may open the value words of
    // ValueTokens.h.
    static constexpr std::string_view kBuilderDelete = "удалить";
    static constexpr std::string_view kBuilderClear = "очистить";
    static constexpr std::string_view kBuilderObject = "объект";
    // The builder's button with the general value words (timer, level, screen, globals).
    static constexpr std::string_view kBuilderValues = "значение";
    // The label of the typed row text in mode "строка со значением".
    static constexpr std::string_view kBuilderRowText = "Текст строки:";
    // The detection dialog's check box, shown neither enabled nor visible.
    static constexpr std::string_view kDetectionObstacles = "С учетом припятствий";
    // The sound file dialog's filter: pairs of description and pattern.
    static constexpr std::string_view kSoundFilter = "Midi|*.mid|Wav|*.wav|MP3|*.mp3";

    // The condition object number dialog's value M as decimal text.
    static std::string conditionObjectNumber(int value) { return std::to_string(value); }
};

}  // namespace avizad
