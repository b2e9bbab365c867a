#include "UnitMain.h"

#include "db/UnitDB.h"

TFormMain::TFormMain(TDataMdl& data, QWidget* parent) : QMainWindow(parent), data_(data) {
    setWindowTitle(QStringLiteral("Stavor"));
}
