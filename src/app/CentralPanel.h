#pragma once

namespace avizad {

// The work panels of the main window's centre; one is shown at a time.
enum class CentralPanel {
    Events,       // the events editor
    LevelCanvas,  // the level placement canvas
    BackgroundEditor,
    ActiveEditor,
    IndicatorEditor,
    TextEditor,
};

// Whether a panel is one of the four object editors (they lie over the other two).
constexpr bool isObjectEditor(CentralPanel panel) {
    return panel != CentralPanel::Events && panel != CentralPanel::LevelCanvas;
}

}  // namespace avizad
