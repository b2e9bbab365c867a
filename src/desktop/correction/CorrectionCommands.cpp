#include "CorrectionCommands.h"

#include "CorrectionListWindow.h"
#include "desktop/MainCommands.h"
#include "desktop/MainWindow.h"
#include "desktop/Session.h"

void setCorrectionCommands(Database& data, MainWindow& main) {
    // A child of the main window, which deletes it at the end of the run.
    auto* list = new CorrectionListWindow(data, main.session(), &main);
    for (const CorrectionItem& item : correctionItems()) {
        const QString status = QString::fromUtf8(item.status);
        const int selector = item.selector;
        main.setCommand(QStringLiteral("actCorrect%1").arg(selector), [&main, list, status, selector] {
            if (!status.isEmpty())
                main.setStatus(status);
            main.session().correctionSelector = selector;
            list->exec();
        });
    }
}
