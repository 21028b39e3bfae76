// A strip of warnings on a screen: hidden when there is nothing to say,
// otherwise its lines in a warning colour, with an optional button that
// applies the fix one of the warnings offers.
#pragma once

#include <QFrame>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace quorin {

class WarningStrip : public QFrame {
public:
    explicit WarningStrip(const char* name);

    // The fix button: its name, caption and what it does. It shows only
    // while showWarnings offers it.
    void setFix(const char* name, const QString& caption, std::function<void()> apply);
    // Shows `lines` (hides the strip when there are none), with the fix
    // button when `offerFix`.
    void showWarnings(const std::vector<std::string>& lines, bool offerFix = false);

    // The strip wraps its lines to its width and takes the height they need
    // (a minimum height kept up to date), without telling the screen's layout
    // that its height depends on its width: that would lay the whole screen
    // out at its preferred heights, so the lists would grow and push the
    // range picture out of view.
    bool hasHeightForWidth() const override { return false; }
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitHeight();

    QLabel* text_;
    QPushButton* fix_ = nullptr;
};

}  // namespace quorin
