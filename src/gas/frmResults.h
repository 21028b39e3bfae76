// The gas/steam results screen: the case, the flow in eleven units, the
// recommended meters with their ranges, and the notes. It is built once per
// Find Meter and unloads itself as soon as another window becomes active.
#pragma once

#include <QHash>

#include "shell/Form.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorin {

class frmResults : public Form {
public:
    static constexpr const char* kName = "frmResults";
    frmResults();

    // The title-bar close does what the Close button does.
    void onTitleBarClose() override { unloadAndClear(true); }
    void onDeactivated() override { unloadAndClear(false); }

private:
    QLineEdit* addBox(const char* name);
    void show(const struct GasResultsView& view);
    // Unloads the screen and clears the four range flags; the Close button
    // also gives the input screen's first field the focus.
    void unloadAndClear(bool focusInput);

    QHash<QString, QLineEdit*> boxes_;
    QListWidget *lstMeter, *lstFlowLow, *lstFlowHi, *lstErrorBox;
    QLabel *lblMinUnit, *lblMaxUnit, *lblCuMtrHr, *lblNmCuMtrHr;
    QPushButton *cmdPrint, *cmdSave, *cmdClose;
};

}  // namespace quorin
