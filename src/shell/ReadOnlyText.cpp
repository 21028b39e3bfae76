#include "shell/ReadOnlyText.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

namespace quorin {

ReadOnlyText::ReadOnlyText(const char* name, const QString& text, QWidget* parent)
    : QPlainTextEdit(text, parent) {
    setObjectName(name);
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Never smaller than its text, so it never scrolls.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QSize ReadOnlyText::minimumSizeHint() const { return sizeHint(); }

// The natural width of the widest line and the heights the text layout
// gives the lines (the last one carries the bottom margin).
QSize ReadOnlyText::sizeHint() const {
    const QFontMetricsF metrics(font());
    qreal widest = 0, height = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        widest = std::max(widest, metrics.horizontalAdvance(block.text()));
        height += blockBoundingRect(block).height();
    }
    const qreal margin = document()->documentMargin();
    const int frame = 2 * frameWidth();
    // One pixel more each way: the cursor at the end of a line, and the
    // last visible pixel row.
    return {int(std::ceil(widest + 2 * margin)) + frame + cursorWidth() + 1,
            int(std::ceil(height + margin)) + frame + 1};
}

}  // namespace quorin
