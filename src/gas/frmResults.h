// The gas/steam results screen: the case, the flow in eleven units, the
// recommended meters with their ranges, and the notes. It is built once per
// Find Meter and unloads itself as soon as another window becomes active.
#pragma once

#include "gas/Results.h"
#include "shell/ResultsForm.h"

class QLabel;

namespace quorin {

class frmResults : public ResultsForm {
public:
    static constexpr const char* kName = "frmResults";
    frmResults();

    // The title-bar close does what the Close button does.
    void onTitleBarClose() override { unloadAndClear(true); }
    void onDeactivated() override { unloadAndClear(false); }

private:
    void show(const GasResultsScreen& texts);
    // Unloads the screen and clears the four range flags; the Close button
    // also gives the input screen's first field the focus.
    void unloadAndClear(bool focusInput);

    QLabel *lblCuMtrHr, *lblNmCuMtrHr;
    GasResultsView view_;  // the results shown, which Print and Save report
};

}  // namespace quorin
