#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

class Workbook;

// One sheet of a totals workbook as the independent reader sees it, looked up by row and column.
class SheetReadBack {
public:
    explicit SheetReadBack(QJsonObject sheet) : sheet_(std::move(sheet)) {}

    // The cell's value: a number, a text, or null for an empty cell.
    QJsonValue value(int row, int column) const;
    QString text(int row, int column) const { return value(row, column).toString(); }
    double fontSize(int row, int column) const;
    bool isEmpty(int row, int column) const { return value(row, column).isNull(); }
    const QJsonObject& json() const { return sheet_; }

private:
    QJsonObject cell(int row, int column) const;
    QJsonObject sheet_;
};

// Reads the sheet back from a saved workbook file.
SheetReadBack readSheet(const QString& path, const QString& sheetName);
// Saves the workbook into a temporary file and reads the sheet back.
SheetReadBack saveAndReadSheet(const Workbook& book, const QString& sheetName);
