#include "SettingsDialog.h"

#include "ChoiceBox.h"
#include "CommandRunner.h"
#include "Controls.h"
#include "DialogService.h"
#include "domain/db/Database.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

std::optional<QString> saveProgramSettings(Database& data, const QString& regionName, const QString& year) {
    if (regionName.isEmpty() || year.trimmed().isEmpty())
        return QStringLiteral("Нужно выбрать оба параметра!");
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    if (!fourDigits.match(year.trimmed()).hasMatch())
        return QStringLiteral("Год «%1» указан неверно: нужны четыре цифры, например 2026.").arg(year.trimmed());
    SqlEngine& db = data.db();
    const SqlResult region = db.select(QStringLiteral("select kod from spobl where im=?"), {regionName});
    if (region.isEmpty())
        return QStringLiteral("Региона «%1» нет в справочнике регионов. Выберите регион из списка.").arg(regionName);
    const qint64 code = region.first().integer(QStringLiteral("kod"));
    db.transaction([&] {
        db.execute(QStringLiteral("delete from k1obl"));
        db.execute(QStringLiteral("insert into k1obl(cobl,god) values(:par1,:par2)"), {code, year.trimmed()});
    });
    return std::nullopt;
}

SettingsDialog::SettingsDialog(Database& data, QWidget* parent) : EditingDialog(parent), data_(data) {
    setObjectName(QStringLiteral("TFormOption"));
    setWindowTitle(QStringLiteral("Настройки программы"));
    setFixedSize(384, 212);

    cbChsReg_ = makeChoiceBox(QStringLiteral("cbChsReg"));
    cbChsYear_ = makeChoiceBox(QStringLiteral("cbChsYear"));
    // Years from the first bonitations kept here up to a few years ahead; others can be typed.
    fillChoices(cbChsYear_, yearList(2006));

    QPushButton* save = makeButton("btnSave", QStringLiteral("Сохранить"));
    connect(save, &QPushButton::clicked, this, [this] { runCommand([this] { btnSaveClick(); }); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Выбор региона")), 0, 0);
    layout->addWidget(cbChsReg_, 1, 0);
    layout->addWidget(new QLabel(QStringLiteral("Выбор года")), 2, 0);
    layout->addWidget(cbChsYear_, 3, 0);
    layout->addWidget(save, 4, 0, Qt::AlignRight);
}

void SettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    runCommand([this] { FormShow(); });
}

void SettingsDialog::FormShow() {
    fillChoices(cbChsReg_, data_.regionNames());
    const RegionYear current = data_.settings().value_or(RegionYear{});
    showChoice(cbChsReg_, current.regionName);
    showChoice(cbChsYear_, current.year);
}

void SettingsDialog::btnSaveClick() {
    const auto refusal = saveProgramSettings(data_, cbChsReg_->currentText(), cbChsYear_->currentText());
    dialogs().information(refusal.value_or(QStringLiteral("Новые параметры сохранены!")));
}
