#pragma once

#include <QString>

// The windows: opens the program folder (with the demo farms when asked) and runs the main window
// until it closes. Needs the application object made by the caller.
int runDesktop(const QString& programFolder, bool demo);
