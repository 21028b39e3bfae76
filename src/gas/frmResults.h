// The gas/steam results screen: the case, the flow in eleven units, the
// recommended meters with their ranges, and the notes. It is built once per
// Find Meter and unloads itself as soon as another window becomes active.
#pragma once

#include "shell/ResultsForm.h"

class QLabel;

namespace quorin {

struct GasResultsView;

class frmResults : public ResultsForm {
public:
    static constexpr const char* kName = "frmResults";
    frmResults();

    // The title-bar close does what the Close button does.
    void onTitleBarClose() override { unloadAndClear(true); }
    void onDeactivated() override { unloadAndClear(false); }

private:
    void show(const GasResultsView& view);
    // Unloads the screen and clears the four range flags; the Close button
    // also gives the input screen's first field the focus.
    void unloadAndClear(bool focusInput);

    QLabel *lblCuMtrHr, *lblNmCuMtrHr;
};

}  // namespace quorin
