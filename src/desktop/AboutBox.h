#pragma once

#include <QDialog>

// "About": the program's title and version.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};
