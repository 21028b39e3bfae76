#include "shell/Dialog.h"

#include "shell/MDIForm1.h"
#include "shell/Shell.h"

namespace quorin {

Dialog::Dialog(const char* name, const QString& caption) : QDialog(Shell::instance().parent()) {
    setObjectName(name);
    setWindowTitle(caption);
}

void Dialog::reject() { unloadMe(); }

void Dialog::unloadMe() {
    Shell& shell = Shell::instance();
    if (shell.find(objectName()) == this)
        shell.unload(objectName());
    else
        QDialog::reject();
}

}  // namespace quorin
