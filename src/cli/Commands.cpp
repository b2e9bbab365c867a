#include "Command.h"
#include "Commands.h"

const QList<Command>& allCommands() {
    static const QList<Command> commands{totalsCommand(), correctionListCommand(), deleteTableCommand(), retitleCommand(), checkCommand()};
    return commands;
}
