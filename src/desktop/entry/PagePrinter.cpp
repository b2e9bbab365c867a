#include "PagePrinter.h"

#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <stdexcept>

PrinterChooser printDialogChooser(QWidget* parent) {
    return [parent](QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        dialog.setObjectName(QStringLiteral("PrintDialog1"));
        return dialog.exec() == QDialog::Accepted;
    };
}

void printWindowImage(QWidget& window, int skipRows, QPrinter& printer) {
    const QPixmap image = window.grab();
    const QRectF target(0, 0, qreal(image.width()) * printer.logicalDpiX() / window.logicalDpiX(),
                        qreal(image.height()) * printer.logicalDpiY() / window.logicalDpiY());
    const QRectF source(0, skipRows, image.width(), image.height() - skipRows);
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(QStringLiteral("Не удалось начать печать на выбранном принтере.").toStdString());
    painter.drawPixmap(target, image, source);
    painter.end();
}
