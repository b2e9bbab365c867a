#pragma once

#include <vector>

// The columns of the status report, as the grid and the workbook show them: the field of sprsost,
// the width in characters and the caption.
struct StatusColumn {
    const char* field;
    int width;
    const char* caption;
};

const std::vector<StatusColumn>& statusReportColumns();
