// Gas/steam meter selection: candidates by line size and medium, exclusions
// by medium, temperature and flow window, Reynolds-limited ranges in the
// user's flow unit, and the Reynolds number at the operating flow.
#include <cmath>

#include "gas/GasCalc.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

namespace {

constexpr const char* kNone = "NONE";
constexpr int kGasSlotCount = 24;

bool isSaturatedSteam() { return upper(shared().MediaIn) == kSteamSaturated; }

bool isInsertion(const std::string& code) { return code == "QNG" || code == "QNS"; }

// Wafer slots: inside-diameter band (inches, inclusive, 32-bit bounds),
// model-code suffix, and the flow windows in ACFM (inclusive).
struct WaferSlot {
    int slot;
    float minId, maxId;
    const char* size;
    float steamLo, steamHi, gasLo, gasHi;
};
constexpr WaferSlot kWafers[] = {
    {1, 0.4f, 0.64f, "05", 0.4f, 10, 0.4f, 16},
    {3, 0.85f, 1.24f, "10", 1.25f, 35, 1.25f, 45},
    {4, 1.25f, 1.74f, "15", 2.5f, 100, 2.5f, 100},
    {5, 1.75f, 2.24f, "20", 5, 160, 5, 200},
    {6, 2.25f, 3.24f, "30", 10, 320, 10, 400},
    {7, 3.25f, 4.25f, "40", 20, 480, 20, 600},
};

// Insertion slots: smallest inside diameter and smallest flow (ACFM).
struct InsertionSlot {
    int slot;
    const char* code;
    float minId;
    float minFlow;
};
constexpr InsertionSlot kInsertions[] = {
    {8, "QNG", 3.0f, 6.0f},
    {9, "QNS", 5.0f, 37.8f},
};

// Area of a wafer meter's bore, ft^2.
double boreArea(int slot) {
    return kPi * std::pow(double(shared().MeterBore[slot]) / 2, 2);
}

// A non-finite flow lies outside every window.
bool within(float flow, float lo, float hi) {
    return std::isfinite(flow) && flow >= lo && flow <= hi;
}

void resetSelection() {
    auto& S = shared();
    for (int slot = 1; slot <= kGasSlotCount; ++slot) {
        S.MeterModel[slot] = kNone;
        S.MaxFlowReyAcfm[slot - 1] = 0;
        S.FlowUnitFactor[slot - 1] = 0;
        S.MinFlowUser[slot - 1] = 0;
        S.MaxFlowUser[slot - 1] = 0;
        S.MaxVelReyFpm[slot - 1] = 0;
    }
    S.FlowRangeFlag = S.PressRangeFlag = S.TempRangeFlag = S.ReyRangeFlag = 0;
}

}  // namespace

void modMeterID() {
    auto& S = shared();
    const std::string medium = upper(S.MediaIn);
    const char* family = medium == kSteamSaturated        ? "QWS"
                         : medium == "DIGESTER GAS 60/40" ? "QWBG"
                                                          : "QWG";
    const float id = S.PipeIdIn;
    for (const WaferSlot& w : kWafers)
        if (id >= w.minId && id <= w.maxId)
            S.MeterModel[w.slot] = std::string(family) + w.size;
    for (const InsertionSlot& n : kInsertions)
        if (id >= n.minId) S.MeterModel[n.slot] = n.code;
}

void modMeterNotSteam() {
    auto& S = shared();
    if (isSaturatedSteam() && S.MeterModel[8] != kNone) S.MeterModel[8] = kNone;
}

void modMeterTemp() {
    auto& S = shared();
    if (S.MeterModel[8] == "QNG" && (S.TempDegF < -40 || S.TempDegF > 300))
        S.MeterModel[8] = kNone;
}

void modMeterFlow() {
    auto& S = shared();
    const bool steam = isSaturatedSteam();
    const float flow = S.FlowAcfm;
    for (const WaferSlot& w : kWafers) {
        const bool fits = steam ? within(flow, w.steamLo, w.steamHi)
                                : within(flow, w.gasLo, w.gasHi);
        if (!fits) S.MeterModel[w.slot] = kNone;
    }
    for (const InsertionSlot& n : kInsertions)
        if (!(std::isfinite(flow) && flow >= n.minFlow)) S.MeterModel[n.slot] = kNone;
}

void modMeterMinMax() {
    auto& S = shared();
    const bool steam = S.MediaIn == kSteamSaturated;
    for (int i = 1; i <= kGasSlotCount; ++i) {
        const std::string& code = S.MeterModel[i];
        if (code == kNone) continue;
        const double max = steam ? S.MeterMaxSteam[i] : S.MeterMaxFlow[i];
        const double min = steam ? S.MeterMinSteam[i] : S.MeterMinFlow[i];
        if (!isInsertion(code)) {
            S.ReyVelFps = single(max / boreArea(i) / 60);
            S.ReyDimFt = S.ShedderWidth[i];
            modReynolds();
            S.MaxFlowReyAcfm[i - 1] =
                single(reynoldsCeiling(code) / double(S.ReynoldsNo) * max);
            if (S.MaxFlowReyAcfm[i - 1] > max) S.MaxFlowReyAcfm[i - 1] = float(max);
            S.FlowUnitFactor[i - 1] = single(double(S.FlowRateIn) / double(S.FlowAcfm));
            S.MinFlowUser[i - 1] = single(double(S.FlowUnitFactor[i - 1]) * min);
            S.MaxFlowUser[i - 1] =
                single(double(S.FlowUnitFactor[i - 1]) * double(S.MaxFlowReyAcfm[i - 1]));
        } else {
            S.ReyVelFps = single(max / 60);
            S.ReyDimFt = S.ShedderWidth[i];
            modReynolds();
            S.MaxVelReyFpm[i - 1] = single(100000 / double(S.ReynoldsNo) * max);
            if (S.MaxVelReyFpm[i - 1] > max) S.MaxVelReyFpm[i - 1] = float(max);
            S.FlowUnitFactor[i - 1] = single(
                double(S.FlowRateIn) / (double(S.FlowAcfm) / S.PipeAreaSqFt));
            S.MinFlowUser[i - 1] = single(double(S.FlowUnitFactor[i - 1]) * min);
            S.MaxFlowUser[i - 1] =
                single(double(S.FlowUnitFactor[i - 1]) * double(S.MaxVelReyFpm[i - 1]));
        }
    }
}

void modMeterReyCalc() {
    auto& S = shared();
    for (int i = 1; i <= kGasSlotCount; ++i) {
        const std::string& code = S.MeterModel[i];
        if (isInsertion(code)) {
            S.ReyVelFps = single(double(S.FlowAcfm) / S.PipeAreaSqFt / 60);
            S.ReyDimFt = S.ShedderWidth[i];
        } else if (code != kNone) {
            S.ReyVelFps = single(double(S.FlowAcfm) / boreArea(i) / 60);
            S.ReyDimFt = S.ShedderWidth[i];
        }
        modReynolds();
        S.OperReynolds[i - 1] = S.ReynoldsNo;
    }
}

void modGasSelection() {
    resetSelection();
    modMeterSpecs();
    modMeterID();
    modMeterNotSteam();
    modMeterTemp();
    modMeterFlow();
    modMeterMinMax();
    modMeterReyCalc();
}

}  // namespace quorin
