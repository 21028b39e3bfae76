#include "shell/Seams.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include "shell/Shell.h"
#include "state/Hooks.h"

namespace quorin {

Seams& seams() {
    static Seams s;
    return s;
}

void installDesktopSeams() {
    Seams& s = seams();
    s.message = [](const QString& text, MsgIcon icon) {
        QMessageBox box(icon == MsgIcon::Exclamation   ? QMessageBox::Warning
                        : icon == MsgIcon::Information ? QMessageBox::Information
                                                       : QMessageBox::NoIcon,
                        QStringLiteral("Quorin"), text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    };
    s.beep = [] { QApplication::beep(); };
    s.runModal = [](QDialog& dialog) { return dialog.exec(); };
}

void installCoreHooks() {
    Hooks& h = hooks();
    h.message = [](const std::string& text) {
        if (seams().message) seams().message(QString::fromStdString(text), MsgIcon::None);
    };
    h.beep = [] {
        if (seams().beep) seams().beep();
    };
    h.showCustomGas = [] { Shell::instance().showModal("frmOtherMediaGas"); };
}

}  // namespace quorin
