#include "Command.h"
#include "Commands.h"

const QList<Command>& allCommands() {
    static const QList<Command> commands{
        totalsCommand(),        farmWorkbookCommand(), importFarmWorkbookCommand(),
        referenceListCommand(), referenceAddCommand(), referenceDeleteCommand()};
    return commands;
}
