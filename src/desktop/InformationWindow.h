#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

// "Информация": the report lines of sending and receiving.
class InformationWindow : public QDialog {
    Q_OBJECT
public:
    explicit InformationWindow(QWidget* parent = nullptr);

    // Replaces what the window shows by the lines and shows it until the user closes it.
    void showLines(const QStringList& lines);
    QString text() const;

private:
    QPlainTextEdit* memo_;
};
