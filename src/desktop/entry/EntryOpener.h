#pragma once

#include <functional>

class Database;
class MainWindow;

// What "Ввод" of the main window runs: the data-entry window, created on first use and kept for
// the rest of the run, opened for the four names chosen in the main window.
std::function<void()> entryOpener(Database& data, MainWindow& main);
