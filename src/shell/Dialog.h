// Base of the modal dialogs: a name, a caption, and Esc or the title-bar
// close button unloading the dialog through the shell (so its load handler
// runs again the next time it is shown). Every dialog is at least as wide as
// its title bar needs to show its caption whole.
#pragma once

#include <QDialog>

namespace quorin {

class Dialog : public QDialog {
public:
    // The parent window of the program owns the dialog, so it opens centred
    // over it.
    Dialog(const char* name, const QString& caption);

    // Esc and the title-bar close button.
    void reject() override;

protected:
    // Unloads this dialog.
    void unloadMe();
    bool event(QEvent* event) override;

private:
    // Makes the dialog's layout at least as wide as the title bar needs.
    void holdTitle();
};

}  // namespace quorin
