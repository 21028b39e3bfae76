// Everything the gas/steam results screen shows, computed from the case
// record after a Find Meter: the texts of every box, the recommended meters
// with their ranges, and the notes. The screen, the printed report and the
// text report all take their figures from here.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace quorin {

struct GasResultsView {
    std::string date, customer, tagNo;
    std::string flowRate;                                  // entered flow and unit
    std::string pipeSize, pipeSizeIn, pipeSizeMM, areaSqFt;
    std::string pressIn, pressPsia, pressPsig;
    std::string atmoPressIn, atmoPressPsia;
    std::string custTemp, tempF, tempC, tempR;
    std::string pressRef, pressRefPsia, tempRef, tempRefF;
    std::string media, otherName;
    bool otherNameVisible = false;
    std::string density, viscosity, viscCp, paSec;
    // ACFM, SCFM, m3/hr, Nm3/hr, lbs/min, lbs/hr, kg/hr, FPS, FPM, MPS, LPM.
    std::array<std::string, 11> flows;
    std::string cuMtrHrLabel, nmCuMtrHrLabel;  // captions of two flow rows
    std::string minUnit, maxUnit;              // unit of the range columns
    std::vector<std::string> meters, flowLow, flowHi;  // row by row
    std::vector<std::string> errors;                    // warnings and "**" notes
    int beeps = 0;                                      // system beeps to sound
    // Set when the note of the flow of an insertion meter, the operating
    // pressure, the operating temperature or a Reynolds number is added.
    bool flowOutOfRange = false, pressOutOfRange = false, tempOutOfRange = false,
         reynoldsOutOfRange = false;
};

// Computes the results of the last selection from the case record. Writes the
// derived flows and sets FlowRangeFlag, PressRangeFlag, TempRangeFlag and
// ReyRangeFlag where their notes are added, as it sets the four flags of the
// view. `today` is the date to show.
GasResultsView modGasResults(const std::string& today);

}  // namespace quorin
