// The liquid results screen: the case in working units, the flow in nine
// units, the fitting meters with their ranges in the user's flow unit, and
// the warnings. It is built by each Find Meter and, unlike the gas/steam
// results, stays open while the user works in another window.
#pragma once

#include <functional>

#include "shell/ResultsForm.h"
#include "state/SharedState.h"

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
    // Print and Save report the case this screen shows, even after the user
    // went on editing the input screen.
    void print();
    void save();
    void withShownCase(const std::function<void()>& report);
    void show(const LiquidResultsView& view);
    // Unloads the screen; the Close button also gives the input screen's
    // first box the focus.
    void close_(bool focusInput);

    QLabel *lblCFM, *lblCuMtrHr;
    SharedState shown_;  // the case as it was when the screen was built
};

}  // namespace quorin
