#pragma once

#include <QString>
#include <QStringList>

// Lines of a command: results on standard output, messages on standard error, both UTF-8.
void printOut(const QString& text);
void printError(const QString& text);
// A report of several lines on standard output.
void printLines(const QStringList& lines);
