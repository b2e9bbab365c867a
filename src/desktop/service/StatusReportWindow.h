#pragma once

#include <QDialog>

class QComboBox;
class QStandardItemModel;
class QTableView;
class QToolButton;
class Database;

// "Справка о состоянии БД": for a chosen region (or all) and year, which of the nine tables are
// stored for every table title; shown in a grid and written into the status workbook.
class StatusReportWindow : public QDialog {
    Q_OBJECT
public:
    explicit StatusReportWindow(Database& data, QWidget* parent = nullptr);

    void btnSelectClick();
    void sbSaveClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void showRows();
    QWidget* makeChoiceStrip();

    Database& data_;
    QComboBox* cbRegion_;
    QComboBox* cbYear_;
    QStandardItemModel* model_;
    QTableView* DBGridSpravka_;
    QToolButton* sbSave_;
};
