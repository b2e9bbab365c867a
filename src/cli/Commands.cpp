#include "Command.h"
#include "Commands.h"

const QList<Command>& allCommands() {
    static const QList<Command> commands{totalsCommand(),         farmWorkbookCommand(), referenceListCommand(),
                                         referenceAddCommand(), referenceDeleteCommand()};
    return commands;
}
