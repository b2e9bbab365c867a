#include "TotalsCommandLine.h"

#include <cstdio>

int runTotalsCommandLine(int, char*[]) {
    std::fputs("Счет по области пока недоступен.\n", stderr);
    return 2;
}
