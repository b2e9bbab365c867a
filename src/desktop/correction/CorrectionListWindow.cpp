#include "CorrectionListWindow.h"

#include "CorrectionWindow.h"
#include "TitleEditWindow.h"
#include "desktop/CommandRunner.h"
#include "desktop/Controls.h"
#include "desktop/DialogService.h"
#include "desktop/Session.h"
#include "desktop/WaitCursor.h"
#include "domain/correction/CorrectionSelector.h"
#include "domain/db/Database.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyle>
#include <QTableView>
#include <QToolButton>

namespace {

const QString kSetFilter = QStringLiteral("Установить фильтр");
const QString kCancelFilter = QStringLiteral("Отменить фильтр");

struct GridColumn {
    const char* caption;
    int widthInCharacters;
};
const GridColumn kColumns[] = {{"Регион", 28}, {"Район", 18},  {"Хозяйство", 23},
                               {"Код хозяйства", 18}, {"Порода", 18}, {"Год", 4}};

QComboBox* filterCombo(QWidget* parent, const char* name, int x, int width) {
    QComboBox* combo = makeChoiceBox(name, parent);
    combo->setGeometry(x, 24, width, 23);
    return combo;
}

QToolButton* pictureButton(QWidget* parent, const char* name, int x, const QString& hint, QStyle::StandardPixmap icon) {
    auto* button = placed(new QToolButton(parent), name, QRect(x, 12, 35, 35));
    button->setToolTip(hint);
    button->setIcon(QApplication::style()->standardIcon(icon));
    button->setIconSize(QSize(24, 24));
    return button;
}

QStringList sortedByName(QStringList names) {
    names.sort();
    return names;
}

QStringList gridRow(const NamedTitle& t) { return {t.region, t.district, t.farm, t.category, t.breed, t.title.godm}; }

} // namespace

CorrectionListWindow::CorrectionListWindow(Database& data, Session& session, QWidget* parent)
    : QDialog(parent), data_(data), session_(session) {
    setObjectName(QStringLiteral("TFormCorrect"));
    setWindowTitle(QStringLiteral("Корректировка таблиц"));
    setModal(true);
    setFixedSize(822, 468);
    buildControls();
}

void CorrectionListWindow::buildControls() {
    auto* frame = placed(new QGroupBox(this), "GroupBox1", QRect(8, 3, 561, 54));
    frame->lower();
    placed(new QLabel(QStringLiteral("Район"), this), "lblRajon", QRect(16, 8, 100, 16));
    cbRajon_ = filterCombo(this, "cbRajon", 16, 201);
    btnFiltr_ = placed(new QPushButton(kSetFilter, this), "btnFiltr", QRect(240, 24, 121, 25));
    placed(new QLabel(QStringLiteral("Порода"), this), "lblPoroda", QRect(384, 8, 100, 16));
    cbPoroda_ = filterCombo(this, "cbPoroda", 384, 177);
    spdBtnEdit_ = pictureButton(this, "SpdBtnEdit", 584, QStringLiteral("Редактирование заголовка"),
                                QStyle::SP_FileDialogDetailedView);
    spdBtnDelete_ = pictureButton(this, "SpdBtnDelete", 624, QStringLiteral("Удаление"), QStyle::SP_TrashIcon);

    model_ = new QStandardItemModel(0, int(std::size(kColumns)), this);
    grid_ = makeReadOnlyGrid("DBGridCorrect", model_, this);
    grid_->setGeometry(8, 56, 809, 345);
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    const int charWidth = fontMetrics().averageCharWidth();
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
        model_->setHeaderData(c, Qt::Horizontal, QString::fromUtf8(kColumns[c].caption));
        grid_->setColumnWidth(c, kColumns[c].widthInCharacters * charWidth + 8);
    }
    buildNavigator()->setGeometry(200, 416, 140, 25);
    btnCorrect_ = placed(new QPushButton(QStringLiteral("Корректировать таблицу"), this), "btnCorrect",
                         QRect(488, 416, 145, 25));

    connect(btnFiltr_, &QPushButton::clicked, this, [this] { runCommand([this] { btnFiltrClick(); }); });
    connect(spdBtnDelete_, &QToolButton::clicked, this, [this] { runCommand([this] { SpdBtnDeleteClick(); }); });
    connect(spdBtnEdit_, &QToolButton::clicked, this, [this] { runCommand([this] { SpdBtnEditClick(); }); });
    connect(btnCorrect_, &QPushButton::clicked, this, [this] { runCommand([this] { btnCorrectClick(); }); });
}

