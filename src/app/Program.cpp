#include "app/Program.h"

#include <QApplication>

#include "shell/FieldEvents.h"
#include "shell/IntroPictures.h"
#include "shell/MDIForm1.h"
#include "shell/Seams.h"
#include "shell/Shell.h"
#include "state/Hooks.h"

namespace quorin {

void installCoreHooks() {
    Hooks& h = hooks();
    h.message = [](const std::string& text) {
        if (seams().message) seams().message(QString::fromStdString(text), MsgIcon::None);
    };
    h.beep = [] {
        if (seams().beep) seams().beep();
    };
    h.showCustomGas = [] { Shell::instance().showModal("frmOtherMediaGas"); };
    // The box goes to the window committing or running a command, or else to
    // the active form.
    h.selectControl = [](const std::string& control) { FieldEvents::selectNamed(control); };
}

std::unique_ptr<MDIForm1> startProgram() {
    QApplication::setApplicationName("quorin");
    startPaintingIntroPictures();
    installDesktopSeams();
    installCoreHooks();
    registerForms();
    auto parent = std::make_unique<MDIForm1>();
    parent->show();
    return parent;
}

}  // namespace quorin
