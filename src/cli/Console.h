#pragma once

#include <QString>

// Lines of a command: results on standard output, messages on standard error, both UTF-8.
void printOut(const QString& text);
void printError(const QString& text);
