#pragma once

// The program: `stavor [--home DIR] [--demo]` opens the main window;
// `stavor totals …` runs the regional totals without a window.
int runStavor(int argc, char* argv[]);
