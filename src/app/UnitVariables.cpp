#include "UnitVariables.h"

RunValues& runValues() {
    static RunValues values;
    return values;
}
