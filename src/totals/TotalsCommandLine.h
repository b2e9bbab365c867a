#pragma once

// `stavor totals --home DIR --region NAME --year YYYY [--export]`: the regional totals without a
// window. Prints the log lines; returns non-zero on an error.
int runTotalsCommandLine(int argc, char* argv[]);
