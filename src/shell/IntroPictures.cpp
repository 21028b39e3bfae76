#include "shell/IntroPictures.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <future>
#include <mutex>
#include <numbers>
#include <optional>

namespace quorin {

namespace {

const QColor kNavy{0x12, 0x2d, 0x4f};
const QColor kSteel{0x2f, 0x5d, 0x8a};
const QColor kInk{0x33, 0x4e, 0x6b};
const QColor kPaper{0xf3, 0xf6, 0xfa};

QFont sansFont(int pixelSize, QFont::Weight weight = QFont::Normal, qreal spacing = 0) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    if (spacing != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return font;
}

// A vortex as the flow sheds it: an inward spiral of two and a half turns,
// turning clockwise above the centre line and counter-clockwise below it.
// Drawn as cubic arcs of a tenth of a turn each, whose control points follow
// the spiral's tangent, so the pen strokes a few smooth curves.
QPainterPath swirl(QPointF centre, qreal radius, bool clockwise) {
    constexpr qreal kTurns = 2.5;
    constexpr int kSteps = 25;
    const qreal sign = clockwise ? 1 : -1;
    const qreal sweep = sign * kTurns * 2 * std::numbers::pi;
    const auto at = [&](qreal t) {
        const qreal angle = t * sweep, r = radius * (1 - 0.85 * t);
        return centre + QPointF(-r * std::cos(angle), -r * std::sin(angle));
    };
    // d/dt of the point above.
    const auto tangent = [&](qreal t) {
        const qreal angle = t * sweep, r = radius * (1 - 0.85 * t), dr = -0.85 * radius;
        return QPointF(-dr * std::cos(angle) + r * sweep * std::sin(angle),
                       -dr * std::sin(angle) - r * sweep * std::cos(angle));
    };
    constexpr qreal dt = 1.0 / kSteps;
    QPainterPath path(at(0));
    for (int i = 0; i < kSteps; ++i) {
        const qreal t0 = i * dt, t1 = t0 + dt;
        path.cubicTo(at(t0) + tangent(t0) * (dt / 3), at(t1) - tangent(t1) * (dt / 3), at(t1));
    }
    return path;
}

// The vortex street behind a bluff body: swirls alternating about the
// centre line, growing a little as they travel downstream.
void drawVortexStreet(QPainter& p, qreal x0, qreal x1, qreal centreY, qreal offset,
                      qreal radius, qreal pitch) {
    bool above = true;
    for (qreal x = x0; x <= x1; x += pitch / 2, above = !above) {
        const qreal grow = 1 + 0.25 * (x - x0) / (x1 - x0);
        const QPointF c(x, centreY + (above ? -offset : offset));
        p.drawPath(swirl(c, radius * grow, above));
    }
}

void drawArrow(QPainter& p, QPointF from, QPointF to, qreal head) {
    p.drawLine(from, to - QPointF(head * 0.8, 0));
    const QPolygonF tip{to, to + QPointF(-head, -head / 2.5), to + QPointF(-head, head / 2.5)};
    p.setBrush(p.pen().color());
    p.drawPolygon(tip);
}

QImage paintBanner() {
    const int w = kBannerSize.width(), h = kBannerSize.height();
    QImage image(kBannerSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, kNavy);
    sky.setColorAt(1, kSteel);
    p.fillRect(image.rect(), sky);

    // Drawing-sheet border and a scale along the lower edge.
    p.setPen(QPen(QColor(0x9f, 0xc0, 0xe3), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6.5, 6.5, w - 13, h - 13));
    for (int x = 16, k = 0; x < w - 10; x += 8, ++k)
        p.drawLine(QPointF(x + 0.5, h - 7), QPointF(x + 0.5, h - (k % 5 == 0 ? 17 : 12)));

    p.setPen(Qt::white);
    p.setFont(sansFont(66, QFont::Bold, 6));
    p.drawText(QRectF(34, 16, 360, 82), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QUORIN"));
    p.setPen(QPen(QColor(0x9f, 0xc0, 0xe3), 2));
    p.drawLine(QPointF(38, 102), QPointF(352, 102));
    p.setPen(QColor(0xd6, 0xe6, 0xf7));
    p.setFont(sansFont(15, QFont::DemiBold, 2));
    p.drawText(QRectF(38, 106, 400, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("VORTEX FLOW METER SIZING"));

    // Emblem: a bluff body shedding its vortex street.
    const qreal cy = 70;
    p.setPen(QPen(QColor(0x9f, 0xc0, 0xe3), 1));
    for (qreal y : {cy - 40, cy + 40}) p.drawLine(QPointF(396, y), QPointF(616, y));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{QPointF(406, cy - 20), QPointF(424, cy - 11), QPointF(424, cy + 11),
                            QPointF(406, cy + 20)});
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    drawVortexStreet(p, 452, 596, cy, 14, 13, 58);
    return image;
}

QImage paintMeter() {
    const int w = kMeterDrawingSize.width(), h = kMeterDrawingSize.height();
    QImage image(kMeterDrawingSize, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter p(&image);

    // Squared drawing paper with a double border.
    for (int x = 10; x < w - 10; x += 16) {
        p.setPen(((x - 10) / 16) % 5 == 0 ? QColor(0xc9, 0xd7, 0xe6) : QColor(0xe0, 0xe8, 0xf1));
        p.drawLine(x, 10, x, h - 11);
    }
    for (int y = 10; y < h - 10; y += 16) {
        p.setPen(((y - 10) / 16) % 5 == 0 ? QColor(0xc9, 0xd7, 0xe6) : QColor(0xe0, 0xe8, 0xf1));
        p.drawLine(10, y, w - 11, y);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 2));
    p.drawRect(QRectF(5, 5, w - 10, h - 10));
    p.setPen(QPen(kInk, 1));
    p.drawRect(QRectF(10.5, 10.5, w - 21, h - 21));

    // The line in section: bore, walls, flanges and the wafer body.
    const qreal cy = 196, bore = 28, wall = 7, flange = 52, body = 44;
    const qreal mx = 222;  // centre of the meter
    const qreal left = 11, right = w - 11;
    p.setPen(QPen(kInk, 1.2));
    const QBrush hatch(kInk, Qt::BDiagPattern);
    for (const auto& [x0, x1] : {std::pair{left, mx - 40}, std::pair{mx + 40, right}}) {
        p.fillRect(QRectF(x0, cy - bore - wall, x1 - x0, wall), QColor(0xdd, 0xe6, 0xef));
        p.fillRect(QRectF(x0, cy + bore, x1 - x0, wall), QColor(0xdd, 0xe6, 0xef));
        p.setBrush(hatch);
        p.drawRect(QRectF(x0, cy - bore - wall, x1 - x0, wall));
        p.drawRect(QRectF(x0, cy + bore, x1 - x0, wall));
    }
    p.setBrush(QColor(0xb9, 0xc9, 0xd9));
    for (qreal x0 : {mx - 40, mx + 24}) p.drawRect(QRectF(x0, cy - flange, 16, 2 * flange));
    p.setBrush(QColor(0x4a, 0x82, 0xb8));
    p.drawRect(QRectF(mx - 24, cy - body, 48, 2 * body));
    p.setBrush(kPaper);
    p.drawRect(QRectF(mx - 40, cy - bore, 80, 2 * bore));

    // Through-bolts and nuts above and below the body.
    for (qreal y : {cy - 48, cy + 48}) {
        p.setPen(QPen(kInk, 2));
        p.drawLine(QPointF(mx - 46, y), QPointF(mx + 46, y));
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(0x7d, 0x93, 0xaa));
        for (qreal x : {mx - 50, mx + 42}) p.drawRect(QRectF(x, y - 5, 8, 10));
    }

    // Centre line.
    p.setPen(QPen(QColor(0x7d, 0x93, 0xaa), 1, Qt::DashDotLine));
    p.drawLine(QPointF(left, cy), QPointF(right, cy));

    // Shedder bar across the bore, and the vortex street it sheds.
    p.setPen(QPen(kNavy, 1));
    p.setBrush(kNavy);
    p.drawPolygon(QPolygonF{QPointF(mx - 8, cy - bore), QPointF(mx + 4, cy - bore),
                            QPointF(mx + 4, cy + bore), QPointF(mx - 8, cy + bore)});
    p.setPen(QPen(QColor(0x2f, 0x6f, 0xb0), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    drawVortexStreet(p, mx + 36, right - 24, cy, 11, 11, 52);

    // Flow arrow upstream.
    p.setPen(QPen(kNavy, 2));
    drawArrow(p, QPointF(34, cy + 12), QPointF(150, cy + 12), 12);
    p.setPen(kNavy);
    p.setFont(sansFont(12, QFont::Bold, 2));
    p.drawText(QRectF(34, cy - 24, 116, 18), Qt::AlignCenter, QStringLiteral("FLOW"));

    // Sensor neck and transmitter head with its display.
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(0x9f, 0xb4, 0xc9));
    p.drawRect(QRectF(mx - 8, cy - 74, 16, 30));
    p.setBrush(QColor(0x2f, 0x6f, 0xb0));
    p.drawRoundedRect(QRectF(mx - 36, cy - 122, 72, 48), 8, 8);
    p.setBrush(QColor(0xe9, 0xf2, 0xfb));
    p.drawEllipse(QPointF(mx, cy - 98), 16, 16);
    p.setPen(QPen(kNavy, 1));
    for (int k = 0; k <= 8; ++k) {
        const qreal a = (210 - k * 30.0) * std::numbers::pi / 180;
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(QPointF(mx, cy - 98) + dir * 12, QPointF(mx, cy - 98) + dir * 15);
    }
    p.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(mx, cy - 98), QPointF(mx + 8, cy - 106));

    // The pulse the sensor gives: frequency proportional to velocity.
    const QRectF plot(430, 30, 180, 64);
    p.setPen(QPen(kInk, 1));
    drawArrow(p, plot.bottomLeft(), plot.bottomRight() + QPointF(6, 0), 7);
    p.setBrush(Qt::NoBrush);
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    QPainterPath wave;
    for (int i = 0; i <= 160; ++i) {
        const qreal x = plot.left() + 4 + i;
        const qreal y = plot.center().y() + 4 - 20 * std::sin(i * 2 * std::numbers::pi / 40);
        if (i == 0)
            wave.moveTo(x, y);
        else
            wave.lineTo(x, y);
    }
    p.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 1.6));
    p.drawPath(wave);
    p.setPen(kNavy);
    p.setFont(sansFont(13, QFont::DemiBold));
    p.drawText(QRectF(plot.left(), plot.bottom() + 6, plot.width(), 18), Qt::AlignCenter,
               QStringLiteral("f = St \u00b7 V / d"));

