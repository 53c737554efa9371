#pragma once
// The lines a game prints in its trace mode (docs/game-runtime.md, "Trace mode"), read for
// the tests that play a game: one line per frame,
//   trace L F obtime endTime_ob pressed keeping released | glob[1..20] |
//   x,y,act_upr,visible,act_uron,act_napr,animation,frame ... | viewX,viewY | line_tek ...

#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace avizad::testing {

// One sprite of a trace line.
struct TracedSprite {
    int x = 0;
    int y = 0;
    int mode = 0;  // act_upr: the control type
    bool visible = false;
    int damage = 0;
    int direction = 0;
    int animation = 0;  // 0 idle, 1 move, 2 destroy
    int frame = 0;      // the frame of the strip shown, from 0
};

// One trace line.
struct TraceFrame {
    int level = 0;
    int frame = 0;
    int obtime = 0;
    int timer = 0;  // endTime_ob
    int pressed = 0;
    int keeping = 0;  // the key held (-4 right, -3 left, ...), 0 none
    int released = 0;
    std::vector<int> glob = std::vector<int>(21, 0);  // glob[1..20] at indices 1..20
    std::vector<TracedSprite> sprites;
    int viewX = 0;
    int viewY = 0;
    std::vector<int> indicators;  // line_tek of the level's indicators in placement order
};

// The parts of a line between its bars.
inline std::vector<std::string> traceParts(std::string_view line) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream split{std::string(line)};
    while (std::getline(split, part, '|')) {
        parts.push_back(part);
    }
    return parts;
}

// A trace line read; nothing when the line is not one (other output of the game).
inline std::optional<TraceFrame> parseTraceLine(std::string_view line) {
    if (line.substr(0, 6) != "trace ") {
        return std::nullopt;
    }
    const std::vector<std::string> parts = traceParts(line);
    if (parts.size() < 4) {
        return std::nullopt;
    }
    TraceFrame f;
    std::string word;
    std::istringstream head(parts[0]);
    if (!(head >> word >> f.level >> f.frame >> f.obtime >> f.timer >> f.pressed >> f.keeping >>
          f.released)) {
        return std::nullopt;
    }
    std::istringstream globals(parts[1]);
    for (int g = 1; g <= 20; ++g) {
        if (!(globals >> f.glob[g])) {
            return std::nullopt;
        }
    }
    std::istringstream sprites(parts[2]);
    for (std::string sprite; sprites >> sprite;) {
        TracedSprite s;
        int visible = 0;
        char comma = 0;
        std::istringstream fields(sprite);
        if (!(fields >> s.x >> comma >> s.y >> comma >> s.mode >> comma >> visible >> comma >>
              s.damage >> comma >> s.direction >> comma >> s.animation >> comma >> s.frame)) {
            return std::nullopt;
        }
        s.visible = visible != 0;
        f.sprites.push_back(s);
    }
    char comma = 0;
    if (!(std::istringstream(parts[3]) >> f.viewX >> comma >> f.viewY)) {
        return std::nullopt;
    }
    // "...|" ends with an empty part, which getline does not give: a level without
    // indicators has no fifth part.
    std::istringstream bars(parts.size() > 4 ? parts[4] : std::string());
    for (int v = 0; bars >> v;) {
        f.indicators.push_back(v);
    }
    return f;
}

// Every trace line of a game's output, in order.
inline std::vector<TraceFrame> traceLines(const std::string& output) {
    std::vector<TraceFrame> frames;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (const std::optional<TraceFrame> f = parseTraceLine(line)) {
            frames.push_back(*f);
        }
    }
    return frames;
}

// The runs of the levels in the order they were played: a run starts at a level's frame 0.
inline std::vector<std::vector<TraceFrame>> levelRuns(const std::vector<TraceFrame>& frames) {
    std::vector<std::vector<TraceFrame>> runs;
    for (const TraceFrame& f : frames) {
        if (f.frame == 0 || runs.empty()) {
            runs.emplace_back();
        }
        runs.back().push_back(f);
    }
    return runs;
}

}  // namespace avizad::testing
