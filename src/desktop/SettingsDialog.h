#pragma once

#include "EditingDialog.h"

#include <QString>
#include <optional>

class QComboBox;
class Database;

// Stores the current region and year as the one settings row. A region that is not in the
// list or a year that is not four digits is refused with the returned message.
std::optional<QString> saveProgramSettings(Database& data, const QString& regionName, const QString& year);

// "Настройки программы": choice of the current region and bonitation year.
class SettingsDialog : public EditingDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(Database& data, QWidget* parent = nullptr);

    void btnSaveClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    Database& data_;
    QComboBox* cbChsReg_;
    QComboBox* cbChsYear_;
};
