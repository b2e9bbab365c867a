#include "ConsistencyWindow.h"

#include "desktop/CommandRunner.h"
#include "desktop/Controls.h"
#include "desktop/DialogService.h"
#include "desktop/MainWindow.h"
#include "desktop/Session.h"
#include "desktop/WaitCursor.h"
#include "desktop/WorkbookViewer.h"
#include "desktop/correction/CorrectionWindow.h"
#include "domain/consistency/ConsistencyWorkbook.h"
#include "domain/db/Database.h"
#include "domain/spreadsheet/Workbook.h"
#include "domain/tables/TitleResolver.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

ConsistencyWindow::ConsistencyWindow(Database& data, Session& session, QWidget* parent)
    : QDialog(parent), data_(data), session_(session) {
    setObjectName(QStringLiteral("TFormConsistency"));
    setWindowTitle(QStringLiteral("Проверка согласованности таблиц"));
    setModal(true);
    resize(1000, 560);
    buildControls();
}

void ConsistencyWindow::buildControls() {
    cbRegion_ = makeRegionYearChoice("cbRegion");
    cbYear_ = makeRegionYearChoice("cbYear");
    QPushButton* check = makeButton("btnCheck", QStringLiteral("Проверить"));
    btnExcel_ = makeButton("btnExcel", QStringLiteral("Сохранить в Excel"));
    btnExcel_->setEnabled(false);
    lblCount_ = new QLabel;
    lblCount_->setObjectName(QStringLiteral("lblCount"));
    model_ = new QStandardItemModel(0, int(findingCaptions().size()), this);
    model_->setHorizontalHeaderLabels(findingCaptions());
    grid_ = makeReadOnlyGrid("DBGridCheck", model_);

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(QStringLiteral("Регион")));
    choices->addWidget(cbRegion_);
    choices->addWidget(new QLabel(QStringLiteral("Год")));
    choices->addWidget(cbYear_);
    choices->addWidget(check);
    choices->addStretch();
    choices->addWidget(btnExcel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(grid_);
    layout->addWidget(lblCount_);

    fillRegionsOrAll(cbRegion_, data_.regionNames());
    fillChoices(cbYear_, yearList(2000));

    connect(check, &QPushButton::clicked, this, [this] { runCommand([this] { btnCheckClick(); }); });
    connect(btnExcel_, &QPushButton::clicked, this, [this] { runCommand([this] { btnExcelClick(); }); });
    connect(grid_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { runCommand([&] { correctFinding(index.row()); }); });
}

void ConsistencyWindow::presetFromSettings() {
    const RegionYear settings = data_.settings().value_or(RegionYear{});
    if (cbRegion_->currentText().isEmpty())
        cbRegion_->setCurrentIndex(cbRegion_->findText(settings.regionName));
    if (cbYear_->currentText().isEmpty())
        cbYear_->setCurrentText(settings.year);
}

void ConsistencyWindow::btnCheckClick() {
    const QString region = cbRegion_->currentText().trimmed();
    if (region.isEmpty() || cbYear_->currentText().trimmed().isEmpty()) {
        dialogs().information(QStringLiteral("Выберите регион и год."));
        return;
    }
    QString code;
    QString year;
    try {
        year = checkedYear(cbYear_->currentText());
        code = regionCodeOrAll(data_.db(), region);
    } catch (const TitleError& e) {
        dialogs().information(QString::fromStdString(e.what()));
        return;
    }
    const WaitCursor wait;
    report_ = checkConsistency(data_.db(), code, year);
    checkedRegion_ = region;
    checkedYear_ = year;
    showReport();
}

void ConsistencyWindow::showReport() {
    QList<QStringList> rows;
    for (const ConsistencyFinding& finding : report_.findings)
        rows << findingTexts(finding);
    setGridRows(model_, rows);
    grid_->resizeColumnsToContents();
    lblCount_->setText(findingsCountText(report_));
    btnExcel_->setEnabled(true);
}

void ConsistencyWindow::btnExcelClick() {
    saveToDocAndShow(consistencyWorkbook(report_, checkedRegion_, checkedYear_), data_.programFolder(),
                     QString::fromLatin1(kConsistencyWorkbookFile));
}

// The correction of the finding's stored table; the check runs again once it is closed.
void ConsistencyWindow::correctFinding(int row) {
    if (row < 0 || row >= report_.findings.size())
        return;
    const ConsistencyFinding& finding = report_.findings[row];
    if (!correction_) {
        correction_ = new CorrectionWindow(data_, session_, this);
        connect(correction_, &QDialog::finished, this, [this] { runCommand([this] { btnCheckClick(); }); });
    }
    if (correction_->loadRow(finding.tableToCorrect, finding.title.title))
        correction_->open();
}

void setConsistencyCommand(Database& data, MainWindow& main) {
    // A child of the main window, which deletes it at the end of the run.
    auto* window = new ConsistencyWindow(data, main.session(), &main);
    main.setCommand(QStringLiteral("actConsistency"), [window] {
        window->presetFromSettings();
        window->exec();
    });
}
