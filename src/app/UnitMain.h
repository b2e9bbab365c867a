#pragma once

#include <QMainWindow>

class TDataMdl;

// The main window: menu, toolbar and the choice of a table title.
class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(TDataMdl& data, QWidget* parent = nullptr);

private:
    TDataMdl& data_;
};
