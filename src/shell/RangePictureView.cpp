#include "shell/RangePictureView.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "shell/Controls.h"

namespace quorin {

namespace {

constexpr int kPad = 6;   // margin around the picture
constexpr int kGap = 4;   // between a bar's end and its limit

int widest(const QFontMetrics& fm, const std::vector<RangeBar>& bars,
           std::string RangeBar::*text) {
    int w = 0;
    for (const RangeBar& b : bars) w = std::max(w, fm.horizontalAdvance(q(b.*text)));
    return w;
}

QString flowLabel(const RangePicture& p) { return q("Flow " + p.flowText + " " + p.unit); }

// Rows no lower than a line of text and no higher than two.
int rowHeight(const QFontMetrics& fm, int room, size_t rows) {
    const int line = fm.height();
    return std::clamp(rows ? room / int(rows) : line, line + 2, 2 * line);
}

}  // namespace

const RangePictureColours& rangePictureColours() {
    static const RangePictureColours colours;
    return colours;
}

int RangePictureLayout::x(double fraction) const {
    return plot.left() + qRound(fraction * (plot.width() - 1));
}

RangePictureLayout layOutRangePicture(const QFontMetrics& fm, const QRect& area,
                                      const RangePicture& p) {
    RangePictureLayout l;
    const int line = fm.height();
    const int codes =
        std::max(widest(fm, p.bars, &RangeBar::code), fm.horizontalAdvance(q(p.unit)));
    const int left =
        area.left() + kPad + codes + kPad + widest(fm, p.bars, &RangeBar::minText) + kGap;
    const int right = area.right() - kPad - widest(fm, p.bars, &RangeBar::maxText) - kGap;
    const int top = area.top() + kPad + line + 2;
    const int axisRoom = 2 + 5 + line + kPad;  // ticks and their numbers
    const int rowH = rowHeight(fm, area.bottom() - axisRoom - top, p.bars.size());
    const int bottom = top + rowH * int(p.bars.size());
    l.plot = QRect(QPoint(left, top), QPoint(std::max(left, right), bottom));
    l.axisY = l.plot.bottom() + 2;
    const int thickness = std::max(4, rowH - 8);
    for (size_t k = 0; k < p.bars.size(); ++k) {
        const RangeBar& b = p.bars[k];
        const QRect row(area.left() + kPad, top + int(k) * rowH, area.width() - 2 * kPad, rowH);
        const int y = row.top() + (rowH - thickness) / 2;
        const int x0 = l.x(p.axisFraction(b.minFlow));
        const int x1 = std::max(l.x(p.axisFraction(b.maxFlow)), x0 + 1);
        const int zone = std::clamp(l.x(p.axisFraction(b.lowZoneEnd)), x0, x1);
        const int textTop = row.top() + (rowH - line) / 2;
        const int minW = fm.horizontalAdvance(q(b.minText));
        const int maxLeft = x1 + 1 + kGap;
        const int maxW = std::min(fm.horizontalAdvance(q(b.maxText)), area.right() + 1 - maxLeft);
        l.rows.push_back(row);
        l.bars.push_back(QRect(QPoint(x0, y), QPoint(x1, y + thickness - 1)));
        l.lowZones.push_back(QRect(QPoint(x0, y), QPoint(zone, y + thickness - 1)));
        l.minTexts.push_back(QRect(x0 - kGap - minW, textTop, minW, line));
        l.maxTexts.push_back(QRect(maxLeft, textTop, std::max(maxW, 0), line));
    }
    if (p.flowShown()) l.flowX = l.x(p.axisFraction(p.flow));
    return l;
}

QSize rangePictureSize(const QFontMetrics& fm, const RangePicture& p) {
    const int line = fm.height();
    if (p.bars.empty()) return {fm.horizontalAdvance(q(p.emptyText)) + 2 * kPad, line + 2 * kPad};
    const int texts = widest(fm, p.bars, &RangeBar::code) + widest(fm, p.bars, &RangeBar::minText) +
                      widest(fm, p.bars, &RangeBar::maxText);
    const int height = kPad + line + 2 + int(p.bars.size()) * (line + 2) + 2 + 5 + line + kPad;
    return {texts + 4 * kPad + 2 * kGap + 30 * line / 2, height};
}

void paintRangePicture(QPainter& painter, const QRect& area, const RangePicture& p) {
    const RangePictureColours& c = rangePictureColours();
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, c.paper);
    painter.setPen(c.text);
    if (p.bars.empty()) {
        painter.drawText(area, Qt::AlignCenter, q(p.emptyText));
        painter.restore();
        return;
    }
    const QFontMetrics fm = painter.fontMetrics();
    const RangePictureLayout l = layOutRangePicture(fm, area, p);
    const int line = fm.height();

