// Start-up values of the liquid case, the chain that brings every derived
// value in line with the entries, and the back-pressure calculation.
#include <cmath>

#include "gas/GasCalc.h"
#include "liquid/LiquidCalc.h"
#include "state/SharedState.h"
#include "state/Single.h"

namespace quorin {

void loadLiquidDefaults(bool setDefaults) {
    auto& S = shared();
    S.CustomerIn = setDefaults ? "Quorin Dynarel Inc." : "Customer";
    S.TagNoIn = "Quorin Vortex Flow Meter";
    S.LqdFlowRateIn = 500;
    S.LqdFlowUnit = "GPM";
    S.PipeSizeIn = 6;
    S.PipeUnitIn = "INCHES";
    S.TempIn = 70;
    S.TempUnitIn = "deg F";
    S.TempDegF = 70;
    S.MediaIn = "WATER";
    S.SpecGravity = 1;
    S.LqdDensityIn = 62.3663f;
    S.LqdDensUnit = "lbm/ft^3";
    S.LqdViscIn = 1.12;
    S.ViscCp = 1.12;
    S.LqdViscUnit = "centipoise";
}

void modLqdRecalc() {
    modLqdDens();
    modPipeSize();
    modLqdGpmCalc();
    modTemperature();
    modLqdVisc();
}

void modBackPressure() {
    auto& S = shared();
    // A fixed 12 psi (0.03 x 20^2) over the vapour pressure, less the
    // standard atmosphere.
    S.BackPressPsig = single(std::pow(20.0, 2.0) * 0.03 + S.VaporPressPsia - 14.696);
    if (S.BackPressPsig < 5.0f) S.BackPressPsig = 5.0f;
}

}  // namespace quorin
