#pragma once
// The program's pictures: toolbar icons, the logo and the splash picture, drawn as SVG files
// of the shell's resources (resources/icons/*.svg, resources/splash.svg).

#include <QIcon>
#include <QPixmap>

namespace avizad {

enum class AppIcon {
    OpenProject,
    NewProject,
    SaveProject,
    Compile,
    RunGame,
    NewBackground,
    NewActive,
    NewIndicator,
    NewText,
    NewLevel,
    LevelProperties,
    MoveUp,
    MoveDown,
    Delete,
    KindBackground,
    KindActive,
    KindIndicator,
    KindText,
    Help,
    Undo,
    Redo,
    Duplicate,
    Application,  // stays last: kAppIconCount counts up to it
};

inline constexpr int kAppIconCount = static_cast<int>(AppIcon::Application) + 1;

class AppIcons {
public:
    // The icon drawn from its file at whatever size and pixel ratio a widget asks for.
    static QIcon icon(AppIcon which);
    // The logo of the window's top-left corner, `height` pixels high.
    static QPixmap logo(int height);
    // The picture of the splash window.
    static QPixmap splash();
};

}  // namespace avizad
