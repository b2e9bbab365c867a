#pragma once

#include "FarmSheetMap.h"
#include "domain/tables/TableTitle.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

class SqlEngine;
class Worksheet;

// A value of a sheet that its field would not take, or a title that names nothing; the text
// names the sheet and the cell.
class FarmSheetError : public std::runtime_error {
public:
    explicit FarmSheetError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// "C13"
QString cellName(CellAddress cell);

// The six title codes of a sheet, each checked against the reference books; FarmSheetError
// when a code is empty, malformed or unknown.
TableTitle readFarmTitle(SqlEngine& db, const Worksheet& sheet, const FarmSheetMap& map);
// Whether the sheet's title cells that hold a value differ from the title.
bool titleDiffers(const Worksheet& sheet, const FarmSheetMap& map, const TableTitle& title);

// Whether any value cell of the table holds a value.
bool hasValues(const Worksheet& sheet, const FarmSheetMap& map);
// The text a person would type into each field of the table (a blank cell: an empty field).
// A value the field's mask would not take throws FarmSheetError with sheet, cell and column.
QHash<QString, QString> typedTexts(const Worksheet& sheet, const FarmSheetMap& map);
