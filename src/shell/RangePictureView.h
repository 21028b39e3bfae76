// The range picture painted: the meter codes on the left, one bar per meter
// on the shared logarithmic axis with its limits at its ends and its lowest
// 15 % shaded, a bar that does not hold the flow in the warning colour, the
// entered flow as one vertical line across the bars, and the 1-2-5 ticks
// under them. The painting is a free function, so the same picture goes onto
// the screen, an image or a page.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <vector>

#include "reports/RangePicture.h"

class QFontMetrics;
class QPainter;

namespace quorin {

// The colours of the picture.
struct RangePictureColours {
    QColor bar{70, 130, 180}, barLowZone{35, 80, 125};
    QColor warning{215, 75, 55}, warningLowZone{140, 35, 20};
    QColor flow{0, 135, 60}, grid{225, 225, 225}, text{Qt::black}, paper{Qt::white};
};
const RangePictureColours& rangePictureColours();

// Where the parts of a picture go inside a rectangle.
struct RangePictureLayout {
    QRect plot;              // the axis from left to right, the bar rows from top to bottom
    std::vector<QRect> rows;  // one per bar
    std::vector<QRect> bars;  // the bars, minimum to maximum
    std::vector<QRect> lowZones;
    std::vector<QRect> minTexts, maxTexts;  // the limits' texts at the bars' ends
    int flowX = -1;  // the flow line's left pixel column; -1 without a flow
    int axisY = 0;
    // The pixel column of a fraction of the axis (RangePicture::axisFraction).
    int x(double fraction) const;
};
RangePictureLayout layOutRangePicture(const QFontMetrics& metrics, const QRect& area,
                                      const RangePicture& picture);

// Paints the picture into `area` with the painter's font.
void paintRangePicture(QPainter& painter, const QRect& area, const RangePicture& picture);

// The size the picture needs to show every bar with its texts.
QSize rangePictureSize(const QFontMetrics& metrics, const RangePicture& picture);

class RangePictureView : public QWidget {
public:
    explicit RangePictureView(QWidget* parent = nullptr);

    void setPicture(RangePicture picture);
    const RangePicture& picture() const { return picture_; }
    // The picture as an image, at the widget's size (its size hint before it
    // is laid out).
    QImage image() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    RangePicture picture_;
};

}  // namespace quorin
