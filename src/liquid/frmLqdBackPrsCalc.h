// The back-pressure calculator: the vapour pressure of the liquid in, the
// least back pressure downstream of the meter that keeps the liquid from
// cavitating out.
#pragma once

#include "shell/Dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorin {

class FieldEvents;

class frmLqdBackPrsCalc : public Dialog {
public:
    static constexpr const char* kName = "frmLqdBackPrsCalc";
    frmLqdBackPrsCalc();

    // Esc and the title-bar close do what Close does.
    void reject() override { close_(); }

private:
    // Reads the vapour pressure, shows the back pressure and selects the
    // entry again.
    void calculate();
    void close_();

    FieldEvents* events_;
    QLabel *lblBackPress, *lblBackPressIn, *lblBackPressOut;
    QLineEdit *txtBackPressIn, *txtBackPressOut;
    QPushButton* cmdClose;
};

}  // namespace quorin
