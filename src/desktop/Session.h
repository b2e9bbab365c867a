#pragma once

#include "domain/tables/TableTitle.h"

#include <QString>

// What the windows of one run share: the region, district and year in use,
// the current table title and the correction selector. Nothing here is stored.
struct Session {
    QString regionName;
    QString districtName;
    QString regionCode;
    QString year;
    TableTitle title;
    // Which table the correction list works on: 1–6 are Tables 1–6, 7 is Table 9,
    // 8 is Table 7, 9 is Table 8, 0 the title of all tables.
    int correctionSelector = 0;
};
