#include "shell/Dialog.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QStyle>

#include "shell/MDIForm1.h"
#include "shell/Shell.h"

namespace quorin {

Dialog::Dialog(const char* name, const QString& caption) : QDialog(Shell::instance().parent()) {
    setObjectName(name);
    setWindowTitle(caption);
}

void Dialog::reject() { unloadMe(); }

bool Dialog::event(QEvent* event) {
    // Polished once, before the layout first sizes the dialog for showing.
    if (event->type() == QEvent::Polish) holdTitle();
    return QDialog::event(event);
}

// A title bar shows the caption, often in bold, beside the window's icon and
// its buttons, each about a title-bar height wide. The dialog's layout gets
// that width as its least, so a dialog of fixed size grows to it and a wider
// one stays as it is.
void Dialog::holdTitle() {
    QFont bold = font();
    bold.setBold(true);
    const int buttons = 4 * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int width = QFontMetrics(bold).horizontalAdvance(windowTitle()) + buttons;
    QLayout* layout = this->layout();
    if (!layout) {
        setMinimumWidth(width);
        return;
    }
    const QMargins margins = layout->contentsMargins();
    const int inside = width - margins.left() - margins.right();
    auto* box = qobject_cast<QBoxLayout*>(layout);
    auto* grid = qobject_cast<QGridLayout*>(layout);
    if (box && (box->direction() == QBoxLayout::TopToBottom ||
                box->direction() == QBoxLayout::BottomToTop))
        box->addStrut(inside);
    else if (box)
        box->addSpacerItem(new QSpacerItem(inside, 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
    else if (grid)
        grid->addItem(new QSpacerItem(inside, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    else
        setMinimumWidth(width);
}

void Dialog::unloadMe() {
    Shell& shell = Shell::instance();
    if (shell.find(objectName()) == this)
        shell.unload(objectName());
    else
        QDialog::reject();
}

}  // namespace quorin
