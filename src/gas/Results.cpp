#include "gas/Results.h"

#include "gas/GasCalc.h"
#include "gas/Plausibility.h"
#include "state/ResultTexts.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

namespace {

const std::string kCubed = kSup3;
const std::string kSquared = kSup2;

void copyCase(const SharedState& S, GasResultsView& v) {
    copyResultsCase(S, v);
    v.FlowRateIn = S.FlowRateIn;
    v.FlowUnitIn = S.FlowUnitIn;
    v.PressIn = S.PressIn;
    v.PressUnitIn = S.PressUnitIn;
    v.PressPsia = S.PressPsia;
    v.PressPsig = S.PressPsig;
    v.AtmoPressIn = S.AtmoPressIn;
    v.AtmoPressUnitIn = S.AtmoPressUnitIn;
    v.AtmoPressPsia = S.AtmoPressPsia;
    v.TempDegR = S.TempDegR;
    v.PressRefIn = S.PressRefIn;
    v.PressRefUnitIn = S.PressRefUnitIn;
    v.PressRefPsia = S.PressRefPsia;
    v.TempRefIn = S.TempRefIn;
    v.TempRefUnitIn = S.TempRefUnitIn;
    v.TempRefDegF = S.TempRefDegF;
    v.OtherMediaName = S.OtherMediaName;
    v.ViscLbFtSec = S.ViscLbFtSec;
    for (int slot = 1; slot <= 24; ++slot)
        v.meterSlots[slot - 1] = {S.MeterModel[slot], S.MinFlowUser[slot - 1],
                                  S.MaxFlowUser[slot - 1], S.OperReynolds[slot - 1]};
}

// The actual flow in ft^3/min, the conditions and the pipe area give the
// flow in every other unit.
void deriveFlows(const SharedState& S, GasResultsView& v) {
    const double f = S.FlowAcfm;
    const double p = S.PressPsia, pr = S.PressRefPsia;
    const double t = S.TempDegR, tr = S.TempRefDegR;
    const double rho = S.DensityLbFt3, a = S.PipeAreaSqFt;
    v.FlowAcfm = S.FlowAcfm;
    v.FlowScfm = single((p / pr) * f * (tr / t));
    v.FlowCuMtrHr = single(f * 1.6992);
    v.FlowNmCuMtrHr = single(f * 1.6992 * (p / pr) * (tr / t));
    v.FlowPpm = single(f * rho);
    v.FlowPph = single(f * rho * 60);
    v.FlowKgHr = single(f * rho * 60 * 0.4535929094);
    v.VelFps = single(f / a / 60);
    v.VelFpm = single(f / a);
    v.VelMps = single(f / a / 196.847);
    v.FlowLpm = single(f * 28.31257078);
}

// The meter list and the two range lists as the screen shows them: every
// slot not removed, and every range with both ends.
struct MeterTexts {
    std::vector<std::string> meters, flowLow, flowHi;
};

MeterTexts meterTexts(const GasResultsView& v) {
    MeterTexts t;
    for (const GasMeterSlot& slot : v.meterSlots) {
        if (slot.code != "NONE") t.meters.push_back(slot.code);
        if (slot.ranged()) {
            t.flowLow.push_back(Format(slot.minFlow, "0.0#"));
            t.flowHi.push_back(Format(slot.maxFlow, "0.0#"));
        }
    }
    return t;
}

void note(GasResultsView& v, const std::string& text) {
    v.notes.push_back(text);
    ++v.beeps;
}

void note(GasResultsView& v, const std::string& text, bool& flag) {
    note(v, text);
    flag = true;
}

void addNotes(GasResultsView& v) {
    const MeterTexts shown = meterTexts(v);
    if (!shown.meters.empty())
        addLowRangeWarnings(v.FlowRateIn, shown.meters, shown.flowLow, shown.flowHi, v.notes);
    else
        note(v, "**No meters fit parameters");

    // Slots 8 and 9: the gas and the steam insertion meter.
    const float flow = v.FlowRateIn;
    const GasMeterSlot &qng = v.meterSlots[7], &qns = v.meterSlots[8];
    if (qng.code != "NONE" && (flow < qng.minFlow || flow > qng.maxFlow))
        note(v, "**QNG Flow out of range", v.flowOutOfRange);
    if (qns.code != "NONE" && (flow < qns.minFlow || flow > qns.maxFlow))
        note(v, "**QNS Flow out of range", v.flowOutOfRange);
    if (v.TempDegF > 366 || (qng.code == "QNG" && v.TempDegF > 300))
        note(v, "**Temperature out of range", v.tempOutOfRange);
    if (v.PressPsig > 250) note(v, "**Pressure out of range", v.pressOutOfRange);
    if (!(v.PressRefPsia >= 10 && v.PressRefPsia <= 20))
        note(v, "**Reference Pressure out of range");
    if (!(v.TempRefDegF >= -10 && v.TempRefDegF <= 100))
        note(v, "**Reference Temperature out of range");
    if (!(v.AtmoPressPsia >= 10 && v.AtmoPressPsia <= 20)) note(v, "**Atmo Press out of range");
    for (const GasMeterSlot& slot : v.meterSlots)
        if (slot.listed() && slot.reynolds > reynoldsCeiling(slot.code))
            note(v, "**Reynolds Number out of range (" + General(slot.reynolds) + ")",
                 v.reynoldsOutOfRange);
}

}  // namespace

