// Liquid meter selection: the Reynolds-limited range of every liquid slot in
// the user's flow unit, then the flow, temperature and pipe-size tests.
#include <cmath>

#include "gas/GasCalc.h"
#include "liquid/LiquidCalc.h"
#include "state/SharedState.h"
#include "state/Single.h"

namespace quorin {

namespace {

constexpr int kFirstSlot = 25, kLastSlot = 40;
constexpr int kInsertion = 33;

// Round to whole units, halves to the even neighbour.
double roundEven(double x) { return std::nearbyint(x); }

// The flow test of each selectable slot: the Reynolds-limited minimum must
// stay below `minBelow`, and the line flow (velocity for the insertion
// meter) must lie between that minimum and `flowUpTo`.
struct FlowTest {
    int slot;
    const char* code;
    float minBelow, flowUpTo;
};
constexpr FlowTest kFlowTests[] = {
    {33, "QNL", 16.0f, 18.0f},     {35, "QWL10", 33.0f, 49.0f},  {36, "QWL15", 75.0f, 110.0f},
    {37, "QWL20", 130.0f, 195.0f}, {38, "QWL30", 300.0f, 440.0f},
};

// Pipe inside diameters, in inches, each model is built for (both ends
// included).
struct PipeBand {
    int slot;
    float from, to;
};
constexpr PipeBand kPipeBands[] = {
    {33, 3.0f, INFINITY}, {35, 0.7f, 1.25f}, {36, 1.26f, 1.75f},
    {37, 1.76f, 2.25f},   {38, 2.25f, 3.25f},
};

}  // namespace

void resetLiquidSlots() {
    auto& S = shared();
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        const int i = slot - 1;
        S.MeterModel[slot] = "NONE";
        S.RangeMinVelFps[i] = S.MinFlowUser[i] = S.MaxFlowUser[i] = 0;
        S.ChartMinFlowGpm[i] = S.ChartMaxFlowGpm[i] = 0;
    }
}

void modLqdLowCalc() {
    auto& S = shared();
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        const int i = slot - 1;
        S.FlowUnitFactor[i] = single(double(S.LqdFlowRateIn) / S.LqdFlowGpm);
        S.RangeMinVelFps[i] = single(S.MeterLqdRey[slot] * S.LqdViscFt2s / S.ShedderWidth[slot]);
        S.RangeMinGpm[i] =
            single(std::pow(double(S.MeterBore[slot]), 2.0) * 2.448 * S.RangeMinVelFps[i]);
        const float low = single(double(S.RangeMinGpm[i]) * S.FlowUnitFactor[i]);
        S.MinFlowUser[i] = low > 0 ? low : 0;
        S.MaxFlowUser[i] = single(double(S.MeterMaxFlow[slot]) * S.FlowUnitFactor[i]);
    }

    // The insertion meter covers the whole pipe: its range follows the
    // pipe's own area, with a floor of 1 ft/s, in whole units.
    if (S.PipeIdIn >= 3.0f) {
        constexpr int i = kInsertion - 1;
        const double area = std::pow(double(S.PipeIdIn), 2.0) * 2.448;
        float vel = single(S.MeterLqdRey[kInsertion] * S.LqdViscFt2s / S.ShedderWidth[kInsertion]);
        if (vel < 1.0f) vel = 1.0f;
        S.RangeMinVelFps[i] = vel;
        S.FlowUnitFactor[i] = single(double(S.LqdFlowRateIn) / S.LqdFlowGpm);
        S.RangeMinGpm[i] = single(roundEven(area * S.RangeMinVelFps[i]));
        S.RangeMinVelFps[i] = single(S.RangeMinGpm[i] / area);
        const float low = single(roundEven(double(S.RangeMinGpm[i]) * S.FlowUnitFactor[i]));
        S.MinFlowUser[i] = low > 0 ? low : 0;
        S.MaxFlowUser[i] =
            single(roundEven(area * S.MeterMaxFlow[kInsertion] * S.FlowUnitFactor[i]));
    }
}

void modLqdFlowSel() {
    auto& S = shared();
    for (const FlowTest& t : kFlowTests) {
        const int i = t.slot - 1;
        const bool insertion = t.slot == kInsertion;
        const float minimum = insertion ? S.RangeMinVelFps[i] : S.RangeMinGpm[i];
        const float flow = insertion ? S.LqdVelFps : S.LqdFlowGpm;
        if (minimum < t.minBelow && flow <= t.flowUpTo && flow >= minimum)
            S.MeterModel[t.slot] = t.code;
    }
}

void modLqdTempSel() {
    auto& S = shared();
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        const float limit = slot <= 32 ? 200.0f : 300.0f;
        if (S.TempDegF > limit) S.MeterModel[slot] = "NONE";
    }
}

void modLqdPipeSel() {
    auto& S = shared();
    for (const PipeBand& b : kPipeBands) {
        const bool fits = S.PipeIdIn >= b.from && S.PipeIdIn <= b.to;
        if (!fits) S.MeterModel[b.slot] = "NONE";
    }
}

void modLqdSelection() {
    auto& S = shared();
    resetLiquidSlots();
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        S.MeterLqdRey[slot] = 0;
        S.ShedderWidth[slot] = 0;
    }
    modMeterSpecs();
    modLqdLowCalc();
    modLqdFlowSel();
    modLqdTempSel();
    modLqdPipeSel();
}

}  // namespace quorin
