// The two small unit dialogs of the custom-gas dialog. Choosing an option
// writes its unit into the case record at once; OK (Enter or Esc) only closes
// the dialog, so closing without a choice keeps the unit chosen before.
#pragma once

#include <string>
#include <vector>

#include "shell/Dialog.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quorin {

struct SharedState;

class OtherUnitDialog : public Dialog {
public:
    // One option button: its name and its tool-tip. Its caption is its unit
    // text, which it stores.
    struct Choice {
        const char* name;
        const char* toolTip;
    };

protected:
    // `units` holds the three unit texts in the order of `choices`.
    OtherUnitDialog(const char* name, const char* caption, const char* frameName,
                    const char* okName, const Choice (&choices)[3],
                    const std::vector<std::string>& units,
                    std::string SharedState::*unitField);

    QGroupBox* frame_;
    QRadioButton* options_[3];
    QPushButton* ok_;
};

class frmOtherDensUnit : public OtherUnitDialog {
public:
    static constexpr const char* kName = "frmOtherDensUnit";
    frmOtherDensUnit();

private:
    QGroupBox* fraOtherDensUnit;
    QRadioButton *optG_cm3, *optKg_m3, *optPcft;
    QPushButton* cmdOk;
};

class frmOtherViscUnit : public OtherUnitDialog {
public:
    static constexpr const char* kName = "frmOtherViscUnit";
    frmOtherViscUnit();

private:
    QGroupBox* fraOtherVisc;
    QRadioButton *optPa, *optCp, *optPfts;
    QPushButton* cmdOK;
};

}  // namespace quorin
