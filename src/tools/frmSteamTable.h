// The steam table: saturation data looked up by pressure or temperature, and
// the density of steam at any temperature and pressure. Closing it puts the
// gas/steam case back as its own entries give it.
#pragma once

#include <array>

#include "shell/Dialog.h"

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorin {

class FieldEvents;

class frmSteamTable : public Dialog {
public:
    static constexpr const char* kName = "frmSteamTable";
    frmSteamTable();

    // Esc and the title-bar close do what Close does.
    void reject() override { close_(); }

protected:
    // Enter presses a command button only when it has the focus.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void layoutControls();
    void createEventTable();

    // The lookup half: an option shows its entry; the entry (Enter, a click)
    // or Lookup reads it, looks it up and shows the saturation readouts.
    void optionChosen(bool byPressure);
    // The two entries and their units, shown by the option chosen.
    std::array<QWidget*, 4> lookupEntries() const;
    void lookupPsia();
    void lookupTemp();
    void lookup();
    void showResults();
    // The calculation half: both entries read, the density computed, the
    // readouts shown.
    void calculate();
    void showResults2();
    void close_();

    FieldEvents* events_;
    QGroupBox *fraIn, *Frame1;
    QRadioButton *optPress, *optTemp;
    QLineEdit *txtPsiaIn, *txtTempIn, *txtPsia, *txtTemp, *txtDens;
    QLineEdit *txtTempIn2, *txtPsiaIn2, *txtTemp2, *txtPSIA2, *txtDens2;
    QPushButton *btnLookup, *btnCalculate, *cmdClose;
    // lblDegF[1] is the unit of txtTempIn; 0 of txtTemp, 2 of txtTempIn2,
    // 3 of txtTemp2.
    std::array<QLabel*, 4> lblDegF;
    QLabel *lblpsia1, *lblpsia2, *lblpsia3, *lblpsia4, *lblDens, *lblDens2, *lblSat, *Label6;
};

}  // namespace quorin
