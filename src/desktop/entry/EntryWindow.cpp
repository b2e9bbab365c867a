#include "EntryWindow.h"

#include "TablePage.h"
#include "desktop/CommandRunner.h"
#include "desktop/DialogService.h"
#include "desktop/WorkbookViewer.h"
#include "domain/db/Database.h"
#include "domain/farmworkbook/FarmWorkbook.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/SaveTable.h"
#include "domain/tables/TableDefinition.h"
#include "domain/tables/TableMessages.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

EntryWindow::EntryWindow(Database& data, Session& session, QWidget* parent)
    : TablePagesWindow(data, session, reportTables(), parent) {
    setObjectName(QStringLiteral("TFormTable"));
    setWindowTitle(QStringLiteral("Таблицы"));
    setFixedSize(813, 592);
    addWorkbookButtons();
    connect(pageControl(), &QTabWidget::currentChanged, this, [this](int index) {
        if (isVisible())
            runCommand([&] { pageShow(index); });
    });
}

EntryWindow::~EntryWindow() = default;

// The farm workbook of every table of the title at once, beside the pages' one-table buttons,
// and the blank form a farm fills in itself.
void EntryWindow::addWorkbookButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(8, 0, 8, 4);
    const auto add = [&](const char* name, const QString& caption, FarmWorkbookContent content) {
        auto* button = new QPushButton(caption, buttons);
        button->setObjectName(QLatin1String(name));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, content] {
            runCommand([&] { showWorkbook(exportFarmWorkbook(data_.db(), data_.programFolder(), title_, content)); });
        });
        row->addWidget(button);
    };
    add("btnAllToExcel", QStringLiteral("Все таблицы хозяйства в Excel"), FarmWorkbookContent::Stored);
    add("btnBlankToExcel", QStringLiteral("Бланк для хозяйства в Excel"), FarmWorkbookContent::Blank);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addWidget(buttons);
    setPrintHidden(buttons);
}

void EntryWindow::openFor(const TitleNames& names) {
    if (CreateUpperForTables(names))
        exec();
}

bool EntryWindow::CreateUpperForTables(const TitleNames& names) {
    try {
        title_ = ::CreateUpperForTables(data_, names);
    } catch (const TitleError& e) {
        dialogs().information(QString::fromStdString(e.what()));
        return false;
    }
    session_.title = title_;
    session_.regionCode = title_.oblm;
    session_.year = title_.godm;
    if (TablePage* first = page(0))
        first->setTitle(title_);
    return true;
}

// Every opening starts on page 1 and runs its show step, whichever page was current at closing.
void EntryWindow::showEvent(QShowEvent* event) {
    EditingDialog::showEvent(event);
    {
        const QSignalBlocker blocker(pageControl());
        pageControl()->setCurrentIndex(0);
    }
    runCommand([&] { pageShow(0); });
}

void EntryWindow::pageShow(int index) {
    TablePage* shown = page(index);
    if (!shown)
        return;
    if (ShowTable(*shown).sent)
        dialogs().information(TableMessages::sentRowEdited());
}

PageLoad EntryWindow::ShowTable(TablePage& shown) {
    shown.setTitle(title_);
    shown.repaintPictures();
    ReportTableStore store(data_.db(), title_);
    const PageLoad load = store.load(shown.table(), fields());
    storedRow_[shown.table().number] = load.found;
    page(0)->statusBar()->showMessage(load.mode());
    return load;
}

void EntryWindow::sbSaveClick(const TableDefinition& table) {
    ReportTableStore store(data_.db(), title_);
    const StoreMode mode = storedRow_.value(table.number) ? StoreMode::Update : StoreMode::Insert;
    const SaveOutcome outcome = saveTable(table, fields(), store, mode);
    showNotices(outcome.check.notices);
    if (!outcome.check.passed)
        return;
    dialogs().information(outcome.storeMessage);
    pageControl()->setCurrentIndex(pageIndexOf(tableAfterStore(table.number)));
}
