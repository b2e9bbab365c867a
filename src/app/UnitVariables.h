#pragma once

#include <QString>

// The six codes that identify one stored report table.
struct TableTitle {
    QString oblm, rnm, khm, kkhm, porm, godm;
};

// Run-time values shared by the windows for the whole run; nothing here is stored.
struct RunValues {
    QString programFolder;
    QString regionName;
    QString districtName;
    QString regionCode;
    QString year;
    TableTitle title;
    // Which table the correction list works on: 1–6 are Tables 1–6, 7 is Table 9,
    // 8 is Table 7, 9 is Table 8, 0 the title of all tables.
    int correctionSelector = 0;
};

RunValues& runValues();
