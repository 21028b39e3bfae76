// The Help box: how to work the input screens and where the tools are.
#pragma once

#include "shell/Dialog.h"

class QGroupBox;
class QPushButton;

namespace quorin {

class ReadOnlyText;

class frmHelp : public Dialog {
public:
    static constexpr const char* kName = "frmHelp";

    frmHelp();

private:
    QGroupBox* fraHelp;
    ReadOnlyText* txtHelp;
    QPushButton* cmdOK;
};

}  // namespace quorin
