#pragma once

#include "desktop/EditingDialog.h"

#include <memory>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class Database;

// "Stavor. Счет по области.": computes the regional totals for the chosen region and year, shows
// the computation's log and writes the total tables into the totals workbook.
class TotalsWindow : public EditingDialog {
    Q_OBJECT
public:
    explicit TotalsWindow(Database& data, QWidget* parent = nullptr);

    QPlainTextEdit* memo() const { return MemoTest_; }

    void btnSelectClick();
    void sbSaveClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    Database& data_;
    QLabel* Label1_;
    QComboBox* cbChsReg_;
    QLabel* Label2_;
    QComboBox* cbChsYear_;
    QPushButton* btnSelect_;
    QPlainTextEdit* MemoTest_;
    QToolButton* sbSave_;
};

// The main window's "Счет по области": one window for the whole run, its log cleared at each
// opening, shown modally.
class TotalsWindowCommand {
public:
    TotalsWindowCommand(Database& data, QWidget* parent);
    ~TotalsWindowCommand();
    void open();

private:
    Database& data_;
    QWidget* parent_;
    std::unique_ptr<TotalsWindow> window_;
};
