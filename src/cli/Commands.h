#pragma once

struct Command;

// One factory per command file; Commands.cpp lists them for help and dispatch.
Command totalsCommand();
Command statusCommand();
Command archiveCommand();
Command restoreCommand();
Command compactCommand();
Command cleanCommand();
Command sendCommand();
Command receiveCommand();
Command importJetCommand();
Command correctionListCommand();
Command deleteTableCommand();
Command retitleCommand();
Command farmWorkbookCommand();
Command referenceListCommand();
Command referenceAddCommand();
Command referenceDeleteCommand();
Command importFarmWorkbookCommand();
Command checkCommand();
