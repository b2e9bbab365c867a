#include "ReferenceBookWindow.h"

#include "desktop/CommandRunner.h"
#include "desktop/DialogService.h"
#include "domain/db/Database.h"
#include "domain/references/ReferenceEditing.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kButtonSize = 35;

QIcon icon(const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QLatin1String(themeName), QApplication::style()->standardIcon(fallback));
}

// The grid's preview: the print and PDF buttons of the preview print the same report.
void previewReport(QWidget* parent, const BookReport& report) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(report.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, parent,
                     [&report](QPrinter* target) { runCommand([&] { renderBookReport(report, *target); }); });
    preview.exec();
}

} // namespace

ReferenceBookWindow::ReferenceBookWindow(Database& data, QWidget* parent)
    : QDialog(parent), data_(data), output_([this](const BookReport& r) { previewReport(this, r); }) {
    setObjectName(QStringLiteral("TFormSprav"));
    setWindowTitle(QStringLiteral("Работа со справочниками"));
    setModal(false);
    setFixedSize(692, 380);
    buildPanel();
    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QToolButton* ReferenceBookWindow::addButton(const char* name, const QString& hint, const QIcon& picture,
                                            void (ReferenceBookWindow::*slot)()) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setToolTip(hint);
    button->setIcon(picture);
    button->setIconSize(QSize(24, 24));
    connect(button, &QToolButton::clicked, this, [this, slot] { runCommand([&] { (this->*slot)(); }); });
    return button;
}

void ReferenceBookWindow::buildPanel() {
    auto* panel = new QHBoxLayout;
    panel->addWidget(addButton("SpdBtnPrint", QStringLiteral("Печать"),
                               icon("document-print", QStyle::SP_FileDialogContentsView),
                               &ReferenceBookWindow::printClick));
    search_ = addButton("SpdBtnSearch", QStringLiteral("Поиск"), icon("edit-find", QStyle::SP_FileDialogContentsView),
                        &ReferenceBookWindow::searchClick);
    panel->addWidget(search_);
    auto* searchBox = new QVBoxLayout;
    lblSearch_ = new QLabel(this);
    lblSearch_->setObjectName(QStringLiteral("lblSearch"));
    cbSearch_ = new QComboBox(this);
    cbSearch_->setObjectName(QStringLiteral("cbSearch"));
    cbSearch_->setEditable(true);
    cbSearch_->setInsertPolicy(QComboBox::NoInsert);
    cbSearch_->setMinimumWidth(200);
    searchBox->addWidget(lblSearch_);
    searchBox->addWidget(cbSearch_);
    panel->addLayout(searchBox);
    add_ = addButton("SpdBtnAdd", QStringLiteral("Добавить новый кодификатор"),
                     icon("list-add", QStyle::SP_FileDialogNewFolder), &ReferenceBookWindow::addClick);
    edit_ = addButton("SpdBtnEdit", QStringLiteral("Редактирование"),
                      icon("document-edit", QStyle::SP_FileDialogDetailedView), &ReferenceBookWindow::editClick);
    delete_ = addButton("SpdBtnDelete", QStringLiteral("Удаление"), icon("edit-delete", QStyle::SP_TrashIcon),
                        &ReferenceBookWindow::deleteClick);
    save_ = addButton("SpdBtnSave", QStringLiteral("Сохранить"), icon("document-save", QStyle::SP_DialogSaveButton),
                      &ReferenceBookWindow::saveClick);
    cancel_ = addButton("SpdBtnCancel", QStringLiteral("Отменить"), icon("edit-undo", QStyle::SP_DialogCancelButton),
                        &ReferenceBookWindow::cancelClick);
    for (QToolButton* b : {add_, edit_, delete_, save_, cancel_})
        panel->addWidget(b);
    panel->addStretch();

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("DBGridSprav"));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // The selected cell: blue with white text.
    grid_->setStyleSheet(QStringLiteral("QTableWidget { selection-background-color: blue; selection-color: white; }"));

    auto* navigator = new QHBoxLayout;
    const std::pair<const char*, QStyle::StandardPixmap> moves[] = {{"nbFirst", QStyle::SP_MediaSkipBackward},
                                                                    {"nbPrior", QStyle::SP_MediaSeekBackward},
                                                                    {"nbNext", QStyle::SP_MediaSeekForward},
                                                                    {"nbLast", QStyle::SP_MediaSkipForward}};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(moves[i].first));
        b->setIcon(QApplication::style()->standardIcon(moves[i].second));
        connect(b, &QToolButton::clicked, this, [this, i] {
            const int last = grid_->rowCount() - 1;
            const int row = grid_->currentRow();
            const int target[] = {0, std::max(0, row - 1), std::min(last, row + 1), last};
            if (last >= 0)
                grid_->setCurrentCell(target[i], std::max(0, grid_->currentColumn()));
        });
        navigator->addWidget(b);
    }
    navigator->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panel);
    layout->addWidget(grid_);
    layout->addLayout(navigator);
}

void ReferenceBookWindow::openBook(const QString& table) {
    book_ = findReferenceBook(table);
    if (!book_)
        throw std::invalid_argument("no reference book " + table.toStdString());
    setWindowTitle(book_->caption);
    show();
    raise();
    activateWindow();
    setEditing(Mode::Browse);
    save_->hide();
    cancel_->hide();
    showRows(openBookView(data_.db(), book_->view), book_->view.columns);
    if (!book_->prompt.isEmpty()) {
        lblSearch_->setText(book_->prompt);
        fillSearchList();
    }
    for (QWidget* w :
         {static_cast<QWidget*>(search_), static_cast<QWidget*>(cbSearch_), static_cast<QWidget*>(lblSearch_)})
        w->show();
    for (QToolButton* b : {add_, edit_, delete_})
        b->setVisible(book_->editable);
}

