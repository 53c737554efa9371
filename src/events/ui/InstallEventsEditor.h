#pragma once
// Puts the events editor into the main window's central area.

namespace avizad {

class EventsEditor;
class MainWindow;

// Creates the events editor and makes it the window's events panel; returns it.
EventsEditor* installEventsEditor(MainWindow& window);

}  // namespace avizad
