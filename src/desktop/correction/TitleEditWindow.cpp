#include "TitleEditWindow.h"

#include "desktop/CommandRunner.h"
#include "desktop/Controls.h"
#include "desktop/DialogService.h"
#include "domain/correction/CorrectionSelector.h"
#include "domain/correction/TitleChange.h"
#include "domain/db/Database.h"
#include "domain/tables/TitleResolver.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const kCaptions[] = {"Регион", "Район", "Хозяйство", "Категория хозяйства", "Порода", "Год"};

// The item equal to the text; none when the list lacks it.
void choose(QComboBox* combo, const QString& text) { combo->setCurrentIndex(combo->findText(text)); }

} // namespace

TitleEditWindow::TitleEditWindow(Database& data, QWidget* parent) : QDialog(parent), data_(data) {
    setObjectName(QStringLiteral("TFormEditTitleTable"));
    setModal(true);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(9);
    setFont(arial);
    auto* sides = new QHBoxLayout;
    sides->addWidget(buildOldSide());
    sides->addWidget(buildNewSide());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sides);
    layout->addWidget(buildButtons());
    setFixedSize(719, 366);
    connect(cbRegion_, &QComboBox::currentIndexChanged, this, [this] { runCommand([this] { cbRegionChange(); }); });
    connect(cbRajon_, &QComboBox::currentIndexChanged, this, [this] { runCommand([this] { cbRajonChange(); }); });
}

QWidget* TitleEditWindow::buildOldSide() {
    auto* group = new QGroupBox(QStringLiteral("Старый заголовок"));
    auto* form = new QFormLayout(group);
    const char* const names[] = {"lblRegion", "lblRajon", "lblXoz", "lblKatXoz", "lblPoroda", "lblYear"};
    for (int i = 0; i < 6; ++i) {
        auto* label = new QLabel;
        label->setObjectName(QLatin1String(names[i]));
        form->addRow(QString::fromUtf8(kCaptions[i]), label);
        oldLabels_ << label;
    }
    return group;
}

QWidget* TitleEditWindow::buildNewSide() {
    auto* group = new QGroupBox(QStringLiteral("Новый заголовок"));
    auto* form = new QFormLayout(group);
    cbRegion_ = makeChoiceBox("cbRegion");
    cbRajon_ = makeChoiceBox("cbRajon");
    cbXoz_ = makeChoiceBox("cbXoz");
    cbKatXoz_ = makeChoiceBox("cbKatXoz");
    cbKodPor_ = makeChoiceBox("cbKodPor");
    cbYear_ = makeChoiceBox("cbYear");
    int i = 0;
    for (QComboBox* combo : {cbRegion_, cbRajon_, cbXoz_, cbKatXoz_, cbKodPor_, cbYear_})
        form->addRow(QString::fromUtf8(kCaptions[i++]), combo);
    return group;
}

QWidget* TitleEditWindow::buildButtons() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->addStretch();
    const struct {
        const char* name;
        const char* hint;
        QStyle::StandardPixmap icon;
        void (TitleEditWindow::*handler)();
    } buttons[] = {{"sbSave", "Сохранить", QStyle::SP_DialogSaveButton, &TitleEditWindow::sbSaveClick},
                   {"sbCancel", "Отменить", QStyle::SP_DialogResetButton, &TitleEditWindow::showOldTitle},
                   {"sbClose", "Выход", QStyle::SP_DialogCloseButton, nullptr}};
    for (const auto& b : buttons) {
        auto* button = new QToolButton;
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(QString::fromUtf8(b.hint));
        button->setIcon(QApplication::style()->standardIcon(b.icon));
        button->setIconSize(QSize(24, 24));
        layout->addWidget(button);
        const auto handler = b.handler;
        connect(button, &QToolButton::clicked, this, [this, handler] {
            runCommand([this, handler] { handler ? (this->*handler)() : void(close()); });
        });
    }
    return row;
}

void TitleEditWindow::openOn(const NamedTitle& old, int selector) {
    old_ = old;
    selector_ = selector;
    const QString texts[] = {old.region, old.district, old.farm, old.category, old.breed, old.title.godm};
    for (int i = 0; i < 6; ++i)
        oldLabels_[i]->setText(texts[i]);
    fillChoices(cbRegion_, data_.regionNames());
    fillChoices(cbKatXoz_, data_.categoryNames());
    fillChoices(cbKodPor_, data_.breedNames());
    fillChoices(cbYear_, yearList(2000));
    showOldTitle();
    setWindowTitle(CorrectionSelector::titleCaption(selector));
    open();
}

void TitleEditWindow::cbRegionChange() {
    const QString region = cbRegion_->currentText();
    fillChoices(cbRajon_, region.isEmpty() ? QStringList{} : data_.districtNames(region));
}

void TitleEditWindow::cbRajonChange() {
    const QString district = cbRajon_->currentText();
    fillChoices(cbXoz_, district.isEmpty() ? QStringList{} : data_.farmNames(cbRegion_->currentText(), district));
}

void TitleEditWindow::showOldTitle() {
    choose(cbRegion_, old_.region);
    cbRegionChange();
    choose(cbRajon_, old_.district);
    cbRajonChange();
    choose(cbXoz_, old_.farm);
    choose(cbKatXoz_, old_.category);
    choose(cbKodPor_, old_.breed);
    choose(cbYear_, old_.title.godm);
}

void TitleEditWindow::sbSaveClick() {
    const QList<QComboBox*> choices{cbRegion_, cbRajon_, cbXoz_, cbKatXoz_, cbKodPor_, cbYear_};
    for (const QComboBox* combo : choices)
        if (combo->currentText().trimmed().isEmpty()) {
            dialogs().information(QStringLiteral("Нужно выбрать все параметры!"));
            return;
        }
    TableTitle to;
    try {
        to = resolveTitle(data_.db(), {cbRegion_->currentText(),
                                       {cbRajon_->currentText(), cbXoz_->currentText(), cbKatXoz_->currentText(),
                                        cbKodPor_->currentText()},
                                       cbYear_->currentText()});
    } catch (const TitleError& e) {
        dialogs().information(QStringLiteral("Ошибка выбора параметров.Попробуйте еще раз! ") +
                              QString::fromStdString(e.what()));
        return;
    }
    if (selector_ == CorrectionSelector::kAllTables) {
        const TitleNamesShown from{old_.region, old_.district, old_.farm, old_.category, old_.breed, old_.title.godm};
        const TitleNamesShown next{cbRegion_->currentText(),  cbRajon_->currentText(), cbXoz_->currentText(),
                                   cbKatXoz_->currentText(), cbKodPor_->currentText(), cbYear_->currentText()};
        if (!dialogs().confirm(allTablesQuestion(from, next)))
            return;
    }
    for (int table : CorrectionSelector::retitledTables(selector_))
        dialogs().information(changeTableTitle(data_.db(), table, old_.title, to).message());
}
