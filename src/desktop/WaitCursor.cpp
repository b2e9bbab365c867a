#include "WaitCursor.h"

#include <QApplication>
#include <QGuiApplication>

WaitCursor::WaitCursor() {
    if (qApp)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    if (qApp && QGuiApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void WaitCursor::restoreAll() {
    if (!qApp)
        return;
    while (QGuiApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}