void ReferenceBookWindow::showRows(const SqlResult& rows, const QList<BookColumn>& columns) {
    rows_ = rows;
    columns_ = columns;
    grid_->clear();
    grid_->setColumnCount(int(columns.size()));
    grid_->setRowCount(rows.size());
    QStringList captions;
    const int charWidth = grid_->fontMetrics().averageCharWidth();
    for (int c = 0; c < columns.size(); ++c) {
        captions << columns.at(c).caption;
        grid_->setColumnWidth(c, columns.at(c).width * charWidth + 8);
    }
    grid_->setHorizontalHeaderLabels(captions);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < columns.size(); ++c) {
            auto* item = new QTableWidgetItem(rows[r].text(columns.at(c).field));
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            grid_->setItem(r, c, item);
        }
    if (rows.size() > 0)
        grid_->setCurrentCell(0, 0);
}

// The list walks every row, so the grid's current row ends on the last one.
void ReferenceBookWindow::fillSearchList() {
    cbSearch_->clear();
    cbSearch_->addItems(columnTexts(rows_, book_->searchColumn));
    cbSearch_->setCurrentIndex(-1);
    if (rows_.size() > 0)
        grid_->setCurrentCell(rows_.size() - 1, 0);
}

BookReport ReferenceBookWindow::report() const {
    BookReport r{book_ ? book_->table : QString(), book_ ? book_->caption : QString(), columns_, {}};
    for (int row = 0; row < grid_->rowCount(); ++row) {
        QStringList texts;
        for (int c = 0; c < grid_->columnCount(); ++c)
            texts << (grid_->item(row, c) ? grid_->item(row, c)->text() : QString());
        r.rows << texts;
    }
    return r;
}

void ReferenceBookWindow::setEditing(Mode mode) {
    mode_ = mode;
    if (mode == Mode::Browse) {
        pendingRow_ = -1;
        pendingKey_.clear();
        grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        return;
    }
    save_->show();
    cancel_->show();
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid_->setFocus();
}

void ReferenceBookWindow::setRowEditable(int row) {
    pendingRow_ = row;
    for (int c = 0; c < grid_->columnCount(); ++c) {
        QTableWidgetItem* item = grid_->item(row, c);
        if (!item)
            grid_->setItem(row, c, item = new QTableWidgetItem);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    grid_->setCurrentCell(row, 0);
}

int ReferenceBookWindow::currentStoredRow() const {
    const int row = grid_->currentRow();
    return row >= 0 && row < rows_.size() ? row : -1;
}

QStringList ReferenceBookWindow::pendingValues() const {
    QStringList values;
    for (const QString& field : book_->editing.columns) {
        int column = -1;
        for (int c = 0; c < columns_.size(); ++c)
            if (columns_.at(c).field == field)
                column = c;
        const QTableWidgetItem* item = column >= 0 ? grid_->item(pendingRow_, column) : nullptr;
        values << (item ? item->text() : QString());
    }
    return values;
}

void ReferenceBookWindow::printClick() {
    if (book_)
        output_(report());
}

void ReferenceBookWindow::searchClick() {
    if (!book_)
        return;
    if (cbSearch_->currentText().isEmpty()) {
        dialogs().information(QStringLiteral("Ничего не выбрано."));
        return;
    }
    const int row = searchBookRow(rows_, *book_, cbSearch_->currentText());
    if (row >= 0)
        grid_->setCurrentCell(row, std::max(0, grid_->currentColumn()));
}

void ReferenceBookWindow::addClick() {
    if (!book_ || !book_->editable)
        return;
    setEditing(Mode::Adding);
    if (!book_->editing.addQuery.isEmpty())
        showRows(data_.db().select(book_->editing.addQuery), book_->editing.addColumns);
    grid_->setRowCount(grid_->rowCount() + 1);
    setRowEditable(grid_->rowCount() - 1);
}

void ReferenceBookWindow::editClick() {
    const int row = book_ && book_->editable ? currentStoredRow() : -1;
    if (row < 0)
        return;
    const QStringList key = bookRowKey(*book_, rows_[row]);
    setEditing(Mode::Editing);
    pendingKey_ = key;
    if (book_->editing.addQuery.isEmpty()) {
        setRowEditable(row);
        return;
    }
    showRows(openEditRows(data_.db(), *book_, key), book_->editing.addColumns);
    if (grid_->rowCount() > 0)
        setRowEditable(0);
}

// A refused row stays as typed, in edit state, until it is saved correctly or cancelled.
void ReferenceBookWindow::saveClick() {
    if (mode_ == Mode::Browse || pendingRow_ < 0)
        return;
    const QStringList values = pendingValues();
    try {
        if (mode_ == Mode::Adding)
            addBookRow(data_.db(), *book_, values);
        else
            updateBookRow(data_.db(), *book_, pendingKey_, values);
    } catch (const ReferenceError& e) {
        dialogs().information(QString::fromStdString(e.what()));
        return;
    }
    openBook(book_->table);
}

void ReferenceBookWindow::cancelClick() {
    if (book_ && mode_ != Mode::Browse)
        openBook(book_->table);
}

void ReferenceBookWindow::deleteClick() {
    const int row = book_ && book_->editable ? currentStoredRow() : -1;
    if (row < 0 || mode_ != Mode::Browse || !dialogs().confirm(QStringLiteral("Удалить запись?")))
        return;
    deleteBookRow(data_.db(), *book_, bookRowKey(*book_, rows_[row]));
    const BookView& view = book_->afterDelete.query.isEmpty() ? book_->view : book_->afterDelete;
    grid_->setUpdatesEnabled(false);
    showRows(openBookView(data_.db(), view), view.columns);
    grid_->setUpdatesEnabled(true);
}
