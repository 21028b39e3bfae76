// The plausibility warnings of the liquid case.
#include "liquid/Plausibility.h"

#include <cmath>

#include "gas/GasCalc.h"
#include "gas/InputRules.h"
#include "liquid/InputRules.h"
#include "state/SharedState.h"

namespace quorin {

namespace {

// The velocity in a liquid model: the line's for the insertion meter, else
// the flow through its bore (GPM = bore in inches squared x 2.448 x ft/s).
double liquidVelocity(const CatalogueModel& m) {
    const auto& S = shared();
    if (m.boreFt == 0) return S.LqdVelFps;
    return double(S.LqdFlowGpm) / (std::pow(m.boreFt * 12, 2) * 2.448);
}

}  // namespace

double liquidReynolds(const CatalogueModel& m) {
    return liquidVelocity(m) * m.shedderFt / shared().LqdViscFt2s;
}

CaseWarnings liquidWarnings() {
    using namespace plausibility;
    const auto& S = shared();
    CaseWarnings w;
    std::vector<std::string>& l = w.lines;
    notPositive(l, "Flow Rate", S.LqdFlowRateIn, S.LqdFlowUnit);
    notPositive(l, "Pipe Size", S.PipeSizeIn, S.PipeUnitIn);
    notPositive(l, "Temperature", S.TempDegR, "deg R (absolute)");
    notPositive(l, "Density", S.DensityLbFt3, "lbm/ft^3");
    notPositive(l, "Viscosity", S.LqdViscIn, S.LqdViscUnit);
    unknownUnit(l, "Flow Rate", S.LqdFlowUnit, lqdFlowUnits(), "flow", S.LqdFlowGpm, "GPM");
    unknownUnit(l, "Pipe Size", S.PipeUnitIn, pipeUnits(), "inside diameter", S.PipeIdIn,
                "inches");
    unknownUnit(l, "Temperature", S.TempUnitIn, tempUnits(), "temperature", S.TempDegF, "deg F");
    unknownUnit(l, "Viscosity", S.LqdViscUnit, lqdViscUnits(), "viscosity", S.ViscCp, "cP");
    unknownUnit(l, "Density", S.LqdDensUnit, lqdDensUnits(), "density", S.DensityLbFt3,
                "lbm/ft^3");
    lowReynolds(l, 25, 40, S.LqdViscFt2s, liquidVelocity);
    return w;
}

}  // namespace quorin
