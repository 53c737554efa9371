#pragma once
// The key script of a headless run, as the emulator reads it: one event a line,
// "FRAME press|release|tap KEY", where FRAME is the number of frames shown before the event
// and KEY a key name (UP, DOWN, LEFT, RIGHT, FIRE, SELECT, SOFT1, SOFT2, LSOFT, RSOFT, 0-9,
// NUM0-NUM9, *, STAR, #, POUND) or a key code. "tap" presses and releases one frame later.
// Blank lines and lines starting with '#' are skipped.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace avizad::vm {

class KeyScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class KeyScript {
public:
    struct Event {
        long long frame;
        bool press;
        int code;
    };

    // Throws KeyScriptError naming `name`, the line and the fault.
    static KeyScript parse(const std::string& text, const std::string& name);

    // The events due once `frames` frames have been shown, taken from the script.
    std::vector<Event> due(long long frames);
    // The events of the next frame that has any, however far ahead.
    std::vector<Event> nextGroup();
    bool empty() const { return next_ >= events_.size(); }

    static std::optional<int> codeOf(const std::string& name);

private:
    std::vector<Event> events_;
    std::size_t next_ = 0;
};

}  // namespace avizad::vm
