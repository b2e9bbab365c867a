#pragma once

#include "BookReport.h"
#include "domain/db/SqlResult.h"
#include "domain/references/ReferenceBooks.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QTableWidget;
class QToolButton;
class Database;

// What the print button does with the report: the print preview, from which the user prints
// or saves a PDF file; tests print straight to a file.
using BookReportOutput = std::function<void(const BookReport&)>;

// The reference-book window: one of the nine books at a time, shown, searched, printed and,
// for districts, farms, lines, improving breeds and bull categories, edited. Not modal: it
// stays beside the main window, and every menu item reloads it with its book.
class ReferenceBookWindow : public QDialog {
    Q_OBJECT
public:
    ReferenceBookWindow(Database& data, QWidget* parent = nullptr);

    // Opens the book of the table ("kodra") and shows the window.
    void openBook(const QString& table);
    int tag() const { return book_ ? book_->tag : 0; }
    // The rows as the grid shows them, for printing.
    BookReport report() const;
    void setReportOutput(BookReportOutput output) { output_ = std::move(output); }

private:
    enum class Mode { Browse, Adding, Editing };

    void buildPanel();
    QToolButton* addButton(const char* name, const QString& hint, const QIcon& icon,
                           void (ReferenceBookWindow::*slot)());
    void showRows(const SqlResult& rows, const QList<BookColumn>& columns);
    void fillSearchList();
    void setRowEditable(int row);
    void setEditing(Mode mode);
    int currentStoredRow() const;
    QStringList pendingValues() const;

    void printClick();
    void searchClick();
    void addClick();
    void editClick();
    void deleteClick();
    void saveClick();
    void cancelClick();

    Database& data_;
    const ReferenceBook* book_ = nullptr;
    SqlResult rows_;
    QList<BookColumn> columns_;
    Mode mode_ = Mode::Browse;
    int pendingRow_ = -1;
    QStringList pendingKey_;
    BookReportOutput output_;

    QLabel* lblSearch_ = nullptr;
    QComboBox* cbSearch_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QToolButton* search_ = nullptr;
    QToolButton* add_ = nullptr;
    QToolButton* edit_ = nullptr;
    QToolButton* delete_ = nullptr;
    QToolButton* save_ = nullptr;
    QToolButton* cancel_ = nullptr;
};
