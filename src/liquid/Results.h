// The results of the last liquid Find Meter, computed once from the case
// record: the case as it was sized, the flow in every unit, the fitting
// meters with their ranges, and the warnings. The results screen, the results
// text file and the printed page each format this one view; computing it
// writes nothing.
#pragma once

#include <string>
#include <vector>

#include "state/ResultTexts.h"

namespace quorin {

// A fitting meter and its range in the user's flow unit.
struct LiquidMeterRange {
    std::string code;
    float minFlow = 0, maxFlow = 0;
};

// The case as sized, named as in the case record.
struct LiquidResultsView : ResultsCase {
    float LqdFlowRateIn = 0;
    std::string LqdFlowUnit;
    float LqdDensityIn = 0;
    std::string LqdDensUnit;
    double LqdViscIn = 0;
    std::string LqdViscUnit;

    // The flow: the stored flow and velocity (32-bit), and the figures
    // derived from them in 64 bits.
    float LqdFlowGpm = 0, LqdVelFps = 0;
    double lpm = 0, cfm = 0, cuMtrHr = 0;  // L/min, ft^3/min, m^3/hr
    double fpm = 0, mps = 0;               // ft/min, m/s
    double lbHr = 0, kgHr = 0;             // mass flow

    std::vector<LiquidMeterRange> meters;  // slots 25 to 40 not removed
    std::vector<std::string> notes;        // warnings or the "**" note
    bool beep = false;
    // The plausibility warnings of the case (liquid/Plausibility.h): shown
    // on the screen, not written to the text file or the printed page.
    std::vector<std::string> warnings;
};

// The view of the last liquid selection, from the case record; writes
// nothing.
LiquidResultsView modLqdResults();

// The texts of the results screen's boxes and lists.
struct LiquidResultsScreen {
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
    std::vector<std::string> errors;                    // the notes
    std::vector<std::string> warnings;                  // over the notes
};

// The view formatted for the screen; `date` is the date to show
// (MM-DD-YYYY).
LiquidResultsScreen liquidResultsScreen(const LiquidResultsView& view, const std::string& date);

}  // namespace quorin
