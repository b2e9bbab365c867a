#include "ReportTables.h"

#include "TableDefinition.h"
#include "Table1.h"
#include "Table2.h"
#include "Table3.h"
#include "Table4.h"
#include "Table5.h"
#include "Table6.h"
#include "Table7.h"
#include "Table8.h"
#include "Table9.h"

#include <stdexcept>

const QList<const TableDefinition*>& reportTables() {
    static const QList<const TableDefinition*> tables{&table1(), &table2(), &table3(), &table4(), &table5(),
                                                      &table6(), &table7(), &table8(), &table9()};
    return tables;
}

const TableDefinition& reportTable(int number) { return tableNumbered(reportTables(), number); }

const TableDefinition& tableNumbered(const QList<const TableDefinition*>& tables, int number) {
    for (const TableDefinition* t : tables)
        if (t->number == number)
            return *t;
    throw std::out_of_range("no report table " + std::to_string(number));
}

int tableAfterStore(int table) { return table == 9 ? 7 : table + 1; }
