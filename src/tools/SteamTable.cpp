// The saturated-steam table, its interpolation, and the steam density at
// any state.
#include "tools/SteamTable.h"

#include <cmath>
#include <iterator>

#include "gas/GasCalc.h"
#include "state/SharedState.h"
#include "state/Single.h"

namespace quorin {

namespace {

// {psia, deg F, lb/ft^3}
constexpr double kRows[][3] = {
#include "tools/SteamTableData.inc"
};
static_assert(std::size(kRows) == kSteamTableRows);

// Interpolates in SteamTbl on the key column: the other two columns at
// `input`. The keys are compared as 32-bit values; the fraction is taken
// from the stored 64-bit keys.
void interpolate(int key, float input, int first, float& firstOut, int second, double& secondOut) {
    const auto& T = shared().SteamTbl;
    int i = 1;
    while (i < int(T.size()) - 1 && T[i][key] != 0 && float(T[i][key]) <= input) ++i;
    const auto& lo = T[i - 1];
    const auto& hi = T[i];
    const double f = (double(input) - lo[key]) / (hi[key] - lo[key]);
    firstOut = single(lo[first] + f * (hi[first] - lo[first]));
    secondOut = lo[second] + f * (hi[second] - lo[second]);
}

}  // namespace

void fillSteamTable() {
    auto& T = shared().SteamTbl;
    T = {};
    for (int row = 1; row <= kSteamTableRows; ++row)
        for (int col = 1; col <= 3; ++col) T[row][col] = kRows[row - 1][col - 1];
}

void modPsiaInterp() {
    auto& S = shared();
    interpolate(1, S.SteamPsia, 2, S.SteamTempF, 3, S.SteamDens);
}

void modTempInterp() {
    auto& S = shared();
    interpolate(2, S.SteamTempF, 1, S.SteamPsia, 3, S.SteamDens);
}

float saturationTempF(float psia) {
    constexpr int last = kSteamTableRows - 1;
    if (!(psia >= float(kRows[0][0]) && psia <= float(kRows[last][0]))) return NAN;
    int i = 1;
    while (i < last && float(kRows[i][0]) <= psia) ++i;
    const auto& lo = kRows[i - 1];
    const auto& hi = kRows[i];
    return single(lo[1] + (double(psia) - lo[0]) / (hi[0] - lo[0]) * (hi[1] - lo[1]));
}

void modSteamLookupPsia() {
    auto& S = shared();
    if (S.SteamPsia <= 10) S.SteamPsia = 10;
    if (S.SteamPsia >= 700) S.SteamPsia = 700;
    modPsiaInterp();
}

void modSteamLookupTemp() {
    auto& S = shared();
    if (S.SteamTempF <= 195) S.SteamTempF = 195;
    if (S.SteamTempF >= 500) S.SteamTempF = 500;
    modTempInterp();
}

void modSteamDensCalc() {
    auto& S = shared();
    S.TempDegR = single(double(S.SteamTempF) + 459.67);
    S.PressPsia = S.SteamPsia;
    modSteamCalc();
    S.SteamDens = S.DensityLbFt3;
}

void modRestoreGasCase() {
    modPressure();
    modTemperature();
    modCalcDensVisc();
    modAcfmCalc();
}

}  // namespace quorin
