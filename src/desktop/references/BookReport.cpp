#include "BookReport.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <numeric>
#include <stdexcept>

namespace {

constexpr int kPadding = 4;
constexpr double kTitlePoints = 12;
constexpr double kBodyPoints = 9;

QFont fontOf(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Column widths in device pixels: the grid's character widths shared out over the page width.
QList<int> columnWidths(const BookReport& report, int pageWidth) {
    const int characters = std::accumulate(report.columns.begin(), report.columns.end(), 0,
                                           [](int sum, const BookColumn& c) { return sum + c.width; });
    QList<int> widths;
    for (const BookColumn& c : report.columns)
        widths << (characters > 0 ? pageWidth * c.width / characters : 0);
    return widths;
}

class ReportPainter {
public:
    ReportPainter(const BookReport& report, QPrinter& printer) : report_(report), printer_(printer) {
        if (!painter_.begin(&printer))
            throw std::runtime_error(
                QStringLiteral("Не удалось начать печать справочника «%1».").arg(report.title).toStdString());
        page_ = painter_.viewport();
        widths_ = columnWidths(report, page_.width());
    }

    void paint() {
        startPage();
        for (const QStringList& row : report_.rows) {
            const int height = rowHeight(row, false);
            if (y_ + height > bodyBottom()) {
                printer_.newPage();
                startPage();
            }
            drawRow(row, false, height);
        }
        painter_.end();
    }

private:
    int lineHeight(bool bold) const { return QFontMetrics(fontOf(kBodyPoints, bold), &printer_).height(); }
    int bodyBottom() const { return page_.bottom() - 2 * lineHeight(false); }

    int rowHeight(const QStringList& texts, bool bold) const {
        const QFontMetrics metrics(fontOf(kBodyPoints, bold), &printer_);
        int height = metrics.height();
        for (int i = 0; i < widths_.size(); ++i) {
            const QRect box(0, 0, std::max(1, widths_.at(i) - 2 * kPadding), 10000);
            height = std::max(height, metrics.boundingRect(box, Qt::TextWordWrap, texts.value(i)).height());
        }
        return height + 2 * kPadding;
    }

    void drawRow(const QStringList& texts, bool bold, int height) {
        painter_.setFont(fontOf(kBodyPoints, bold));
        int x = 0;
        for (int i = 0; i < widths_.size(); ++i) {
            const QRect cell(x, y_, widths_.at(i), height);
            painter_.drawRect(cell);
            painter_.drawText(cell.adjusted(kPadding, kPadding, -kPadding, -kPadding),
                              Qt::TextWordWrap | (bold ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop),
                              texts.value(i));
            x += widths_.at(i);
        }
        y_ += height;
    }

    void startPage() {
        ++pageNumber_;
        painter_.setFont(fontOf(kTitlePoints, true));
        const int titleHeight = QFontMetrics(painter_.font(), &printer_).height();
        painter_.drawText(QRect(0, 0, page_.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, report_.title);
        painter_.setFont(fontOf(kBodyPoints, false));
        const QRect footer(0, page_.bottom() - lineHeight(false), page_.width(), lineHeight(false));
        painter_.drawText(footer, Qt::AlignLeft, report_.date.toString(QStringLiteral("dd.MM.yyyy")));
        painter_.drawText(footer, Qt::AlignRight, QStringLiteral("Стр. %1").arg(pageNumber_));
        y_ = titleHeight + lineHeight(false);
        QStringList captions;
        for (const BookColumn& c : report_.columns)
            captions << c.caption;
        drawRow(captions, true, rowHeight(captions, true));
    }

    const BookReport& report_;
    QPrinter& printer_;
    QPainter painter_;
    QRect page_;
    QList<int> widths_;
    int y_ = 0;
    int pageNumber_ = 0;
};

} // namespace

void renderBookReport(const BookReport& report, QPrinter& printer) {
    printer.setDocName(report.name);
    ReportPainter(report, printer).paint();
}
