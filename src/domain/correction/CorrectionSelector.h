#pragma once

#include <QList>
#include <QString>

// The correction selector of the main window's "Корректировка" items: 1 to 6 are Tables 1 to 6,
// 7 is Table 9, 8 Table 7, 9 Table 8, 0 the title of all tables. Out-of-range selectors throw
// std::out_of_range.
namespace CorrectionSelector {

constexpr int kAllTables = 0;

// The table the list shows (Table 1's rows stand for the titles under selector 0).
int listedTable(int selector);
// The tables a title change touches, in the order it changes them.
QList<int> retitledTables(int selector);
// The selector of a table (never 0).
int ofTable(int table);
QString listCaption(int selector);
QString titleCaption(int selector);

} // namespace CorrectionSelector
