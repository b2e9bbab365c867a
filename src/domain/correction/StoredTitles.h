#pragma once

#include "domain/tables/TableTitle.h"

#include <QList>
#include <QString>
#include <QVariantList>

class SqlEngine;

// A stored report table's title with the names behind its codes.
struct NamedTitle {
    QString region;
    QString district;
    QString farm;
    QString category;
    QString breed;
    TableTitle title; // codes; title.godm is the year
};

// The order of the correction list: year, then region, district, farm, farm category and breed
// names.
bool listedBefore(const NamedTitle& a, const NamedTitle& b);

// The titles of a report table's stored rows with their names, in list order; `condition` (empty,
// or " AND " clauses over the aliased tables t, spobl, kodra, kodxoz, kodkx, sppor) narrows them,
// its values bound. A row whose codes have no partner in a reference table is not listed.
QList<NamedTitle> storedTitles(SqlEngine& db, int table, const QString& condition = {},
                               const QVariantList& values = {});
