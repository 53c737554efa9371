#pragma once
// A painter that records what the level view draws, one line per call.

#include <string>
#include <vector>

#include "level/LevelPainter.h"

namespace avizad::testing {

struct RecordingPainter : LevelPainter {
    std::vector<std::string> calls;

    static std::string rect(const CanvasRect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "-" +
               std::to_string(r.right) + "," + std::to_string(r.bottom);
    }
    void fillRect(const CanvasRect& r, Color) override { calls.push_back("fill " + rect(r)); }
    void frameRect(const CanvasRect& r, Color) override { calls.push_back("frame " + rect(r)); }
    void drawPicture(const Image& picture, const CanvasRect& source,
                     const CanvasRect& target) override {
        calls.push_back("picture " + std::to_string(picture.width()) +
                        (picture.hasAlpha() ? " alpha " : " ") + rect(source) + " -> " +
                        rect(target));
    }
    void drawTextMarker(const CanvasRect& target) override {
        calls.push_back("text " + rect(target));
    }
    void drawText(const CanvasRect& target, const TextLook& look, int zoom) override {
        calls.push_back("rows " + std::to_string(look.rows.size()) + " " +
                        (look.rows.empty() ? std::string() : look.rows.front().text) + " " +
                        std::to_string(zoom) + " " + rect(target));
    }
    void drawDot(const CanvasRect& r, Color) override { calls.push_back("dot " + rect(r)); }
    void drawLabel(int x, int y, const std::string& text, Color) override {
        calls.push_back("label " + text + " " + std::to_string(x) + "," + std::to_string(y));
    }
    int count(const std::string& prefix) const {
        int n = 0;
        for (const std::string& c : calls) {
            n += c.rfind(prefix, 0) == 0 ? 1 : 0;
        }
        return n;
    }
};

}  // namespace avizad::testing
