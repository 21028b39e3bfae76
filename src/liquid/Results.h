// Everything the liquid results screen shows, computed from the case record
// after a Find Meter: the texts of every box, the fitting meters with their
// ranges, and the warnings. The screen and the reports take their figures
// from here.
#pragma once

#include <string>
#include <vector>

namespace quorin {

struct LiquidResultsView {
    std::string date, customer, tagNo;
    std::string flowRate;  // entered flow and unit
    std::string pipeSize, pipeSizeIn, pipeSizeMM, areaSqFt;
    std::string custTemp, tempF, tempC;
    std::string media;
    std::string density, densPcft;
    std::string viscosity, viscCp;
    std::string gpm, lpm, cfm, cuMtrHr;  // volumetric flow
    std::string fps, fpm, mps;           // velocity
    std::string pph, kgHr;               // mass flow
    std::string cfmLabel, cuMtrHrLabel;  // captions of two flow rows
    std::string minUnit, maxUnit;        // unit of the range columns
    std::vector<std::string> meters, flowLow, flowHi;  // row by row
    std::vector<std::string> errors;                    // warnings or the "**" note
    bool beep = false;
};

// Computes the results of the last liquid selection from the case record;
// writes nothing. `today` is the date to show (MM-DD-YYYY).
LiquidResultsView modLqdResults(const std::string& today);

}  // namespace quorin
