#pragma once

#include "domain/references/ReferenceBooks.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class QPrinter;

// The printout of a reference book as the window shows it: named after the book's table, titled
// with its caption, its columns and rows as in the grid.
struct BookReport {
    QString name;
    QString title;
    QList<BookColumn> columns;
    QList<QStringList> rows;
    QDate date = QDate::currentDate();
};

// Prints the report on the printer (a PDF file when its output file name is set): on every page
// the title, the date, the ruled table with the column captions repeated, and the page number.
// An empty book prints its captions over no rows. Throws when the printer cannot start.
void renderBookReport(const BookReport& report, QPrinter& printer);
