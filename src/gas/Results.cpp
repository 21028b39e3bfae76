#include "gas/Results.h"

#include "gas/GasCalc.h"
#include "state/ResultTexts.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

namespace {

const std::string kCubed = kSup3;
const std::string kSquared = kSup2;

// The letter of a temperature unit ("F", "C", "R"); other texts as entered.
std::string tempLetter(const std::string& unit) {
    if (unitIs(unit, "DEG F")) return "F";
    if (unitIs(unit, "DEG C")) return "C";
    if (unitIs(unit, "DEG R")) return "R";
    return unit;
}

void fillEntries(GasResultsView& v) {
    const auto& S = shared();
    v.customer = S.CustomerIn;
    v.tagNo = S.TagNoIn;

    v.flowRate = Str(S.FlowRateIn) + flowEnteredSuffix(S.FlowUnitIn);
    v.cuMtrHrLabel = "Flow in m" + kCubed + "/hr:";
    v.nmCuMtrHrLabel = "Flow in Nm" + kCubed + "/hr:";

    // Pipe.
    const PipeSizeTexts pipe =
        pipeSizeTexts(S.PipeSizeIn, S.PipeUnitIn, S.PipeIdIn, S.PipeIdMm, S.PipeAreaSqFt);
    v.pipeSize = pipe.entered;
    v.pipeSizeIn = pipe.inches;
    v.pipeSizeMM = pipe.mm;
    v.areaSqFt = pipe.area;

    // Operating and atmospheric pressure.
    const std::string pressUnit =
        unitIs(S.PressUnitIn, "KG/CM^2 G") ? "kg/cm" + kSquared + " G" : S.PressUnitIn;
    v.pressIn = General(S.PressIn) + "  " + pressUnit;
    v.pressPsia = unitIs(S.PressUnitIn, "PSIA") ? "" : Format(S.PressPsia, "0.0##") + "  PSIA";
    v.pressPsig = unitIs(S.PressUnitIn, "PSIG") ? "" : Format(S.PressPsig, "0.0###") + "  PSIG";
    const std::string atmoUnit =
        unitIs(S.AtmoPressUnitIn, "KG/CM^2 A") ? "kg/cm" + kSquared + " A" : S.AtmoPressUnitIn;
    v.atmoPressIn = Format(S.AtmoPressIn, "0.0##") + "  " + atmoUnit;
    v.atmoPressPsia =
        unitIs(S.AtmoPressUnitIn, "PSIA") ? "" : Format(S.AtmoPressPsia, "0.0##") + "  PSIA";

    // Operating temperature.
    v.custTemp = Format(S.TempIn, "0.0#") + "  " + tempLetter(S.TempUnitIn);
    v.tempF = unitIs(S.TempUnitIn, "DEG F") ? "" : Format(S.TempDegF, "0.0#") + "  F";
    v.tempC = unitIs(S.TempUnitIn, "DEG C") ? "" : Format(S.TempDegC, "0.0#") + "  C";
    v.tempR = unitIs(S.TempUnitIn, "DEG R") ? "" : Format(S.TempDegR, "0.0#") + "  R";

    // Reference conditions.
    const std::string refUnit =
        unitIs(S.PressRefUnitIn, "KG/CM^2 A") ? "kg/cm" + kSquared + "A" : S.PressRefUnitIn;
    v.pressRef = Format(S.PressRefIn, "0.0##") + "  " + refUnit;
    v.pressRefPsia =
        unitIs(S.PressRefUnitIn, "PSIA") ? "" : Format(S.PressRefPsia, "0.0##") + "  PSIA";
    v.tempRef = Format(S.TempRefIn, "0.0#") + "  " + tempLetter(S.TempRefUnitIn);
    v.tempRefF = unitIs(S.TempRefUnitIn, "DEG F") ? "" : Format(S.TempRefDegF, "0.0#") + "  F";

    // Medium and properties.
    v.otherNameVisible = S.MediaIn == "OTHER";
    v.otherName = S.OtherMediaName;
    v.media = S.MediaIn;
    v.density = Format(S.DensityLbFt3, "0.0###") + "  lbs/ft" + kCubed;
    v.viscosity = Format(S.ViscLbFtSec, "0.000e+00") + "  lbm/ft.sec";
    v.viscCp = Format(S.ViscCp, "0.0###") + "  cP";
    v.paSec = Format(S.ViscCp * 0.001, "0.000e+00") + "  Pa.sec";
}

void fillFlows(GasResultsView& v) {
    modDerivedFlows();
    const auto& S = shared();
    const float flows[] = {S.FlowAcfm, S.FlowScfm, S.FlowCuMtrHr, S.FlowNmCuMtrHr,
                           S.FlowPpm,  S.FlowPph,  S.FlowKgHr,    S.VelFps,
                           S.VelFpm,   S.VelMps,   S.FlowLpm};
    for (size_t k = 0; k < v.flows.size(); ++k) v.flows[k] = Format(flows[k], "0.00");
}

void fillMeters(GasResultsView& v) {
    const auto& S = shared();
    v.minUnit = v.maxUnit = rangeUnitText(S.FlowUnitIn);
    for (int slot = 1; slot <= 24; ++slot) {
        if (S.MeterModel[slot] != "NONE") v.meters.push_back(S.MeterModel[slot]);
        const float lo = S.MinFlowUser[slot - 1], hi = S.MaxFlowUser[slot - 1];
        if (lo != 0 && hi != 0) {
            v.flowLow.push_back(Format(lo, "0.0#"));
            v.flowHi.push_back(Format(hi, "0.0#"));
        }
    }
}

void note(GasResultsView& v, const std::string& text) {
    v.errors.push_back(text);
    ++v.beeps;
}

// A note that also raises an out-of-range flag, in the view and in the case
// record the reports read.
void note(GasResultsView& v, const std::string& text, bool& viewFlag, int16_t& caseFlag) {
    note(v, text);
    viewFlag = true;
    caseFlag = 1;
}

void fillNotes(GasResultsView& v) {
    auto& S = shared();
    if (!v.meters.empty()) {
        v.errors.clear();
        addLowRangeWarnings(S.FlowRateIn, v.meters, v.flowLow, v.flowHi, v.errors);
    } else {
        note(v, "**No meters fit parameters");
    }

    const float flow = S.FlowRateIn;
    if (S.MeterModel[8] != "NONE" && (flow < S.MinFlowUser[7] || flow > S.MaxFlowUser[7]))
        note(v, "**QNG Flow out of range", v.flowOutOfRange, S.FlowRangeFlag);
    if (S.MeterModel[9] != "NONE" && (flow < S.MinFlowUser[8] || flow > S.MaxFlowUser[8]))
        note(v, "**QNS Flow out of range", v.flowOutOfRange, S.FlowRangeFlag);
    if (S.TempDegF > 366 || (S.MeterModel[8] == "QNG" && S.TempDegF > 300))
        note(v, "**Temperature out of range", v.tempOutOfRange, S.TempRangeFlag);
    if (S.PressPsig > 250)
        note(v, "**Pressure out of range", v.pressOutOfRange, S.PressRangeFlag);
    if (!(S.PressRefPsia >= 10 && S.PressRefPsia <= 20))
        note(v, "**Reference Pressure out of range");
    if (!(S.TempRefDegF >= -10 && S.TempRefDegF <= 100))
        note(v, "**Reference Temperature out of range");
    if (!(S.AtmoPressPsia >= 10 && S.AtmoPressPsia <= 20)) note(v, "**Atmo Press out of range");
    for (int slot = 1; slot <= 24; ++slot) {
        const std::string& code = S.MeterModel[slot];
        if (code == "NONE" || code.empty()) continue;
        const float re = S.OperReynolds[slot - 1];
        if (re > reynoldsCeiling(code))
            note(v, "**Reynolds Number out of range (" + General(re) + ")", v.reynoldsOutOfRange,
                 S.ReyRangeFlag);
    }
}

}  // namespace

GasResultsView modGasResults(const std::string& today) {
    GasResultsView v;
    v.date = today;
    fillEntries(v);
    fillFlows(v);
    fillMeters(v);
    fillNotes(v);
    return v;
}

}  // namespace quorin
