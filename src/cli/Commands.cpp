#include "Command.h"
#include "Commands.h"

const QList<Command>& allCommands() {
    static const QList<Command> commands{
        totalsCommand(), sendCommand(), receiveCommand(), importJetCommand(), statusCommand(),
        archiveCommand(), restoreCommand(), compactCommand(), cleanCommand()};
    return commands;
}
