#pragma once

struct Command;

// One factory per command file; Commands.cpp lists them for help and dispatch.
Command totalsCommand();
Command correctionListCommand();
Command deleteTableCommand();
Command retitleCommand();
Command checkCommand();