    // Title block.
    p.setFont(sansFont(11, QFont::DemiBold, 1));
    p.setPen(kInk);
    p.drawText(QRectF(mx + 60, h - 34, w - mx - 78, 18), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("VORTEX SHEDDING FLOW METER \u2014 WAFER BODY"));
    return image;
}

struct Pictures {
    QImage banner;
    QImage meter;
};

Pictures paintBoth() { return {paintBanner(), paintMeter()}; }

// The pictures are painted once per process. QImage painting needs no GUI
// thread, so start-up paints them on a worker while the main window builds
// its menus and windows; the first intro screen then only waits for the rest.
std::mutex gMutex;
std::future<Pictures> gPending;
std::optional<Pictures> gPictures;

const Pictures& pictures() {
    std::lock_guard lock(gMutex);
    if (!gPictures) gPictures = gPending.valid() ? gPending.get() : paintBoth();
    return *gPictures;
}

}  // namespace

void startPaintingIntroPictures() {
    std::lock_guard lock(gMutex);
    if (!gPictures && !gPending.valid()) gPending = std::async(std::launch::async, paintBoth);
}

QPixmap drawIntroBanner() { return QPixmap::fromImage(pictures().banner); }

QPixmap drawIntroMeter() { return QPixmap::fromImage(pictures().meter); }

}  // namespace quorin
