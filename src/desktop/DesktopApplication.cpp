#include "DesktopApplication.h"

#include "CommandRunner.h"
#include "MainWindow.h"
#include "QtTranslations.h"
#include "Session.h"
#include "domain/db/Database.h"
#include "domain/db/ProgramFolder.h"
#include "entry/EntryOpener.h"
#include "totals/TotalsWindow.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <memory>

int runDesktop(const QString& programFolder, bool demo) {
    QApplication::setApplicationName(QStringLiteral("Stavor"));
    installRussianQtTranslations();
    QApplication::setWindowIcon(QApplication::style()->standardIcon(QStyle::SP_FileDialogDetailedView));

    Session session;
    std::unique_ptr<Database> data;
    if (!runCommand([&] { data = openProgramFolder(programFolder, demo); }))
        return 1;

    MainWindow window(*data, session);
    window.setEntryOpener(entryOpener(*data, window));
    TotalsWindowCommand totals(*data, &window);
    window.setCommand(QStringLiteral("actTotals"), [&totals] { totals.open(); });
    window.show();
    return QApplication::exec();
}
