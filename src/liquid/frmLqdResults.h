// The liquid results screen: the case in working units, the flow in nine
// units, the fitting meters with their ranges in the user's flow unit, and
// the warnings. It is built by each Find Meter and, unlike the gas/steam
// results, stays open while the user works in another window.
#pragma once

#include "liquid/Results.h"
#include "shell/ResultsForm.h"

class QLabel;

namespace quorin {

class frmLqdResults : public ResultsForm {
public:
    static constexpr const char* kName = "frmLqdResults";
    frmLqdResults();

    // The title-bar close does what the Close button does.
    void onTitleBarClose() override { close_(true); }

private:
    void createMenus();
    // Print and Save report the case this screen shows, even after the user
    // went on editing the input screen.
    void print();
    void save();
    void show(const LiquidResultsScreen& texts);
    // Unloads the screen; the Close button also gives the input screen's
    // first box the focus.
    void close_(bool focusInput);

    QLabel *lblCFM, *lblCuMtrHr;
    LiquidResultsView view_;  // the results shown, which Print and Save report
};

}  // namespace quorin
