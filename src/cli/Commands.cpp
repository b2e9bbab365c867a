#include "Command.h"
#include "Commands.h"

const QList<Command>& allCommands() {
    static const QList<Command> commands{
        totalsCommand(),         correctionListCommand(),     deleteTableCommand(),   retitleCommand(),
        farmWorkbookCommand(),   importFarmWorkbookCommand(), referenceListCommand(), referenceAddCommand(),
        referenceDeleteCommand(), sendCommand(),              receiveCommand(),       importJetCommand(),
        statusCommand(),         archiveCommand(),            restoreCommand(),       compactCommand(),
        cleanCommand(),          checkCommand()};
    return commands;
}
