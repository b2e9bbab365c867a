#pragma once

// `stavor COMMAND …`, `stavor help [COMMAND]`, `stavor --help`, `stavor --version`: true when the
// words after the program name ask for the command line rather than the windows.
bool isCommandLine(int argc, char* argv[]);

// Runs the command line with a core application only (no display needed). Exit codes: 0 done,
// 1 failed (a Russian message on standard error), 2 bad usage; a command may add its own.
int runCommandLine(int argc, char* argv[]);

#include <QString>
#include <QStringList>
#include <optional>

// The windows' own options, read by the commands' parser: [--home DIR] [--demo].
struct StartOptions {
    QString programFolder;
    bool demo = false;
};
// Bad usage is told on standard error with the usage line, and nothing is returned.
std::optional<StartOptions> parseStartOptions(const QStringList& words);
