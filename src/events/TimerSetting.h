#pragma once
// The timer dialog's values: the time as typed and in milliseconds.

#include <optional>
#include <string>

namespace avizad {

struct TimerSetting {
    // The fields as typed, joined: minutes + "/" + seconds + "/" + hundredths (Windows-1251).
    std::string timeText;
    // hundredths * 10 + seconds * 1000 + minutes * 60000, rounded to the nearest integer
    // with halves to even.
    int milliseconds = 0;

    // Reads the three fields (Windows-1251). Each is trimmed of leading and trailing
    // spaces and read as a decimal number ("1", "-2", "0,5" or "0.5", "1e3"). On failure
    // returns nothing and sets `error` to the message the user reads (UTF-8); the dialog
    // then stays open with its fields unchanged. A time beyond the 32-bit range is refused
    // the same way.
    static std::optional<TimerSetting> read(const std::string& minutes, const std::string& seconds,
                                            const std::string& hundredths, std::string& error);
};

}  // namespace avizad
