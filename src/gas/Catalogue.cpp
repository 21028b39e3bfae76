// The vortex-meter catalogue: codes, bores, shedder widths and flow limits
// of every model, by catalogue slot.
#include "gas/GasCalc.h"
#include "state/SharedState.h"
#include "state/Single.h"

namespace quorin {

namespace {

// Gas/steam slots: bore and shedder width in inches, limits in ACFM
// (insertion slots 8 and 9: ft/min of line velocity).
struct GasSlot {
    int slot;
    const char* code;
    double boreIn, shedderIn;
    float minFlow, maxFlow, minSteam, maxSteam;
    bool steamSet;
};
constexpr GasSlot kGasSlots[] = {
    {1, "QWG05", 0.5, 0.095, 0.4f, 16, 0.4f, 10, true},
    {3, "QWG10", 0.875, 0.095, 1.25f, 45, 1.25f, 35, true},
    {4, "QWG15", 1.375, 0.095, 2.5f, 100, 3, 100, true},
    {5, "QWG20", 1.75, 0.095, 5, 200, 5, 160, true},
    {6, "QWG30", 2.75, 0.11, 10, 400, 13, 320, true},
    {7, "QWG40", 3.75, 0.11, 20, 600, 23, 480, true},
    {8, "QNG", 0, 0.125, 120, 8400, 0, 0, false},
    {9, "QNS", 0, 0.0932, 277, 11100, 300, 0, false},  // steam max by pressure
};

// Liquid slots: bore in inches, shedder width in feet, limits in GPM
// (insertion slot 33: ft/s of line velocity).
struct LiquidSlot {
    int slot;
    const char* code;
    float boreIn;
    double shedderFt;
    float minFlow, maxFlow, lqdRey, nomIn, nomMm;
};
constexpr LiquidSlot kLiquidSlots[] = {
    {25, "QPL05", 0.546f, 0.0076667, 1.5f, 15, 1304, 0.5f, 13},
    {33, "QNL", 0, 0.010417, 2, 18, 1720, 3, 76},
    {35, "QWL10", 0.875f, 0.01558, 2.4f, 44, 3447, 1, 25},
    {36, "QWL15", 1.375f, 0.01558, 5.5f, 100, 3071, 1.5f, 38},
    {37, "QWL20", 1.75f, 0.02083, 19.999f, 175, 4609, 2, 51},
    {38, "QWL30", 2.75f, 0.02083, 22, 400, 4107, 3, 76},
};

}  // namespace

void modMeterSpecs() {
    auto& S = shared();
    for (const GasSlot& g : kGasSlots) {
        S.MeterCode[g.slot] = g.code;
        S.MeterBore[g.slot] = single(g.boreIn / 12);
        S.ShedderWidth[g.slot] = g.shedderIn / 12;
        S.MeterMinFlow[g.slot] = g.minFlow;
        S.MeterMaxFlow[g.slot] = g.maxFlow;
        if (g.steamSet || g.minSteam != 0) S.MeterMinSteam[g.slot] = g.minSteam;
        if (g.steamSet) S.MeterMaxSteam[g.slot] = g.maxSteam;
    }

    // Steam maximum of the steam insertion meter by gauge pressure. The band
    // above 60 and up to 65 psig takes the lower neighbour's 9500.
    const float psig = S.PressPsig;
    if (psig <= 25) S.MeterMaxSteam[9] = 7500;
    else if (psig <= 60) S.MeterMaxSteam[9] = 9500;
    else if (psig <= 65) S.MeterMaxSteam[9] = 9500;
    else if (psig > 65) S.MeterMaxSteam[9] = 10500;

    for (const LiquidSlot& l : kLiquidSlots) {
        S.MeterCode[l.slot] = l.code;
        if (l.boreIn != 0) S.MeterBore[l.slot] = l.boreIn;
        S.ShedderWidth[l.slot] = l.shedderFt;
        S.MeterMinFlow[l.slot] = l.minFlow;
        S.MeterMaxFlow[l.slot] = l.maxFlow;
        S.MeterLqdRey[l.slot] = l.lqdRey;
        S.MeterNomSizeIn[l.slot] = l.nomIn;
        S.MeterNomSizeMm[l.slot] = l.nomMm;
    }
}

const std::vector<CatalogueModel>& catalogueModels() {
    static const std::vector<CatalogueModel> models = [] {
        std::vector<CatalogueModel> all;
        for (const GasSlot& g : kGasSlots)
            all.push_back({g.slot, g.code, g.boreIn / 12, g.shedderIn / 12, 0});
        for (const LiquidSlot& l : kLiquidSlots)
            all.push_back({l.slot, l.code, double(l.boreIn) / 12, l.shedderFt, l.lqdRey});
        return all;
    }();
    return models;
}

}  // namespace quorin
