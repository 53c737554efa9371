#include "vm/KeyScript.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace avizad::vm {

namespace {

std::string upper(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

bool parseLong(const std::string& s, long long& out) {
    if (s.empty()) {
        return false;
    }
    std::size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    if (i == s.size()) {
        return false;
    }
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i])) || v > (1LL << 58)) {
            return false;
        }
        v = v * 10 + (s[i] - '0');
    }
    out = s[0] == '-' ? -v : v;
    return true;
}

}  // namespace

std::optional<int> KeyScript::codeOf(const std::string& name) {
    static const std::pair<const char*, int> names[] = {
        {"UP", -1},     {"DOWN", -2},  {"LEFT", -3},  {"RIGHT", -4}, {"FIRE", -5},
        {"SELECT", -5}, {"SOFT1", -6}, {"SOFT2", -7}, {"LSOFT", -6}, {"RSOFT", -7},
        {"*", 42},      {"STAR", 42},  {"#", 35},     {"POUND", 35},
    };
    const std::string u = upper(name);
    for (const auto& [n, code] : names) {
        if (u == n) {
            return code;
        }
    }
    for (int i = 0; i <= 9; ++i) {
        if (u == std::to_string(i) || u == "NUM" + std::to_string(i)) {
            return 48 + i;
        }
    }
    long long v = 0;
    if (parseLong(name, v) && v != 0 && v >= INT32_MIN && v <= INT32_MAX) {
        return static_cast<int>(v);
    }
    return std::nullopt;
}

KeyScript KeyScript::parse(const std::string& text, const std::string& name) {
    KeyScript s;
    std::istringstream lines(text);
    std::string raw;
    int lineNo = 0;
    while (std::getline(lines, raw)) {
        ++lineNo;
        std::istringstream words(raw);
        std::vector<std::string> f;
        for (std::string w; words >> w;) {
            f.push_back(w);
        }
        if (f.empty() || f[0][0] == '#') {
            continue;
        }
        const std::string where = name + ":" + std::to_string(lineNo) + ": ";
        if (f.size() != 3) {
            std::string line = raw;
            while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) {
                line.pop_back();
            }
            throw KeyScriptError(where + "expected FRAME ACTION KEY, got: " +
                                 line.substr(line.find_first_not_of(" \t")));
        }
        long long frame = 0;
        if (!parseLong(f[0], frame)) {
            throw KeyScriptError(where + "bad frame number: " + f[0]);
        }
        if (frame < 0) {
            throw KeyScriptError(where + "negative frame number: " + f[0]);
        }
        const auto code = codeOf(f[2]);
        if (!code) {
            throw KeyScriptError(where + "unknown key: " + f[2]);
        }
        std::string action = f[1];
        for (char& c : action) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (action == "press") {
            s.events_.push_back({frame, true, *code});
        } else if (action == "release") {
            s.events_.push_back({frame, false, *code});
        } else if (action == "tap") {
            s.events_.push_back({frame, true, *code});
            s.events_.push_back({frame + 1, false, *code});
        } else {
            throw KeyScriptError(where + "unknown action: " + f[1]);
        }
    }
    std::stable_sort(s.events_.begin(), s.events_.end(),
                     [](const Event& a, const Event& b) { return a.frame < b.frame; });
    return s;
}

std::vector<KeyScript::Event> KeyScript::due(long long frames) {
    std::vector<Event> out;
    while (next_ < events_.size() && events_[next_].frame <= frames) {
        out.push_back(events_[next_++]);
    }
    return out;
}

std::vector<KeyScript::Event> KeyScript::nextGroup() {
    if (next_ >= events_.size()) {
        return {};
    }
    return due(events_[next_].frame);
}

}  // namespace avizad::vm
