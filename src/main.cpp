#include "cli/CommandLine.h"
#include "desktop/DesktopApplication.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (isCommandLine(argc, argv))
        return runCommandLine(argc, argv);
    QApplication app(argc, argv);
    const std::optional<StartOptions> start = parseStartOptions(QApplication::arguments().mid(1));
    if (!start)
        return 2;
    return runDesktop(start->programFolder, start->demo);
}
