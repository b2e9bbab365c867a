#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Информация": the report lines of sending and receiving.
class InformationWindow : public QDialog {
    Q_OBJECT
public:
    explicit InformationWindow(QWidget* parent = nullptr);

    void clear();
    void addLine(const QString& line);
    QString text() const;

private:
    QPlainTextEdit* memo_;
};
