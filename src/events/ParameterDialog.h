#pragma once
// The dialog a catalogue entry opens before it builds its caption and code.

namespace avizad {

enum class ParameterDialog {
    None,
    ExpressionBuilder,  // the builder, in the entry's builderMode (ExpressionBuilder.h)
    Key,                // the phone key dialog (PhoneKeys.h): keyName, keyCode
    Timer,              // the timer dialog (TimerSetting.h): timeText, milliseconds
    Detection,          // the detection dialog (DetectionSetting.h): a, b, m
    ConditionObjectNumber,  // "Номер объекта" with "Да" and "Отмена" (ParameterDialogTexts.h): m
    ActionObjectNumber,  // "Введите номер объекта" with "Да" and "Отмена": m
    SoundFile,           // a file dialog, then SoundFile::prepare: file, contentType
};

}  // namespace avizad
