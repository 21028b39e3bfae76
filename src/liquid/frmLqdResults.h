// The liquid results screen: the case in working units, the flow in nine
// units, the fitting meters with their ranges in the user's flow unit, and
// the warnings. It is built by each Find Meter and, unlike the gas/steam
// results, stays open while the user works in another window.
#pragma once

#include "shell/ResultsForm.h"

class QLabel;

namespace quorin {

struct LiquidResultsView;

class frmLqdResults : public ResultsForm {
public:
    static constexpr const char* kName = "frmLqdResults";
    frmLqdResults();

    // The title-bar close does what the Close button does.
    void onTitleBarClose() override { close_(true); }

private:
    void createMenus();
    static void print();
    static void save();
    void show(const LiquidResultsView& view);
    // Unloads the screen; the Close button also gives the input screen's
    // first box the focus.
    void close_(bool focusInput);

    QLabel *lblCFM, *lblCuMtrHr;
};

}  // namespace quorin
