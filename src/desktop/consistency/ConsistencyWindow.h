#pragma once

#include "domain/consistency/ConsistencyCheck.h"

#include <QDialog>
#include <QPointer>

class QComboBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class CorrectionWindow;
class Database;
class MainWindow;
struct Session;

// "Проверка согласованности таблиц": every disagreement between the stored tables of the titles of
// a region (or all) in a year; a double-click corrects the finding's table, "Сохранить в Excel"
// writes doc/check.xlsx.
class ConsistencyWindow : public QDialog {
    Q_OBJECT
public:
    ConsistencyWindow(Database& data, Session& session, QWidget* parent = nullptr);

    // Presets region and year to the settings (when the choices are still empty).
    void presetFromSettings();

private:
    void buildControls();
    void btnCheckClick();
    void btnExcelClick();
    void correctFinding(int row);
    void showReport();

    Database& data_;
    Session& session_;
    ConsistencyReport report_;
    QString checkedRegion_;
    QString checkedYear_;
    QComboBox* cbRegion_ = nullptr;
    QComboBox* cbYear_ = nullptr;
    QLabel* lblCount_ = nullptr;
    QTableView* grid_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    QPushButton* btnExcel_ = nullptr;
    QPointer<CorrectionWindow> correction_;
};

// Gives the main window's "Проверка согласованности таблиц" its handler (the window is created
// here and kept for the run).
void setConsistencyCommand(Database& data, MainWindow& main);
