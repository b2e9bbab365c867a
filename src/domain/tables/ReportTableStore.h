#pragma once

#include "TableRules.h"
#include "TableTitle.h"

#include <QVariantList>

class SqlEngine;
struct TableDefinition;

// Update when the page's stored-row flag is set (and always in the correction window),
// insert otherwise.
enum class StoreMode { Update, Insert };

// What loading a page found: `found` is the page's stored-row flag, `sent` the row's send column.
struct PageLoad {
    bool found = false;
    bool sent = false;
    QString mode() const; // the page mode for the status line
};

// Reads and writes the stored rows of one table title. Every statement ends in the title
// condition (" where oblm=? and rnm=? … and godm=?", the trimmed codes bound in that order).
class ReportTableStore {
public:
    ReportTableStore(SqlEngine& db, const TableTitle& title);

    const TableTitle& title() const { return title_; }

    // The stored row into the table's cells (decimal cells with one decimal and a comma, an empty
    // column as an empty field); no row: every cell of the window becomes "0".
    PageLoad load(const TableDefinition& table, CellTexts& cells);
    // Writes the cells as numbers (a cell that cannot be read throws CellConversionError before
    // anything is written) with send False and an empty datesend; returns the message for the user.
    QString store(const TableDefinition& table, const CellTexts& cells, StoreMode mode);

    // One column of a table's stored row as an integer; a missing row or empty column is 0.
    qint64 storedInteger(int table, const QString& column);
    StoredReader storedReader();

    // " where oblm=? and rnm=? … and godm=?" and the title's trimmed codes in that order.
    static QString titleCondition();
    static QVariantList titleValues(const TableTitle& title);

private:
    int update(const TableDefinition& table, const QVariantList& cellValues);
    int insert(const TableDefinition& table, const QVariantList& cellValues);

    SqlEngine& db_;
    TableTitle title_;
};
