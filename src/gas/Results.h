// The results of the last gas/steam Find Meter, computed once from the case
// record: the case as it was sized, the flow in every unit, the candidates of
// every gas/steam slot with their ranges, and the notes. The results screen,
// the results text file and the printed page each format this one view;
// computing it writes nothing.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "state/ResultTexts.h"

namespace quorin {

// A catalogue slot after the selection: its code ("NONE" when it was
// removed) and its range in the user's flow unit (0 and 0 without one).
struct GasMeterSlot {
    std::string code;
    float minFlow = 0, maxFlow = 0;
    float reynolds = 0;  // at the operating flow
    bool listed() const { return !code.empty() && code != "NONE"; }
    bool ranged() const { return minFlow != 0 && maxFlow != 0; }
};

// The case as sized: the entries and their working units, named as in the
// case record.
struct GasResultsView : ResultsCase {
    float FlowRateIn = 0;
    std::string FlowUnitIn;
    float PressIn = 0;
    std::string PressUnitIn;
    float PressPsia = 0, PressPsig = 0;
    float AtmoPressIn = 0;
    std::string AtmoPressUnitIn;
    float AtmoPressPsia = 0;
    float TempDegR = 0;
    float PressRefIn = 0;
    std::string PressRefUnitIn;
    float PressRefPsia = 0;
    float TempRefIn = 0;
    std::string TempRefUnitIn;
    float TempRefDegF = 0;
    std::string OtherMediaName;
    double ViscLbFtSec = 0;

    // The flow in every unit (32-bit values, as the record keeps them).
    float FlowAcfm = 0, FlowScfm = 0, FlowCuMtrHr = 0, FlowNmCuMtrHr = 0, FlowPpm = 0,
          FlowPph = 0, FlowKgHr = 0, VelFps = 0, VelFpm = 0, VelMps = 0, FlowLpm = 0;

    // Slots 1 to 24, in catalogue order.
    std::array<GasMeterSlot, 24> meterSlots;

    std::vector<std::string> notes;  // lower-15 % warnings and "**" notes
    int beeps = 0;                   // system beeps to sound
    // Set when the note of the flow of an insertion meter, the operating
    // pressure, the operating temperature or a Reynolds number is added.
    bool flowOutOfRange = false, pressOutOfRange = false, tempOutOfRange = false,
         reynoldsOutOfRange = false;
    // The plausibility warnings of the case (gas/Plausibility.h): shown on
    // the screen, not written to the text file or the printed page.
    std::vector<std::string> warnings;
};

// The view of the last selection, from the case record; writes nothing.
GasResultsView modGasResults();

// What the case record keeps of the results shown: the four range flags
// (FlowRangeFlag, PressRangeFlag, TempRangeFlag, ReyRangeFlag). The command
// that shows the results stores them.
void storeGasResults(const GasResultsView& view);

// The texts of the results screen's boxes and lists.
struct GasResultsScreen {
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
    std::vector<std::string> errors;                    // the notes
    std::vector<std::string> warnings;                  // over the notes
};

// The view formatted for the screen; `date` is the date to show.
GasResultsScreen gasResultsScreen(const GasResultsView& view, const std::string& date);

}  // namespace quorin
