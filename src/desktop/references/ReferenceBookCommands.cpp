#include "ReferenceBookCommands.h"

#include "ReferenceBookWindow.h"
#include "desktop/MainCommands.h"
#include "desktop/MainWindow.h"

void setReferenceBookCommands(MainWindow& main, ReferenceBookWindow& books) {
    for (const ReferenceBookItem& item : referenceBookItems()) {
        const QString table = QLatin1String(item.table);
        main.setCommand(QLatin1String(item.name), [&books, table] { books.openBook(table); });
    }
}
