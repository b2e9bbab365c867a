#pragma once

#include "TableTitle.h"

#include <QString>
#include <stdexcept>

class Database;

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
// The same for a given region code and year instead of the settings' (the command line).
TableTitle resolveTitle(Database& data, const QString& regionCode, const QString& year, const TitleNames& names);
// The code of a region by its name, compared without regard to case; TitleError when none.
QString regionCodeOf(Database& data, const QString& regionName);
