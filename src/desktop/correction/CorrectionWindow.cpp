#include "CorrectionWindow.h"

#include "desktop/DialogService.h"
#include "desktop/Session.h"
#include "desktop/entry/TablePage.h"
#include "domain/correction/CorrectionTables.h"
#include "domain/db/Database.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/SaveTable.h"
#include "domain/tables/TableDefinition.h"
#include "domain/tables/TableMessages.h"

#include <QStatusBar>
#include <QTabWidget>

CorrectionWindow::CorrectionWindow(Database& data, Session& session, QWidget* parent)
    : TablePagesWindow(data, session, correctionTables(), parent) {
    setObjectName(QStringLiteral("TFormForCorrectTable"));
    setWindowTitle(QStringLiteral("Корректировка таблиц"));
    resize(798, 565);
}

bool CorrectionWindow::loadRow(int table, const TableTitle& title) {
    session_.title = title;
    const int index = pageIndexOf(table);
    for (int i = 0; i < pageControl()->count(); ++i)
        pageControl()->setTabVisible(i, i == index);
    pageControl()->setCurrentIndex(index);
    TablePage* shown = page(index);
    shown->setTitle(title);
    shown->repaintPictures();
    ReportTableStore store(data_.db(), title);
    if (!store.load(shown->table(), fields()).found) {
        dialogs().information(QStringLiteral("Запись этой таблицы больше не хранится: её удалили или изменили её "
                                             "заголовок."));
        return false;
    }
    page(0)->statusBar()->showMessage(TableMessages::modeEdit());
    return true;
}

void CorrectionWindow::sbSaveClick(const TableDefinition& table) {
    ReportTableStore store(data_.db(), session_.title);
    const SaveOutcome outcome = saveTable(table, fields(), store, StoreMode::Update);
    showNotices(outcome.check.notices);
    if (!outcome.check.passed)
        return;
    dialogs().information(outcome.storeMessage);
    accept();
}
