#include "PaintedPictureWidget.h"

#include <QPainter>

PaintedPictureWidget::PaintedPictureWidget(const PaintedPicture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setGeometry(picture.x, picture.y, picture.width, picture.height);
}

void PaintedPictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    for (const PaintedLine& l : picture_.lines)
        painter.drawLine(l.x1, l.y1, l.x2, l.y2);
    // Texts are placed by their top-left corner, as a canvas places them.
    for (const PaintedText& t : picture_.texts)
        painter.drawText(QRect(t.x, t.y, width() - t.x, height() - t.y),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t.text);
}
