#include "StartUp.h"

#include "ProgramFolder.h"
#include "UnitVariables.h"
#include "db/ReferenceData.h"
#include "db/UnitDB.h"

std::unique_ptr<TDataMdl> openProgramFolder(const QStringList& arguments, const QString& executableFolder) {
    runValues().programFolder = resolveProgramFolder(arguments, executableFolder);
    prepareProgramFolder(runValues().programFolder);
    auto data = std::make_unique<TDataMdl>(runValues().programFolder);
    if (arguments.contains(QStringLiteral("--demo")))
        ReferenceData::loadDemoFarms(data->db());
    return data;
}