    // The grid, the axis, its ticks with their numbers, the unit under the codes.
    int lastLabelEnd = area.left();
    for (const RangeTick& t : p.ticks) {
        const int x = l.x(p.axisFraction(t.value));
        painter.setPen(c.grid);
        painter.drawLine(x, l.plot.top(), x, l.axisY);
        painter.setPen(c.text);
        painter.drawLine(x, l.axisY, x, l.axisY + 4);
        const QString text = q(t.text);
        const int w = fm.horizontalAdvance(text);
        const int at = std::clamp(x - w / 2, area.left(), area.right() - w);
        if (at < lastLabelEnd + kGap && lastLabelEnd != area.left()) continue;  // no overlap
        painter.drawText(QRect(at, l.axisY + 5, w, line), Qt::AlignCenter, text);
        lastLabelEnd = at + w;
    }
    painter.drawLine(l.plot.left(), l.axisY, l.plot.right(), l.axisY);
    painter.drawText(QRect(area.left() + kPad, l.axisY + 5, l.plot.left(), line),
                     Qt::AlignLeft | Qt::AlignVCenter, q(p.unit));

    // The bars with their codes.
    for (size_t k = 0; k < p.bars.size(); ++k) {
        const RangeBar& b = p.bars[k];
        const QRect& row = l.rows[k];
        painter.fillRect(l.bars[k], b.fits ? c.bar : c.warning);
        painter.fillRect(l.lowZones[k], b.fits ? c.barLowZone : c.warningLowZone);
        painter.setPen(c.text);
        painter.drawText(QRect(row.left(), row.top(), l.plot.left(), row.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, q(b.code));
    }

    // The flow: one line across every bar, its value and unit over them.
    if (l.flowX >= 0) {
        painter.fillRect(QRect(l.flowX, l.plot.top() - 2, 2, l.axisY - l.plot.top() + 2), c.flow);
        const QString label = flowLabel(p);
        const int w = fm.horizontalAdvance(label);
        const int at = std::clamp(l.flowX - w / 2, area.left() + kPad, area.right() - kPad - w);
        painter.setPen(c.flow);
        painter.drawText(QRect(at, area.top() + kPad, w, line), Qt::AlignCenter, label);
    }

    // The limits over the flow line, on the paper, so a line passing an end
    // never strikes its figure through.
    painter.setPen(c.text);
    auto limit = [&](const QRect& rect, const std::string& text) {
        painter.fillRect(rect, c.paper);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, q(text));
    };
    for (size_t k = 0; k < p.bars.size(); ++k) {
        limit(l.minTexts[k], p.bars[k].minText);
        limit(l.maxTexts[k], p.bars[k].maxText);
    }
    painter.restore();
}

RangePictureView::RangePictureView(QWidget* parent) : QWidget(parent) {
    setObjectName("picRange");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void RangePictureView::setPicture(RangePicture picture) {
    picture_ = std::move(picture);
    updateGeometry();
    update();
}

QImage RangePictureView::image() const {
    const QSize size = isVisible() ? this->size() : sizeHint();
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(font());
    paintRangePicture(painter, image.rect(), picture_);
    return image;
}

QSize RangePictureView::sizeHint() const { return rangePictureSize(fontMetrics(), picture_); }

QSize RangePictureView::minimumSizeHint() const {
    const QSize hint = sizeHint();
    return {hint.width() / 2, hint.height()};
}

void RangePictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintRangePicture(painter, rect(), picture_);
}

}  // namespace quorin
