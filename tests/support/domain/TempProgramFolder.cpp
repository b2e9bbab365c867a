#include "TempProgramFolder.h"

#include "domain/db/ProgramFolder.h"
#include "domain/db/ReferenceData.h"

TempProgramFolder::TempProgramFolder() {
    prepareProgramFolder(dir_.path());
    data_ = std::make_unique<Database>(dir_.path());
}

void TempProgramFolder::addDemoFarms() { ReferenceData::loadDemoFarms(db()); }
