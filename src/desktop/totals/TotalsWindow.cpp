#include "TotalsWindow.h"

#include "domain/totals/RegionalTotals.h"
#include "domain/totals/TotalsExport.h"
#include "domain/totals/TotalsLog.h"
#include "desktop/Controls.h"
#include "desktop/CommandRunner.h"
#include "desktop/WaitCursor.h"
#include "domain/db/Database.h"
#include "domain/spreadsheet/Workbook.h"
#include "desktop/WorkbookViewer.h"
#include "desktop/WindowPlacement.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int kFirstYear = 2006;
constexpr int kLastYear = 2020;

class MemoLog : public TotalsLog {
public:
    explicit MemoLog(QPlainTextEdit* memo) : memo_(memo) {}
    void logLine(const QString& line) override { memo_->appendPlainText(line); }

private:
    QPlainTextEdit* memo_;
};

} // namespace

TotalsWindow::TotalsWindow(Database& data, QWidget* parent)
    : EditingDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      data_(data) {
    setObjectName(QStringLiteral("TFormLogTest"));
    setWindowTitle(QStringLiteral("Stavor. Счет по области."));
    setFixedSize(402, 416);
    setModal(true);

    Label1_ = placed(new QLabel(QStringLiteral("Выбор региона"), this), "Label1", {8, 8, 170, 21});
    cbChsReg_ = placed(makeChoiceBox({}, this), "cbChsReg", {184, 8, 209, 21});
    Label2_ = placed(new QLabel(QStringLiteral("Выбор года"), this), "Label2", {8, 48, 170, 21});
    cbChsYear_ = placed(makeChoiceBox({}, this), "cbChsYear", {184, 48, 209, 21});
    QStringList years;
    for (int year = kFirstYear; year <= kLastYear; ++year)
        years << QString::number(year);
    fillChoices(cbChsYear_, years);
    btnSelect_ = placed(new QPushButton(QStringLiteral("Рассчитать"), this), "btnSelect", {152, 88, 75, 25});
    MemoTest_ = placed(new QPlainTextEdit(this), "MemoTest", {8, 120, 385, 241});
    MemoTest_->setReadOnly(true);
    sbSave_ = placed(new QToolButton(this), "sbSave", {184, 368, 35, 35});
    sbSave_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    sbSave_->setIconSize({24, 24});
    sbSave_->setToolTip(QStringLiteral("Сохранить таблицы в файл"));
    sbSave_->setFocusPolicy(Qt::NoFocus);

    setTabOrder(MemoTest_, cbChsReg_);
    setTabOrder(cbChsReg_, cbChsYear_);
    setTabOrder(cbChsYear_, btnSelect_);

    connect(btnSelect_, &QPushButton::clicked, this, [this] { runCommand([this] { btnSelectClick(); }); });
    connect(sbSave_, &QToolButton::clicked, this, [this] { runCommand([this] { sbSaveClick(); }); });
}

void TotalsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
    runCommand([this] { FormShow(); });
}

void TotalsWindow::FormShow() {
    sbSave_->setEnabled(false);
    fillChoices(cbChsReg_, data_.regionNames());
    const RegionYear settings = data_.settings().value_or(RegionYear{});
    showChoice(cbChsReg_, settings.regionName);
    showChoice(cbChsYear_, settings.year);
}

void TotalsWindow::btnSelectClick() {
    WaitCursor wait;
    MemoLog log(MemoTest_);
    const TotalsCounters counters =
        computeRegionalTotals(data_.db(), cbChsReg_->currentText(), cbChsYear_->currentText(), log);
    sbSave_->setEnabled(counters.anyAdded());
}

void TotalsWindow::sbSaveClick() {
    // One export per computation: only the next "Рассчитать" with data enables it again.
    sbSave_->setEnabled(false);
    WaitCursor wait;
    MemoLog log(MemoTest_);
    const Workbook book = buildTotalsWorkbook(data_.db(), cbChsReg_->currentText(), cbChsYear_->currentText(), log);
    saveToDocAndShow(book, data_.programFolder(), QString::fromLatin1(kTotalsWorkbookFile));
}

TotalsWindowCommand::TotalsWindowCommand(Database& data, QWidget* parent) : data_(data), parent_(parent) {}

TotalsWindowCommand::~TotalsWindowCommand() = default;

void TotalsWindowCommand::open() {
    {
        // Only while the window is made ready: the user works in it with the normal pointer.
        WaitCursor wait;
        if (!window_)
            window_ = std::make_unique<TotalsWindow>(data_, parent_);
        window_->memo()->clear();
    }
    window_->exec();
}
