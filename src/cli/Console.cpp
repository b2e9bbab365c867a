#include "Console.h"

#include <cstdio>

namespace {
void print(std::FILE* stream, const QString& text) {
    std::fputs((text + u'\n').toUtf8().constData(), stream);
    std::fflush(stream);
}
} // namespace

void printOut(const QString& text) { print(stdout, text); }
void printError(const QString& text) { print(stderr, text); }

void printLines(const QStringList& lines) {
    for (const QString& line : lines)
        printOut(line);
}