// First, prior, next and last row of the grid.
QWidget* CorrectionListWindow::buildNavigator() {
    auto* navigator = new QWidget(this);
    navigator->setObjectName(QStringLiteral("DBNavigator1"));
    auto* layout = new QHBoxLayout(navigator);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Each button's row from the current row and the row count.
    const struct {
        const char* name;
        QStyle::StandardPixmap icon;
        int (*target)(int current, int count);
    } buttons[] = {{"nbFirst", QStyle::SP_MediaSkipBackward, [](int, int) { return 0; }},
                   {"nbPrior", QStyle::SP_MediaSeekBackward, [](int current, int) { return std::max(current - 1, 0); }},
                   {"nbNext", QStyle::SP_MediaSeekForward,
                    [](int current, int count) { return std::min(current + 1, count - 1); }},
                   {"nbLast", QStyle::SP_MediaSkipForward, [](int, int count) { return count - 1; }}};
    for (const auto& b : buttons) {
        auto* button = new QToolButton(navigator);
        button->setObjectName(QLatin1String(b.name));
        button->setIcon(QApplication::style()->standardIcon(b.icon));
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, target = b.target] {
            if (model_->rowCount() > 0)
                grid_->selectRow(target(std::max(grid_->currentIndex().row(), 0), model_->rowCount()));
        });
    }
    return navigator;
}

int CorrectionListWindow::listedTable() const {
    return CorrectionSelector::listedTable(session_.correctionSelector);
}

void CorrectionListWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    runCommand([this] { FormShow(); });
}

void CorrectionListWindow::FormShow() {
    spdBtnDelete_->setVisible(true);
    btnCorrect_->setVisible(true);
    readList();
    btnFiltr_->setText(kSetFilter);
    const RegionYear settings = data_.settings().value_or(RegionYear{});
    fillChoices(cbRajon_,
                sortedByName(settings.regionName.isEmpty() ? QStringList{} : data_.districtNames(settings.regionName)));
    fillChoices(cbPoroda_, sortedByName(data_.breedNames()));
    const int selector = session_.correctionSelector;
    setWindowTitle(CorrectionSelector::listCaption(selector));
    if (selector == CorrectionSelector::kAllTables) {
        spdBtnDelete_->setVisible(false);
        btnCorrect_->setVisible(false);
    }
}

void CorrectionListWindow::readList() {
    const WaitCursor wait;
    rows_ = correctionList(data_.db(), listedTable(), filter_);
    QList<QStringList> texts;
    for (const NamedTitle& row : rows_)
        texts << gridRow(row);
    setGridRows(model_, texts);
    if (!rows_.isEmpty())
        grid_->selectRow(0);
    btnCorrect_->setEnabled(!rows_.isEmpty());
}

const NamedTitle* CorrectionListWindow::selectedRow() const {
    const int row = grid_->currentIndex().row();
    return row >= 0 && row < rows_.size() ? &rows_[row] : nullptr;
}

void CorrectionListWindow::btnFiltrClick() {
    if (btnFiltr_->text() == kSetFilter) {
        btnFiltr_->setText(kCancelFilter);
        filter_ = filterAfterSetting(filter_, cbRajon_->currentText(), cbPoroda_->currentText());
    } else {
        btnFiltr_->setText(kSetFilter);
        filter_ = {};
    }
    readList();
}

void CorrectionListWindow::SpdBtnDeleteClick() {
    const NamedTitle* row = selectedRow();
    if (!row || !dialogs().confirm(QStringLiteral("Удалить запись?")))
        return;
    deleteStoredTable(data_.db(), listedTable(), row->title);
    FormShow();
}

void CorrectionListWindow::SpdBtnEditClick() {
    const NamedTitle* row = selectedRow();
    if (!row)
        return;
    if (!titleEdit_) {
        titleEdit_ = new TitleEditWindow(data_, this);
        connect(titleEdit_, &QDialog::finished, this, [this] { runCommand([this] { readList(); }); });
    }
    session_.title = row->title;
    titleEdit_->openOn(*row, session_.correctionSelector);
}

void CorrectionListWindow::btnCorrectClick() {
    const NamedTitle* row = selectedRow();
    if (!row)
        return;
    if (!correction_) {
        correction_ = new CorrectionWindow(data_, session_, this);
        // Storing or closing the correction ends the whole correction.
        connect(correction_, &QDialog::finished, this, &QDialog::reject);
    }
    if (correction_->loadRow(listedTable(), row->title))
        correction_->open();
}
