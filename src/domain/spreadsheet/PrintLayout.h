#pragma once

#include <vector>

class Worksheet;

// The rows after which printed pages end, ascending and below the sheet's last printed row.
std::vector<int> pageBreakRows(const Worksheet& sheet);

// The print scale in percent for a sheet with the given page breaks (see PageSetup).
int printScale(const Worksheet& sheet, const std::vector<int>& breaks);
