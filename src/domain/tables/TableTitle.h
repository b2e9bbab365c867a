#pragma once

#include <QString>

// The six codes that identify one stored report table.
struct TableTitle {
    QString oblm, rnm, khm, kkhm, porm, godm;
};
