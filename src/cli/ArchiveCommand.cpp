#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "domain/db/Database.h"
#include "domain/service/ArchiveCopy.h"

namespace {

int run(const CommandArgs& args) {
    const auto data = args.openProgramFolder();
    printOut(archiveCopyMessage(makeArchiveCopy(*data)));
    return 0;
}

} // namespace

Command archiveCommand() {
    return {QStringLiteral("archive"), QStringLiteral("Создать архив БД: копия рабочей БД в папке arch."), {}, QString(), 0, 0,
            run};
}
