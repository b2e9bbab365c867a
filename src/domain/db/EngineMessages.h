#pragma once

#include <QString>

// The Russian sentence for an engine failure on a database file: what failed, the file, and the
// engine's own text in parentheses. `code` is SQLite's result code (extended codes allowed).
QString engineFailureMessage(int code, const QString& filePath, const QString& engineText);
