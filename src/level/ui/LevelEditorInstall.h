#pragma once
// Plugs the level editor into the main window: the canvas panel "Размещение объектов"
// in the centre, the object palette and its command bar in the catalogue.

namespace avizad {

class MainWindow;

void installLevelEditor(MainWindow& window);

}  // namespace avizad
