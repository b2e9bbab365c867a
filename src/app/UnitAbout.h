#pragma once

#include <QDialog>

// "About": the program's title and version.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
