#include "TablePagesWindow.h"

#include "TablePage.h"
#include "desktop/CommandRunner.h"
#include "desktop/DialogService.h"
#include "desktop/Session.h"
#include "desktop/WorkbookViewer.h"
#include "domain/db/Database.h"
#include "domain/farmworkbook/FarmWorkbook.h"
#include "domain/tables/TableDefinition.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

TablePagesWindow::TablePagesWindow(Database& data, Session& session, const QList<const TableDefinition*>& tables,
                                   QWidget* parent)
    : EditingDialog(parent), data_(data), session_(session), choosePrinter_(printDialogChooser(this)) {
    setModal(true);
    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pageControl_);
    for (const TableDefinition* table : tables) {
        auto* page = new TablePage(*table);
        for (int i = 0; i < page->fields().size(); ++i)
            fields_.add(table->cells[i].name, page->fields()[i]);
        connectPage(page);
        pageControl_->addTab(page, table->tabCaption);
    }
    keepPagesFromKeys();
}

TablePagesWindow::~TablePagesWindow() = default;

void TablePagesWindow::connectPage(TablePage* page) {
    const TableDefinition& table = page->table();
    connect(page, &TablePage::fieldLeft, this,
            [this, &table](const QString& cell) { runCommand([&] { fieldExit(table, cell); }); });
    connect(page, &TablePage::fieldEdited, this,
            [this, &table](const QString& cell) { runCommand([&] { showNotices(table.change(cell, fields_)); }); });
    connect(page, &TablePage::saveClicked, this, [this, &table] { runCommand([&] { sbSaveClick(table); }); });
    connect(page, &TablePage::cancelClicked, this, [this] { runCommand([&] { fields_.setAllZero(); }); });
    connect(page, &TablePage::toExcelClicked, this, [this, &table] {
        runCommand([&] { showWorkbook(exportFarmTable(data_.db(), data_.programFolder(), session_.title, table.number)); });
    });
    connect(page, &TablePage::printClicked, this, [this, page] { runCommand([&] { sbPrintClick(*page); }); });
    connect(page, &TablePage::closeClicked, this, [this] { runCommand([&] { close(); }); });
}

TablePage* TablePagesWindow::page(int index) const {
    return qobject_cast<TablePage*>(pageControl_->widget(index));
}

// Enter works as Tab, so the fields can be filled from the number pad.
void TablePagesWindow::keyPressEvent(QKeyEvent* event) {
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
bool TablePagesWindow::focusNextPrevChild(bool next) {
    TablePage* current = page(pageControl_->currentIndex());
    QLineEdit* to = current ? current->fieldAfter(focusWidget(), next) : nullptr;
    if (!to)
        return EditingDialog::focusNextPrevChild(next);
    to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// Leaving a page discards its typed values, so only a click on a tab (or a save) may do it:
// the tabs never take the focus (no arrow keys on them), and neither Ctrl+Tab nor the wheel
// turns the pages.
void TablePagesWindow::keepPagesFromKeys() {
    pageControl_->setFocusPolicy(Qt::NoFocus);
    pageControl_->tabBar()->setFocusPolicy(Qt::NoFocus);
    pageControl_->installEventFilter(this);
    pageControl_->tabBar()->installEventFilter(this);
}

bool TablePagesWindow::eventFilter(QObject* watched, QEvent* event) {
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

void TablePagesWindow::fieldExit(const TableDefinition& table, const QString& cell) {
    // Moving the focus to a notice's field leaves another field; that leave is not a new one.
    if (leaving_)
        return;
    const QScopedValueRollback guard(leaving_, true);
    showNotices(table.leave(cell, fields_));
}

void TablePagesWindow::sbPrintClick(TablePage& shown) {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!choosePrinter_(*printer_))
        return;
    shown.setButtonsVisible(false);
    if (printHidden_)
        printHidden_->hide();
    const auto showButtons = qScopeGuard([&] {
        shown.setButtonsVisible(true);
        if (printHidden_)
            printHidden_->show();
    });
    printWindowImage(*this, pageControl_->currentWidget()->mapTo(this, QPoint(0, 0)).y(), *printer_);
}

void TablePagesWindow::showNotices(const QList<Notice>& notices) {
    for (const Notice& notice : notices) {
        dialogs().information(notice.message);
        if (!notice.focus.isEmpty())
            fields_.field(notice.focus)->setFocus();
    }
}
