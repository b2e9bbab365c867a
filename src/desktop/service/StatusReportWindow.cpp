#include "StatusReportWindow.h"

#include "desktop/CommandRunner.h"
#include "desktop/Controls.h"
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
#include <QStandardItemModel>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

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

    cbRegion_ = makeRegionYearChoice("cbRegion");
    cbYear_ = makeRegionYearChoice("cbYear");
    model_ = new QStandardItemModel(0, int(statusReportColumns().size()), this);
    DBGridSpravka_ = makeReadOnlyGrid("DBGridSpravka", model_);
    DBGridSpravka_->verticalHeader()->hide();
    const int charWidth = DBGridSpravka_->fontMetrics().averageCharWidth();
    int column = 0;
    for (const StatusColumn& c : statusReportColumns()) {
        model_->setHeaderData(column, Qt::Horizontal, QString::fromUtf8(c.caption));
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
    QPushButton* select = makeButton("btnSelect", QStringLiteral("Выбрать"));
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
    fillRegionsOrAll(cbRegion_, data_.regionNames());
    fillChoices(cbYear_, yearList(2006));
    showChoice(cbYear_, QString::number(QDate::currentDate().year()));
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
    QList<QStringList> texts;
    for (const SqlRow& row : statusReportRows(data_.db())) {
        QStringList line;
        for (int c = 0; c < row.fieldCount(); ++c)
            line << row.text(c);
        texts << line;
    }
    setGridRows(model_, texts);
}

void StatusReportWindow::sbSaveClick() {
    WaitCursor wait;
    saveToDocAndShow(buildStatusWorkbook(statusReportRows(data_.db())), data_.programFolder(),
                     QString::fromLatin1(kStatusWorkbookFile));
}
