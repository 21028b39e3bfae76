// The pipe chart: outside diameter, wall and inside diameter in inches of
// steel pipe of a nominal size (schedule 40 up to 12 inches, standard wall
// above). A look-up only: it writes nothing into a sizing case.
#pragma once

#include "shell/Dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorin {

class FieldEvents;

class frmPipeChart : public Dialog {
public:
    static constexpr const char* kName = "frmPipeChart";
    frmPipeChart();

private:
    void createControls();
    void layoutControls();

    // Fills the size list, emptying it first.
    void nrvAddPipeSize();
    // Shows the chart row of PipeChartSize; a size the chart lacks (compared
    // exactly as text) changes nothing.
    void PipeChart();

    FieldEvents* events_;
    QLabel *Label1, *Label2, *lblOD, *lblWallThk, *lblID, *lblSch;
    QComboBox* cboNomSize;
    QLineEdit *txtOD, *txtWallThk, *txtID;
    QPushButton* cmdClose;
};

}  // namespace quorin
