#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QComboBox;
class TDataMdl;

// Stores the current region and year as the one settings row. A region that is not in the
// list or a year that is not four digits is refused with the returned message.
std::optional<QString> saveProgramSettings(TDataMdl& data, const QString& regionName, const QString& year);

// "Настройки программы": choice of the current region and bonitation year.
class TFormOption : public QDialog {
    Q_OBJECT
public:
    explicit TFormOption(TDataMdl& data, QWidget* parent = nullptr);

    void btnSaveClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    TDataMdl& data_;
    QComboBox* cbChsReg_;
    QComboBox* cbChsYear_;
};
