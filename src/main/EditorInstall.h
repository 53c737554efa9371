#pragma once
// The editor's panels put into the main window: each gets the project document and the window
// as its host, takes its place in the centre or the catalogue, and is wired to the window's
// commands. The program installs all of them; tests install the ones they drive.

namespace avizad {

class EventsEditor;
class MainWindow;

// The four object editors: the create commands and "Настройки" of the catalogue show them.
void installObjectEditors(MainWindow& window);
// The level canvas in the centre, the object palette and its command bar in the catalogue.
void installLevelEditor(MainWindow& window);
// The events editor in the centre.
EventsEditor* installEventsEditor(MainWindow& window);

}  // namespace avizad
