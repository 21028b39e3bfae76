// The custom-gas dialog, opened when the medium "OTHER" is chosen: the user
// names the gas, gives its density or specific gravity and its viscosity or
// the two coefficients of a linear law. Every entry is written into the case
// record at once; the option buttons are cleared after each entry so the same
// one can be picked again.
#pragma once

#include "shell/Dialog.h"
#include "shell/FieldEvents.h"

#include <initializer_list>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorin {

class frmOtherMediaGas : public Dialog {
public:
    static constexpr const char* kName = "frmOtherMediaGas";
    frmOtherMediaGas();

    // Esc and the title-bar close button do what OK does.
    void reject() override { close_(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void layoutControls();
    void createEventTable();
    void connectOptions();

    // What choosing each option does.
    void densityChosen();
    void gravityChosen();
    void viscosityChosen();
    void coefficientsChosen();

    // The entries; `trigger` tells Enter from leaving the box.
    void densityEntered(Trigger trigger);
    void gravityEntered(Trigger trigger);
    void viscosityEntered(Trigger trigger);
    void coefAEntered(Trigger trigger);
    void coefBEntered(Trigger trigger);

    // Selects the whole text of a box and gives it the focus.
    static void selectAndFocus(QLineEdit* box);
    static void setShown(std::initializer_list<QWidget*> widgets, bool shown);
    // Clears an option button, so that picking it again runs it again.
    static void clearOption(QRadioButton* option);

    void close_();

    FieldEvents* events_;
    QLabel *lblNewMedia, *lblDensUnit, *lblViscUnit, *lblViscA, *lblVaEunit, *lblViscB,
        *lblVbEunit;
    QLineEdit *txtNewMedia, *txtOtherDensity, *txtOtherSpecGrav, *txtOtherViscosity,
        *txtOtherViscA, *txtOtherViscB;
    QGroupBox *fraSgDens, *fraVisc;
    QRadioButton *optDens, *optSg, *optVisc, *optViscAB;
    QPushButton* cmdClose;
};

}  // namespace quorin
