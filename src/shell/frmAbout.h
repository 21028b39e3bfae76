// The About box: the maker's name and address, what the program does, and
// its version.
#pragma once

#include "shell/Dialog.h"

class QLabel;
class QPushButton;

namespace quorin {

class ReadOnlyText;

// "Version 4.03" for version 4.0.3: no separator between the minor number
// and the revision.
QString versionText(int major, int minor, int revision);

class frmAbout : public Dialog {
public:
    static constexpr const char* kName = "frmAbout";

    frmAbout();

private:
    ReadOnlyText* txtAboutName;
    ReadOnlyText* txtAbout;
    QLabel* Label1;
    QPushButton* cmdCancel;
};

}  // namespace quorin
