#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "domain/db/Database.h"
#include "domain/service/Restore.h"

namespace {

int run(const CommandArgs& args) {
    const auto data = args.openProgramFolder();
    printLines(restoredMessages(restoreDatabase(*data, args.arguments().first())));
    return 0;
}

} // namespace

Command restoreCommand() {
    return {QStringLiteral("restore"),
            QStringLiteral("Восстановить БД из архива: рабочая БД заменяется копией из ФАЙЛА, прежняя сохраняется в arch."),
            {},
            QStringLiteral("ФАЙЛ"),
            1,
            1,
            run};
}
