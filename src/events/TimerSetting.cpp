#include "events/TimerSetting.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "model/Cp1251.h"

namespace avizad {

namespace {

// Without leading and trailing spaces and control characters.
std::string trimmed(const std::string& text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(text[first])) {
        ++first;
    }
    while (last > first && blank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number: optional sign, digits with an optional "," or "." fraction
// (at least one digit in all), optional exponent.
std::optional<double> decimal(const std::string& text) {
    std::string normal;
    std::size_t i = 0;
    auto take = [&](char c) {
        normal += c;
        ++i;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        take(text[i]);
    }
    int digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        take(text[i]);
        ++digits;
    }
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        take('.');
        while (i < text.size() && isDigit(text[i])) {
            take(text[i]);
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        take('e');
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            take(text[i]);
        }
        int exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            take(text[i]);
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    const double value = std::strtod(normal.c_str(), nullptr);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<TimerSetting> TimerSetting::read(const std::string& minutes,
                                               const std::string& seconds,
                                               const std::string& hundredths, std::string& error) {
    error.clear();
    double total = 0;
    const std::pair<const std::string*, double> fields[] = {
        {&hundredths, 10.0}, {&seconds, 1000.0}, {&minutes, 60000.0}};
    for (const auto& [field, factor] : fields) {
        const std::optional<double> value = decimal(trimmed(*field));
        if (!value) {
            error = "\"" + cp1251ToUtf8(*field) + "\" не является правильным числом.";
            return std::nullopt;
        }
        total += *value * factor;
    }
    const double rounded = std::nearbyint(total);  // the default rounding: halves to even
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<int>::min() ||
        rounded > std::numeric_limits<int>::max()) {
        error = "Время слишком велико: больше 2147483647 миллисекунд.";
        return std::nullopt;
    }
    return TimerSetting{minutes + "/" + seconds + "/" + hundredths, static_cast<int>(rounded)};
}

}  // namespace avizad
