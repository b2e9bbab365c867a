#pragma once

#include "domain/correction/CorrectionList.h"

#include <QDialog>
#include <QPointer>

class QComboBox;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QToolButton;
class Database;
class CorrectionWindow;
class TitleEditWindow;
struct Session;

// The correction list: the stored rows of the table the session's correction selector names (every
// region and year), with a district and breed filter, delete, title change and the door to the
// correction window. Every showing re-reads the list; the filter stays until it is cancelled.
class CorrectionListWindow : public QDialog {
    Q_OBJECT
public:
    CorrectionListWindow(Database& data, Session& session, QWidget* parent = nullptr);

    // The rows listed now, in grid order.
    const QList<NamedTitle>& rows() const { return rows_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QWidget* buildNavigator();
    void FormShow();
    void readList();
    void btnFiltrClick();
    void SpdBtnDeleteClick();
    void SpdBtnEditClick();
    void btnCorrectClick();
    const NamedTitle* selectedRow() const;
    int listedTable() const;

    Database& data_;
    Session& session_;
    CorrectionFilter filter_;
    QList<NamedTitle> rows_;
    QComboBox* cbRajon_ = nullptr;
    QComboBox* cbPoroda_ = nullptr;
    QPushButton* btnFiltr_ = nullptr;
    QToolButton* spdBtnEdit_ = nullptr;
    QToolButton* spdBtnDelete_ = nullptr;
    QTableView* grid_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    QPushButton* btnCorrect_ = nullptr;
    QPointer<CorrectionWindow> correction_;
    QPointer<TitleEditWindow> titleEdit_;
};
