#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "domain/db/Database.h"
#include "domain/farmworkbook/FarmWorkbookImport.h"

namespace {

int run(const CommandArgs& args) {
    const auto data = args.openProgramFolder();
    QList<FarmFileImport> files;
    for (const QString& path : args.arguments())
        files << importFarmWorkbook(data->db(), path);
    printLines(farmImportReport(files));
    return farmImportExitCode(files);
}

} // namespace

Command importFarmWorkbookCommand() {
    return {QStringLiteral("import-farm-workbook"),
            QStringLiteral("Принимает таблицы хозяйств из книг Excel с проверками окна ввода (код 3: часть отклонена)."),
            {}, QStringLiteral("ФАЙЛ…"), 1, -1, run};
}
