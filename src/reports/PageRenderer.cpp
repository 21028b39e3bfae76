#include "reports/PageRenderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>

#include "reports/Page.h"

namespace quorin {

namespace {

constexpr double kTwipsPerInch = 1440;
// The drawing width counts pixels of a 600-dpi printer.
constexpr double kTwipsPerDrawingPixel = kTwipsPerInch / 600;
// A printer's usual unprintable border; a PDF gets the same, so the page
// lands where it does on paper.
constexpr double kMarginInch = 0.25;

// Twips to the painter's device pixels, from the top-left corner of the
// printable area with the page's origin as the scale origin.
class Scale {
public:
    Scale(const Page& page, int resolution) : page_(page), perTwip_(resolution / kTwipsPerInch) {}

    QPointF at(int x, int y) const {
        return {(x - page_.originX) * perTwip_, (y - page_.originY) * perTwip_};
    }
    double length(double twips) const { return twips * perTwip_; }

private:
    const Page& page_;
    double perTwip_;
};

QFont fontOf(const PageItem& item) {
    QFont font(QString::fromStdString(item.font));
    font.setPointSizeF(item.pointSize);
    font.setBold(item.bold);
    font.setUnderline(item.underline);
    return font;
}

void paintText(QPainter& painter, const Scale& scale, const PageItem& item) {
    // The font's point size holds on the printer's own resolution.
    painter.setFont(fontOf(item));
    const QFontMetricsF metrics(painter.font(), painter.device());
    // The position is the top-left of the text cell: the baseline lies one
    // ascent below it.
    const QPointF topLeft = scale.at(item.x, item.y);
    QString text = QString::fromStdString(item.text);
    if (item.maxWidth > 0)
        text = metrics.elidedText(text, Qt::ElideRight, scale.length(item.maxWidth));
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
}

void paintLine(QPainter& painter, const Scale& scale, const PageItem& item) {
    QPen pen(Qt::black);
    pen.setWidthF(scale.length(item.lineWidth * kTwipsPerDrawingPixel));
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(scale.at(item.x, item.y), scale.at(item.x2, item.y2));
    painter.setPen(Qt::black);
}

// Lays the page out on `device` (painting inside its margins).
void layOut(const Page& page, QPagedPaintDevice& device) {
    const QPageSize size(QSizeF(page.width / kTwipsPerInch, page.height / kTwipsPerInch),
                         QPageSize::Inch);
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageSize(size);
    // A printer that cannot print this close to the edge keeps its own margins.
    device.setPageMargins(QMarginsF(kMarginInch, kMarginInch, kMarginInch, kMarginInch),
                          QPageLayout::Inch);
}

void paintItems(QPainter& painter, const Page& page, int resolution) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    const Scale scale(page, resolution);
    for (const PageItem& item : page.items) {
        if (item.kind == PageItem::Kind::Text)
            paintText(painter, scale, item);
        else
            paintLine(painter, scale, item);
    }
}

// Lays the page out on `device` and paints it.
bool paintPage(const Page& page, QPagedPaintDevice& device, int resolution) {
    layOut(page, device);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    paintItems(painter, page, resolution);
    return painter.end();
}

}  // namespace

bool renderPage(const Page& page, QPrinter& printer) {
    printer.setFullPage(false);
    const bool ended = paintPage(page, printer, printer.resolution());
    return ended && printer.printerState() != QPrinter::Error;
}

bool renderPage(const Page& page, QPdfWriter& writer) {
    return paintPage(page, writer, writer.resolution());
}

PdfPages::PdfPages(QPdfWriter& writer) : writer_(writer) {}

PdfPages::~PdfPages() = default;

bool PdfPages::add(const Page& page) {
    layOut(page, writer_);
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&writer_)) return false;
    } else if (!writer_.newPage()) {
        return false;
    }
    paintItems(*painter_, page, writer_.resolution());
    return true;
}

bool PdfPages::finish() { return painter_ && painter_->isActive() && painter_->end(); }

}  // namespace quorin
