#include "StavorApplication.h"

#include "CommandRunner.h"
#include "ProgramFolder.h"
#include "UnitMain.h"
#include "UnitVariables.h"
#include "db/ReferenceData.h"
#include "db/UnitDB.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <memory>

int runStavor(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stavor"));
    QApplication::setWindowIcon(app.style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    const QStringList args = QApplication::arguments();

    std::unique_ptr<TDataMdl> data;
    const bool ready = runCommand([&] {
        runValues().programFolder = resolveProgramFolder(args, QApplication::applicationDirPath());
        prepareProgramFolder(runValues().programFolder);
        data = std::make_unique<TDataMdl>(runValues().programFolder);
        if (args.contains(QStringLiteral("--demo")))
            ReferenceData::loadDemoFarms(data->db());
    });
    if (!ready)
        return 1;

    TFormMain window(*data);
    window.show();
    return QApplication::exec();
}
