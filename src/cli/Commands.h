#pragma once

struct Command;

// One factory per command file; Commands.cpp lists them for help and dispatch.
Command totalsCommand();
Command farmWorkbookCommand();
Command referenceListCommand();
Command referenceAddCommand();
Command referenceDeleteCommand();
Command importFarmWorkbookCommand();
