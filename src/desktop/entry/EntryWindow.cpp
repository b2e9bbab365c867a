#include "EntryWindow.h"

#include "TablePage.h"
#include "desktop/CommandRunner.h"
#include "desktop/DialogService.h"
#include "domain/db/Database.h"
#include "domain/tables/ReportTables.h"
#include "domain/tables/SaveTable.h"
#include "domain/tables/TableDefinition.h"
#include "domain/tables/TableMessages.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

EntryWindow::EntryWindow(Database& data, Session& session, QWidget* parent)
    : EditingDialog(parent), data_(data), session_(session), choosePrinter_(printDialogChooser(this)) {
    setObjectName(QStringLiteral("FormTable"));
    setWindowTitle(QStringLiteral("Таблицы"));
    setModal(true);
    setFixedSize(813, 592);
    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pageControl_);
    addPages();
    keepPagesFromKeys();
    connect(pageControl_, &QTabWidget::currentChanged, this, [this](int index) {
        if (isVisible())
            runCommand([&] { pageShow(index); });
    });
}

EntryWindow::~EntryWindow() = default;

void EntryWindow::addPages() {
    for (const TableDefinition* table : reportTables()) {
        auto* page = new TablePage(*table);
        for (int i = 0; i < page->fields().size(); ++i)
            fields_.add(table->cells[i].name, page->fields()[i]);
        connectPage(page);
        pageControl_->addTab(page, table->tabCaption);
    }
}

void EntryWindow::connectPage(TablePage* page) {
    const TableDefinition& table = page->table();
    connect(page, &TablePage::fieldLeft, this,
            [this, &table](const QString& cell) { runCommand([&] { fieldExit(table, cell); }); });
    connect(page, &TablePage::saveClicked, this, [this, &table] { runCommand([&] { sbSaveClick(table); }); });
    connect(page, &TablePage::cancelClicked, this, [this] { runCommand([&] { sbCancelClick(); }); });
    connect(page, &TablePage::printClicked, this, [this, page] { runCommand([&] { sbPrintClick(*page); }); });
    connect(page, &TablePage::closeClicked, this, [this] { runCommand([&] { close(); }); });
}

// Leaving a page discards its typed values, so only a click on a tab (or a save) may do it:
// the tabs never take the focus (no arrow keys on them), and neither Ctrl+Tab nor the wheel
// turns the pages.
void EntryWindow::keepPagesFromKeys() {
    pageControl_->setFocusPolicy(Qt::NoFocus);
    pageControl_->tabBar()->setFocusPolicy(Qt::NoFocus);
    pageControl_->installEventFilter(this);
    pageControl_->tabBar()->installEventFilter(this);
}

bool EntryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pageControl_->tabBar() && event->type() == QEvent::Wheel)
        return true;
    if (watched == pageControl_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool turnsPage = (key->modifiers() & Qt::ControlModifier) &&
                               (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab);
        if (turnsPage)
            return true;
    }
    return EditingDialog::eventFilter(watched, event);
}

TablePage* EntryWindow::page(int index) const { return qobject_cast<TablePage*>(pageControl_->widget(index)); }

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
        const QSignalBlocker blocker(pageControl_);
        pageControl_->setCurrentIndex(0);
    }
    runCommand([&] { pageShow(0); });
}

// Enter works as Tab, so the fields can be filled from the number pad.
void EntryWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QAbstractButton*>(focusWidget())) {
        focusNextChild();
        event->accept();
        return;
    }
    EditingDialog::keyPressEvent(event);
}

// Tab and Enter cycle through the current page's fields in its tab order, from the last back to
// the first.
bool EntryWindow::focusNextPrevChild(bool next) {
    TablePage* current = page(pageControl_->currentIndex());
    QLineEdit* to = current ? current->fieldAfter(focusWidget(), next) : nullptr;
    if (!to)
        return EditingDialog::focusNextPrevChild(next);
    to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
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
    const PageLoad load = store.load(shown.table(), fields_);
    storedRow_[shown.table().number] = load.found;
    page(0)->statusBar()->showMessage(load.mode());
    return load;
}

void EntryWindow::fieldExit(const TableDefinition& table, const QString& cell) {
    // Moving the focus to a notice's field leaves another field; that leave is not a new one.
    if (leaving_)
        return;
    const QScopedValueRollback guard(leaving_, true);
    showNotices(table.leave(cell, fields_));
}

void EntryWindow::sbSaveClick(const TableDefinition& table) {
    ReportTableStore store(data_.db(), title_);
    const StoreMode mode = storedRow_.value(table.number) ? StoreMode::Update : StoreMode::Insert;
    const SaveOutcome outcome = saveTable(table, fields_, store, mode);
    showNotices(outcome.check.notices);
    if (!outcome.check.passed)
        return;
    dialogs().information(outcome.storeMessage);
    pageControl_->setCurrentIndex(pageIndexOf(tableAfterStore(table.number)));
}

void EntryWindow::sbCancelClick() { fields_.setAllZero(); }

void EntryWindow::sbPrintClick(TablePage& shown) {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!choosePrinter_(*printer_))
        return;
    shown.setButtonsVisible(false);
    const auto showButtons = qScopeGuard([&] { shown.setButtonsVisible(true); });
    printWindowImage(*this, pageControl_->currentWidget()->mapTo(this, QPoint(0, 0)).y(), *printer_);
}

void EntryWindow::showNotices(const QList<Notice>& notices) {
    for (const Notice& notice : notices) {
        dialogs().information(notice.message);
        if (!notice.focus.isEmpty())
            fields_.field(notice.focus)->setFocus();
    }
}
