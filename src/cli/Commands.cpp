#include "Command.h"
#include "Commands.h"

const QList<Command>& allCommands() {
    static const QList<Command> commands{totalsCommand(), sendCommand(), receiveCommand(), importJetCommand()};
    return commands;
}
