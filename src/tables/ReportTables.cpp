#include "ReportTables.h"

#include "TableDefinition.h"
#include "UnitTable1.h"
#include "UnitTable2.h"
#include "UnitTable3.h"
#include "UnitTable4.h"
#include "UnitTable5.h"
#include "UnitTable6.h"
#include "UnitTable7.h"
#include "UnitTable8.h"
#include "UnitTable9.h"

#include <stdexcept>

const QList<const TableDefinition*>& reportTables() {
    static const QList<const TableDefinition*> tables{&table1(), &table2(), &table3(), &table4(), &table5(),
                                                      &table6(), &table7(), &table8(), &table9()};
    return tables;
}

const TableDefinition& reportTable(int number) {
    for (const TableDefinition* t : reportTables())
        if (t->number == number)
            return *t;
    throw std::out_of_range("no report table " + std::to_string(number));
}

int tableAfterStore(int table) { return table == 9 ? 7 : table + 1; }
