// A read-only multi-line text box that takes just the room its lines need
// and never less, so a dialog is sized to its text and nothing scrolls.
#pragma once

#include <QPlainTextEdit>

namespace quorin {

class ReadOnlyText : public QPlainTextEdit {
public:
    ReadOnlyText(const char* name, const QString& text, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

}  // namespace quorin
