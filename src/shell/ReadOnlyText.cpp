#include "shell/ReadOnlyText.h"

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

// The widths and heights the text layout itself gives each line; its last
// line and its right edge already carry the document margin.
QSize ReadOnlyText::sizeHint() const {
    qreal widest = 0, height = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QRectF bounds = blockBoundingRect(block);
        widest = std::max(widest, bounds.width());
        height += bounds.height();
    }
    const qreal margin = document()->documentMargin();
    const int frame = 2 * frameWidth();
    // One pixel more each way: the cursor at the end of a line, and the
    // last visible pixel row.
    return {int(std::ceil(widest + margin)) + frame + cursorWidth() + 1,
            int(std::ceil(height + margin)) + frame + 1};
}

}  // namespace quorin
