#include "StatusReportWindow.h"

#include "desktop/ChoiceBox.h"
#include "desktop/CommandRunner.h"
#include "desktop/DialogService.h"
#include "desktop/WaitCursor.h"
#include "desktop/WorkbookViewer.h"
#include "desktop/WindowPlacement.h"
#include "domain/db/Database.h"
#include "domain/service/StatusColumns.h"
#include "domain/service/StatusReport.h"
#include "domain/service/StatusWorkbook.h"
#include "domain/spreadsheet/Workbook.h"

#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QComboBox* choiceCombo(const char* name) {
    QComboBox* combo = makeChoiceBox(name);
    combo->setMinimumWidth(220);
    return combo;
}

QLabel* centredLabel(const QString& text, bool bold = false) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

} // namespace

StatusReportWindow::StatusReportWindow(Database& data, QWidget* parent) : QDialog(parent), data_(data) {
    setObjectName(QStringLiteral("TFormSprSost"));
    setWindowTitle(QStringLiteral("Справка о состоянии БД"));
    setFixedSize(857, 616);
    setModal(true);

    cbRegion_ = choiceCombo("cbRegion");
    cbYear_ = choiceCombo("cbYear");
    DBGridSpravka_ = new QTableWidget(0, int(statusReportColumns().size()));
    DBGridSpravka_->setObjectName(QStringLiteral("DBGridSpravka"));
    DBGridSpravka_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGridSpravka_->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGridSpravka_->verticalHeader()->hide();
    const int charWidth = DBGridSpravka_->fontMetrics().averageCharWidth();
    int column = 0;
    for (const StatusColumn& c : statusReportColumns()) {
        DBGridSpravka_->setHorizontalHeaderItem(column, new QTableWidgetItem(QString::fromUtf8(c.caption)));
        DBGridSpravka_->setColumnWidth(column++, c.width * charWidth + 8);
    }
    sbSave_ = new QToolButton;
    sbSave_->setObjectName(QStringLiteral("sbSave"));
    sbSave_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    sbSave_->setIconSize({24, 24});
    sbSave_->setToolTip(QStringLiteral("Сохранить таблицу в Excel"));
    connect(sbSave_, &QToolButton::clicked, this, [this] { runCommand([this] { sbSaveClick(); }); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeChoiceStrip());
    layout->addWidget(centredLabel(QStringLiteral("С П Р А В К А "), true));
    layout->addWidget(centredLabel(
        QStringLiteral("О   СОСТОЯНИИ   БД   ПО   БОНИТИРОВКЕ   КРС   МЯСНОГО   НАПРАВЛЕНИЯ  "), true));
    layout->addWidget(DBGridSpravka_, 1);
    layout->addWidget(sbSave_, 0, Qt::AlignHCenter);
}

QWidget* StatusReportWindow::makeChoiceStrip() {
    auto* strip = new QFrame;
    strip->setFrameShape(QFrame::StyledPanel);
    auto* select = new QPushButton(QStringLiteral("Выбрать"));
    select->setObjectName(QStringLiteral("btnSelect"));
    connect(select, &QPushButton::clicked, this, [this] { runCommand([this] { btnSelectClick(); }); });
    auto* grid = new QGridLayout(strip);
    grid->addWidget(centredLabel(QStringLiteral("ВЫБОР   РЕГИОНА")), 0, 0);
    grid->addWidget(cbRegion_, 1, 0);
    grid->addWidget(select, 1, 1);
    grid->addWidget(centredLabel(QStringLiteral("ВЫБОР   ОТЧЕТНОГО   ГОДА")), 0, 2);
    grid->addWidget(cbYear_, 1, 2);
    return strip;
}

void StatusReportWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
    runCommand([this] { FormShow(); });
}

void StatusReportWindow::FormShow() {
    cbRegion_->clear();
    cbRegion_->addItem(QString::fromUtf8(kAllRegions));
    cbRegion_->addItems(data_.regionNames());
    cbRegion_->setCurrentIndex(-1);
    cbYear_->clear();
    cbYear_->addItems(yearList(2006));
    cbYear_->setCurrentText(QString::number(QDate::currentDate().year()));
    clearStatusReport(data_.db());
    showRows();
}

void StatusReportWindow::btnSelectClick() {
    std::optional<QString> refusal;
    {
        WaitCursor wait;
        refusal = buildStatusReport(data_.db(), cbRegion_->currentText(), cbYear_->currentText());
    }
    showRows();
    if (refusal)
        dialogs().information(*refusal);
}

void StatusReportWindow::showRows() {
    const SqlResult rows = statusReportRows(data_.db());
    DBGridSpravka_->setUpdatesEnabled(false);
    DBGridSpravka_->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < DBGridSpravka_->columnCount(); ++c)
            DBGridSpravka_->setItem(r, c, new QTableWidgetItem(rows[r].text(c)));
    DBGridSpravka_->setUpdatesEnabled(true);
}

void StatusReportWindow::sbSaveClick() {
    WaitCursor wait;
    saveToDocAndShow(buildStatusWorkbook(statusReportRows(data_.db())), data_.programFolder(),
                     QString::fromLatin1(kStatusWorkbookFile));
}