GasResultsView modGasResults() {
    const auto& S = shared();
    GasResultsView v;
    copyCase(S, v);
    deriveFlows(S, v);
    addNotes(v);
    v.warnings = gasWarnings().lines;
    return v;
}

void storeGasResults(const GasResultsView& v) {
    auto& S = shared();
    S.FlowRangeFlag = v.flowOutOfRange;
    S.PressRangeFlag = v.pressOutOfRange;
    S.TempRangeFlag = v.tempOutOfRange;
    S.ReyRangeFlag = v.reynoldsOutOfRange;
}

GasResultsScreen gasResultsScreen(const GasResultsView& v, const std::string& date) {
    GasResultsScreen t;
    t.date = date;
    t.customer = v.CustomerIn;
    t.tagNo = v.TagNoIn;
    t.flowRate = Str(v.FlowRateIn) + flowEnteredSuffix(v.FlowUnitIn);
    t.cuMtrHrLabel = "Flow in m" + kCubed + "/hr:";
    t.nmCuMtrHrLabel = "Flow in Nm" + kCubed + "/hr:";

    // Pipe.
    const PipeSizeTexts pipe =
        pipeSizeTexts(v.PipeSizeIn, v.PipeUnitIn, v.PipeIdIn, v.PipeIdMm, v.PipeAreaSqFt);
    t.pipeSize = pipe.entered;
    t.pipeSizeIn = pipe.inches;
    t.pipeSizeMM = pipe.mm;
    t.areaSqFt = pipe.area;

    // Operating and atmospheric pressure.
    const std::string pressUnit =
        unitIs(v.PressUnitIn, "KG/CM^2 G") ? "kg/cm" + kSquared + " G" : v.PressUnitIn;
    t.pressIn = General(v.PressIn) + "  " + pressUnit;
    t.pressPsia = unitIs(v.PressUnitIn, "PSIA") ? "" : Format(v.PressPsia, "0.0##") + "  PSIA";
    t.pressPsig = unitIs(v.PressUnitIn, "PSIG") ? "" : Format(v.PressPsig, "0.0###") + "  PSIG";
    const std::string atmoUnit =
        unitIs(v.AtmoPressUnitIn, "KG/CM^2 A") ? "kg/cm" + kSquared + " A" : v.AtmoPressUnitIn;
    t.atmoPressIn = Format(v.AtmoPressIn, "0.0##") + "  " + atmoUnit;
    t.atmoPressPsia =
        unitIs(v.AtmoPressUnitIn, "PSIA") ? "" : Format(v.AtmoPressPsia, "0.0##") + "  PSIA";

    // Operating temperature.
    const std::string degF = "  " + tempUnitText("DEG F"), degC = "  " + tempUnitText("DEG C");
    t.custTemp = Format(v.TempIn, "0.0#") + "  " + tempUnitText(v.TempUnitIn);
    t.tempF = unitIs(v.TempUnitIn, "DEG F") ? "" : Format(v.TempDegF, "0.0#") + degF;
    t.tempC = unitIs(v.TempUnitIn, "DEG C") ? "" : Format(v.TempDegC, "0.0#") + degC;
    t.tempR = unitIs(v.TempUnitIn, "DEG R") ? ""
                                            : Format(v.TempDegR, "0.0#") + "  " + tempUnitText("DEG R");

    // Reference conditions.
    const std::string refUnit =
        unitIs(v.PressRefUnitIn, "KG/CM^2 A") ? "kg/cm" + kSquared + "A" : v.PressRefUnitIn;
    t.pressRef = Format(v.PressRefIn, "0.0##") + "  " + refUnit;
    t.pressRefPsia =
        unitIs(v.PressRefUnitIn, "PSIA") ? "" : Format(v.PressRefPsia, "0.0##") + "  PSIA";
    t.tempRef = Format(v.TempRefIn, "0.0#") + "  " + tempUnitText(v.TempRefUnitIn);
    t.tempRefF = unitIs(v.TempRefUnitIn, "DEG F") ? "" : Format(v.TempRefDegF, "0.0#") + degF;

    // Medium and properties.
    t.otherNameVisible = v.MediaIn == "OTHER";
    t.otherName = v.OtherMediaName;
    t.media = v.MediaIn;
    t.density = Format(v.DensityLbFt3, "0.0###") + "  lbs/ft" + kCubed;
    t.viscosity = Format(v.ViscLbFtSec, "0.000e+00") + "  lbm/ft.sec";
    t.viscCp = Format(v.ViscCp, "0.0###") + "  cP";
    t.paSec = Format(v.ViscCp * 0.001, "0.000e+00") + "  Pa.sec";

    const float flows[] = {v.FlowAcfm, v.FlowScfm, v.FlowCuMtrHr, v.FlowNmCuMtrHr,
                           v.FlowPpm,  v.FlowPph,  v.FlowKgHr,    v.VelFps,
                           v.VelFpm,   v.VelMps,   v.FlowLpm};
    for (size_t k = 0; k < t.flows.size(); ++k) t.flows[k] = Format(flows[k], "0.00");

    t.minUnit = t.maxUnit = rangeUnitText(v.FlowUnitIn);
    MeterTexts shown = meterTexts(v);
    t.meters = std::move(shown.meters);
    t.flowLow = std::move(shown.flowLow);
    t.flowHi = std::move(shown.flowHi);
    t.errors = v.notes;
    t.warnings = v.warnings;
    return t;
}

}  // namespace quorin
