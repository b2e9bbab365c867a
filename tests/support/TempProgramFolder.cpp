#include "TempProgramFolder.h"

#include "app/ProgramFolder.h"
#include "app/UnitVariables.h"
#include "db/ReferenceData.h"

TempProgramFolder::TempProgramFolder() {
    prepareProgramFolder(dir_.path());
    runValues() = RunValues{};
    runValues().programFolder = dir_.path();
    data_ = std::make_unique<TDataMdl>(dir_.path());
}

void TempProgramFolder::addDemoFarms() { ReferenceData::loadDemoFarms(db()); }
