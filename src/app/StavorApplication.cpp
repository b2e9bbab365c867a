#include "StavorApplication.h"

#include "CommandRunner.h"
#include "StartUp.h"
#include "UnitMain.h"
#include "db/UnitDB.h"
#include "entry/EntryOpener.h"
#include "totals/TotalsCommandLine.h"
#include "totals/UnitLogTest.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <cstring>
#include <memory>

int runStavor(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "totals") == 0)
        return runTotalsCommandLine(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stavor"));
    QApplication::setWindowIcon(app.style()->standardIcon(QStyle::SP_FileDialogDetailedView));

    std::unique_ptr<TDataMdl> data;
    if (!runCommand([&] { data = openProgramFolder(QApplication::arguments(), QApplication::applicationDirPath()); }))
        return 1;

    TFormMain window(*data);
    window.setEntryOpener(entryOpener(*data, window));
    TotalsWindowCommand totals(*data, &window);
    window.setCommand(QStringLiteral("actTotals"), [&totals] { totals.open(); });
    window.show();
    return QApplication::exec();
}
