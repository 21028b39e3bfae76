// Flow conversions to and from actual ft^3/min, and the Reynolds number.
#include <cmath>

#include "gas/GasCalc.h"
#include "state/Hooks.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

namespace {

// Division that remembers the arithmetic fault a runtime would raise:
// x / 0 is a division by zero, 0 / 0 an overflow.
struct FaultingMath {
    const char* fault = nullptr;
    double div(double a, double b) {
        if (b == 0 && !fault) fault = a == 0 || std::isnan(a) ? "Overflow" : "Division by zero";
        return a / b;
    }
};

}  // namespace

void modAcfmCalc() {
    auto& S = shared();
    const std::string u = upper(S.FlowUnitIn);
    const double v = S.FlowRateIn;
    const double pr = S.PressRefPsia, p = S.PressPsia;
    const double t = S.TempDegR, tr = S.TempRefDegR;
    const double rho = S.DensityLbFt3, area = S.PipeAreaSqFt;
    FaultingMath m;

    double acfm;
    if (u == "ACFM") acfm = v;
    else if (u == "ACF/DAY") acfm = v / 1440;
    else if (u == "SCFM") acfm = m.div(pr, p) * v * m.div(t, tr);
    else if (u == "SCF/DAY") acfm = m.div(pr, p) * v * m.div(t, tr) / 1440;
    else if (u == "M^3/HR") acfm = v * 0.58851224;
    else if (u == "M^3/DAY") acfm = v * 0.58851224 / 24;
    else if (u == "NM^3/HR") acfm = m.div(pr, p) * v * 0.58851224 * m.div(t, tr);
    else if (u == "NM^3/DAY")
        acfm = m.div(pr, p) * v * 0.58851224 * m.div(t, tr) / 24;
    else if (u == "LBS/MIN") acfm = m.div(v, rho);
    else if (u == "LBS/HR") acfm = m.div(v / 60, rho);
    else if (u == "KG/HR") acfm = m.div(v * 2.20462 / 60, rho);
    else if (u == "FPS") acfm = v * 60 * area;
    else if (u == "FPM") acfm = v * area;
    else if (u == "MPS") acfm = v * 196.847 * area;
    else if (u == "LPM") acfm = v * 0.03532;
    else if (u == "METRIC TONS/HR") acfm = m.div(v * 2204.62 / 60, rho);
    else return;

    S.FlowAcfm = single(acfm);
    if (!m.fault && overflowsSingle(acfm) && std::isfinite(v)) m.fault = "Overflow";
    if (m.fault) showMessage(std::string("Error:  ") + m.fault);
}

void modReynolds() {
    auto& S = shared();
    S.ReynoldsNo = single(double(S.ReyVelFps) * S.DensityLbFt3 * S.ReyDimFt /
                          S.ViscLbFtSec);
}

}  // namespace quorin
