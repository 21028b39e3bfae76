// One operating case of the averaging-tube screen (maximum, normal or
// minimum): a column of the flow-data grid with its caption, its entries,
// its results and the metres-per-second hint, written from the case's
// fields. The form places the boxes in the rows of its grid, beside the
// row labels every column shares.
#pragma once

#include "norvane/NorvaneCalc.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace quorin {

class FieldEvents;

// Room for `sample` in the box's font, and a little more.
void fitWidth(QWidget* box, const char* sample);
// A box the user types in, wide enough for `sample`.
QLineEdit* makeNrvEntry(const char* name, const char* toolTip, const char* sample = "000000.000");
// A box the program writes and the user only reads.
QLineEdit* makeNrvDisplay(const char* name, const char* toolTip);

class NrvCaseColumn {
public:
    explicit NrvCaseColumn(NrvCase which);

    NrvCase which() const { return which_; }
    // The caption over the column ("Maximum").
    QLabel* makeCaption() const;
    // The compressibility and gas expansion boxes, which a liquid lacks.
    void showGasRows(bool shown) const;
    // Writes every box and the hint from the case.
    void refresh(const NrvCaseFields& fields, FieldEvents& events) const;

    QLineEdit *flowRate, *temp, *press, *dens, *comp, *thermExpCor, *gasExpCor, *vel, *dp;
    QLabel* mps;

private:
    NrvCase which_;
};

}  // namespace quorin
