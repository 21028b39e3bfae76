// Base of the modal dialogs: a name, a caption, and Esc or the title-bar
// close button unloading the dialog through the shell (so its load handler
// runs again the next time it is shown).
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
};

}  // namespace quorin
