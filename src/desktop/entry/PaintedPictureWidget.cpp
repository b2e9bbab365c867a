#include "PaintedPictureWidget.h"

#include <QFontMetrics>
#include <algorithm>
#include <QPainter>

namespace {

// Room for a text up to the first vertical line on its right that crosses the text's row.
int roomFor(const PaintedPicture& picture, const PaintedText& text, int lineHeight) {
    int room = picture.width - text.x;
    for (const PaintedLine& l : picture.lines) {
        const bool vertical = l.x1 == l.x2;
        const bool crossesRow = std::min(l.y1, l.y2) < text.y + lineHeight && std::max(l.y1, l.y2) > text.y;
        if (vertical && crossesRow && l.x1 > text.x)
            room = std::min(room, l.x1 - text.x - 1);
    }
    return room;
}

} // namespace

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
    // Texts are placed by their top-left corner, as a canvas places them. The form's positions
    // were set for a narrower font: a caption that would cross the next line is narrowed to fit.
    const QFontMetrics metrics(font());
    for (const PaintedText& t : picture_.texts) {
        const int room = roomFor(picture_, t, metrics.height());
        const int needed = metrics.horizontalAdvance(t.text);
        painter.save();
        painter.translate(t.x, t.y);
        if (needed > room && room > 0)
            painter.scale(double(room) / needed, 1.0);
        painter.drawText(QRect(0, 0, std::max(needed, width()), height() - t.y),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t.text);
        painter.restore();
    }
}
