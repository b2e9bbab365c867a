#pragma once

#include "TableTitle.h"

#include <QString>
#include <stdexcept>

class Database;
class SqlEngine;

// The four names chosen in the main window.
struct TitleNames {
    QString district;
    QString farm;
    QString category;
    QString breed;
};

// A title that cannot be resolved; the text says in plain words what was not found.
class TitleError : public std::runtime_error {
public:
    explicit TitleError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// The six codes of the table title: region and year from the settings, the district within the
// region, the farm within that district, the farm category and the breed by name (compared
// without regard to case). Throws TitleError when the settings or a name resolve to nothing;
// the entry window then does not open.
TableTitle CreateUpperForTables(Database& data, const TitleNames& names);

// A whole title by names, as title editing and the command line choose it.
struct TitleChoice {
    QString region;
    TitleNames names;
    QString year;
};

// The six codes of a title chosen by names: the region by name, the rest as above, the year as
// four digits. Throws TitleError when a name resolves to nothing or the year is not four digits.
TableTitle resolveTitle(SqlEngine& db, const TitleChoice& choice);

// How the choice of every region is named in the windows, the workbooks and on the command line.
inline const QString kAllRegionsName = QStringLiteral("Все регионы");

// A region's code by its name (without regard to case); throws TitleError when there is none.
QString regionCode(SqlEngine& db, const QString& regionName);
// As regionCode, but kAllRegionsName gives an empty code: no region chosen.
QString regionCodeOrAll(SqlEngine& db, const QString& regionName);
// The year trimmed; throws TitleError unless it is four digits.
QString checkedYear(const QString& year);
