#pragma once
// The program's pictures, drawn in code: toolbar icons, the logo, the splash picture.

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
    Application,
};

class AppIcons {
public:
    static QIcon icon(AppIcon which);
    // The logo of the window's top-left corner, `height` pixels high.
    static QPixmap logo(int height);
    // The picture of the splash window.
    static QPixmap splash();
};

}  // namespace avizad
