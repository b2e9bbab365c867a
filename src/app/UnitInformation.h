#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Информация": the report lines of sending and receiving.
class TFormInformation : public QDialog {
    Q_OBJECT
public:
    explicit TFormInformation(QWidget* parent = nullptr);

    void clear();
    void addLine(const QString& line);
    QString text() const;

private:
    QPlainTextEdit* memo_;
};
