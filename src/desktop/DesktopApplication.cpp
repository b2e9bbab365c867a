#include "DesktopApplication.h"

#include "CommandRunner.h"
#include "MainWindow.h"
#include "QtTranslations.h"
#include "Session.h"
#include "domain/db/Database.h"
#include "domain/db/ProgramFolder.h"
#include "consistency/ConsistencyWindow.h"
#include "correction/CorrectionCommands.h"
#include "entry/EntryOpener.h"
#include "exchange/ExchangeCommands.h"
#include "service/ServiceCommands.h"
#include "entry/FarmImportCommand.h"
#include "references/ReferenceBookCommands.h"
#include "references/ReferenceBookWindow.h"
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
    setCorrectionCommands(*data, window);
    setConsistencyCommand(*data, window);
    TotalsWindowCommand totals(*data, &window);
    window.setCommand(QStringLiteral("actTotals"), [&totals] { totals.open(); });
    ServiceCommands service(*data, &window);
    service.install(window);
    ExchangeCommands exchange(*data, session, &window);
    window.setCommand(QStringLiteral("actSend"), [&exchange] { exchange.send(); });
    window.setCommand(QStringLiteral("actReceive"), [&exchange] { exchange.receive(); });
    window.setCommand(QStringLiteral("actImportJet"), [&exchange] { exchange.importJet(); });
    // Created at start and kept for the run: each menu item reloads it with its book.
    ReferenceBookWindow books(*data, &window);
    setReferenceBookCommands(window, books);
    FarmImportCommand farmImport(*data, &window);
    window.setCommand(QStringLiteral("actImportFarmWorkbook"), [&farmImport] { farmImport.run(); });
    window.show();
    return QApplication::exec();
}
