// Java's conversions between floating-point numbers and text: Double.toString and
// Float.toString (the shortest digits that read back to the same number, laid out as Java lays
// them out) and Double.parseDouble / Float.parseFloat (Java's grammar, rounded once).

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "vm/Vm.h"

namespace avizad::vm {

namespace {

// The shortest digits of |v| and its decimal exponent: v = 0.DIGITS x 10^exponent.
template <typename T>
void shortestDigits(T v, std::string& digits, int& exponent) {
    char buf[64];
    // Java writes at least two digits (d.d), and of those the closest that reads back.
    for (int precision = 2; precision <= 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*e", precision - 1, static_cast<double>(v));
        T back;
        if constexpr (sizeof(T) == 4) {
            back = std::strtof(buf, nullptr);
        } else {
            back = std::strtod(buf, nullptr);
        }
        if (back == v || precision == 17) {
            break;
        }
    }
    // buf: d.ddde[+-]xx
    std::string s(buf);
    const std::size_t e = s.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i) {
        if (s[i] != '.') {
            digits.push_back(s[i]);
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    exponent = std::atoi(s.c_str() + e + 1) + 1;
}

template <typename T>
std::string javaToString(T v) {
    if (std::isnan(v)) {
        return "NaN";
    }
    if (std::isinf(v)) {
        return v > 0 ? "Infinity" : "-Infinity";
    }
    if (v == 0) {
        return std::signbit(v) ? "-0.0" : "0.0";
    }
    std::string out = std::signbit(v) ? "-" : "";
    const T a = std::fabs(v);
    std::string digits;
    int exponent = 0;
    shortestDigits(a, digits, exponent);
    const int sci = exponent - 1;
    if (a >= static_cast<T>(1e-3) && a < static_cast<T>(1e7)) {
        if (sci >= 0) {
            std::string whole = digits.substr(0, std::min<std::size_t>(digits.size(), sci + 1));
            while (static_cast<int>(whole.size()) < sci + 1) {
                whole.push_back('0');
            }
            std::string frac = static_cast<int>(digits.size()) > sci + 1
                                   ? digits.substr(static_cast<std::size_t>(sci + 1))
                                   : "0";
            out += whole + "." + frac;
        } else {
            out += "0." + std::string(static_cast<std::size_t>(-sci - 1), '0') + digits;
        }
        return out;
    }
    out += digits.substr(0, 1) + "." + (digits.size() > 1 ? digits.substr(1) : "0") + "E" +
           std::to_string(sci);
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isHex(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

std::string javaDoubleToString(double v) {
    return javaToString(v);
}
std::string javaFloatToString(float v) {
    return javaToString(v);
}

std::optional<double> parseJavaFloatingPoint(const std::string& text, bool toFloat) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') {
        ++b;
    }
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') {
        --e;
    }
    std::string s = text.substr(b, e - b);
    if (s.empty()) {
        return std::nullopt;
    }
    std::size_t i = 0;
    bool negative = false;
    if (s[0] == '+' || s[0] == '-') {
        negative = s[0] == '-';
        ++i;
    }
    const std::string rest = s.substr(i);
    if (rest == "NaN") {
        return std::nan("");
    }
    if (rest == "Infinity") {
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    std::size_t j = i;
    bool hex = false;
    if (s.size() > j + 1 && s[j] == '0' && (s[j + 1] == 'x' || s[j + 1] == 'X')) {
        hex = true;
        j += 2;
    }
    bool any = false;
    auto digit = hex ? isHex : isDigit;
    while (j < s.size() && digit(s[j])) {
        ++j;
        any = true;
    }
    if (j < s.size() && s[j] == '.') {
        ++j;
        while (j < s.size() && digit(s[j])) {
            ++j;
            any = true;
        }
    }
    if (!any) {
        return std::nullopt;
    }
    const char expChar = hex ? 'p' : 'e';
    if (j < s.size() && (s[j] == expChar || s[j] == expChar - 32)) {
        ++j;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        bool expDigits = false;
        while (j < s.size() && isDigit(s[j])) {
            ++j;
            expDigits = true;
        }
        if (!expDigits) {
            return std::nullopt;
        }
    } else if (hex) {
        return std::nullopt;  // a hexadecimal number needs its binary exponent
    }
    std::string number = s.substr(0, j);
    if (j < s.size()) {
        const char suffix = s[j];
        if (j + 1 != s.size() ||
            (suffix != 'f' && suffix != 'F' && suffix != 'd' && suffix != 'D')) {
            return std::nullopt;
        }
    }
    if (toFloat) {
        return static_cast<double>(std::strtof(number.c_str(), nullptr));
    }
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace avizad::vm
