// The operating cases of the averaging-tube screen (maximum, normal,
// minimum): each a column of the flow-data grid with its caption, its
// entries, its results and the metres-per-second hint, written from the
// case's fields; the grid holds the three beside the captions of the rows
// they share.
#pragma once

#include <array>

#include "norvane/NorvaneCalc.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace quorin {

class FieldEvents;
struct SharedState;

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

// The "Flow Data" group: the row captions, the unit lists of the flow,
// temperature and pressure rows, and the columns Minimum, Normal, Maximum
// from left to right.
class NrvFlowData {
public:
    NrvFlowData();

    // The group with its grid; `barrelHint` stands right of the flow row.
    QWidget* layOut(QComboBox* flowUnit, QComboBox* tempUnit, QComboBox* pressUnit,
                    QLabel* barrelHint);
    // The compressibility and gas expansion rows, which a liquid lacks.
    void showGasRows(bool shown) const;
    // Writes every column from the case.
    void refresh(SharedState& s, FieldEvents& events) const;

    // Minimum, Normal, Maximum.
    const std::array<NrvCaseColumn, 3>& columns() const { return columns_; }

private:
    std::array<NrvCaseColumn, 3> columns_;
    QLabel *lblComp, *lblGasExpCor;
};

}  // namespace quorin
