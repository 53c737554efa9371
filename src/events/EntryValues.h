#pragma once
// The values a catalogue entry splices into its caption and code. The widget
// fills the ones its entry's dialog returns (see CatalogueEntry::dialog); every
// text is Windows-1251, every number is written as decimal text.

#include <string>

#include "events/BuiltText.h"
#include "events/DetectionSetting.h"
#include "events/PhoneKeys.h"
#include "events/SoundFile.h"
#include "events/TimerSetting.h"

namespace avizad {

struct EntryValues {
    // N: the object type number. Conditions: the position + 1 of the object chosen in
    // the panel's list of its kind. Actions: the clicked column (the editor's objectNumber);
    // the zero-based N0 the text sizes use is n - 1.
    int n = 0;
    // The name of the chosen background object (background conditions).
    std::string name{};
    // M: the number of the object number dialogs or the detection dialog; for the action
    // "перемещение по траектории" the trajectory number.
    int m = 0;
    // A and B: the minimum and maximum detection radius.
    int a = 0;
    int b = 0;
    // The key dialog's key name and key code (decimal text), e.g. "venter" and "-5".
    std::string keyName{};
    std::string keyCode{};
    // The timer dialog's T-text (minutes/seconds/hundredths as typed) and T in milliseconds.
    std::string timeText{};
    int milliseconds = 0;
    // The expression builder's results: C-caption/C-code for conditions, V-caption/V-code
    // ("ввод значения") or G-caption/G-code ("ввод глобального") for actions.
    std::string builderCaption{};
    std::string builderCode{};
    // The row text typed in the builder's mode "строка со значением", which the value
    // follows.
    std::string rowText{};
    // L: the level shown in the level editor when the action is added (Project::currentLevel).
    int level = 0;
    // The sound file's name without its folder and its content type (SoundFile).
    std::string file{};
    std::string contentType{};

    // Fill in what a confirmed dialog returned.
    void setKey(const PhoneKey& key) {
        keyName = std::string(key.name);
        keyCode = std::string(key.code);
    }
    void setTimer(const TimerSetting& timer) {
        timeText = timer.timeText;
        milliseconds = timer.milliseconds;
    }
    void setDetection(const DetectionSetting& detection) {
        a = detection.minimumRadius;
        b = detection.maximumRadius;
        m = detection.objectNumber;
    }
    void setBuilderResult(const BuiltText& result) {
        builderCaption = result.caption;
        builderCode = result.code;
    }
    void setSound(const SoundFile& sound) {
        file = sound.file;
        contentType = sound.contentType;
    }
};

}  // namespace avizad
