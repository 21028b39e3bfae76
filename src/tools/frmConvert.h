// The unit converter: a pipe dimension given in a metric or other unit, in
// inches. A length (a diameter) gives inches and the area of the circle of
// that diameter in square inches; an area gives square inches and the
// diameter of the circle of that area (the equivalent pipe diameter). It
// uses only its own two values of the case record and starts again from
// 140 millimetres each time it opens.
#pragma once

#include "shell/Dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorin {

class FieldEvents;

class frmConvert : public Dialog {
public:
    static constexpr const char* kName = "frmConvert";
    frmConvert();

private:
    void createControls();
    void layoutControls();
    void createEventTable();

    // Fills the unit list, emptying it first.
    void nrvAddConvert();
    // Converts ConvInput in the unit ConvParam and shows the results; a unit
    // the list lacks (compared exactly) changes nothing.
    void nrvConvert();
    // Shows the readout of a length (inches) or of an area (equivalent
    // diameter); the square-inch readout is always shown.
    void showResultOf(bool area);
    // Reads the number and the unit, then converts. A number that is not a
    // number is refused (the value last taken stays) and false returned.
    bool readScreen();

    FieldEvents* events_;
    QLineEdit *txtInput, *txtInch, *txtArea, *txtEqPipeDia;
    QComboBox* cboParSel;
    QLabel *lblInch, *lblSqInch, *lblEqDia;
    QPushButton* cmdClose;
};

}  // namespace quorin
