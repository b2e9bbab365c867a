#pragma once

class MainWindow;
class ReferenceBookWindow;

// Gives each item of the main window's "Справочники" menu its book in the one window.
void setReferenceBookCommands(MainWindow& main, ReferenceBookWindow& books);
