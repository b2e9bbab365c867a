#pragma once

#include "domain/tables/TableTitle.h"

#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>

class SqlEngine;
class SqlRow;

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

// A narrowing of the stored rows: " AND " clauses over the aliased tables t (the data table),
// spobl, kodra, kodxoz, kodkx, sppor, and the values bound to them.
struct TitleCondition {
    QString clauses;
    QVariantList values;
};

// The titles of a report table's stored rows with their names, in list order, in one statement.
// A row whose codes have no partner in a reference table is not listed.
QList<NamedTitle> storedTitles(SqlEngine& db, int table, const TitleCondition& condition = {});

// The same walk, handing each title with its row, which holds also the data columns asked for.
void forEachStoredTitle(SqlEngine& db, int table, const TitleCondition& condition, const QStringList& dataColumns,
                        const std::function<void(const NamedTitle&, const SqlRow&)>& visit);
