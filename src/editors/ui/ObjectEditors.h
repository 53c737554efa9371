#pragma once
// Installs the four object editors in the main window: the create commands and the
// catalogue's "Настройки" open them.

namespace avizad {

class MainWindow;

void installObjectEditors(MainWindow& window);

}  // namespace avizad
