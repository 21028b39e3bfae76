// Properties of the user-defined gas ("OTHER"): the density and viscosity
// the custom-gas dialog is given, converted into the case's working units.
#include "gas/GasCalc.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

namespace {

// Ratio of the ideal-gas density of air to P / T: rho = P * SG / (T * this).
constexpr double kAirGasConstant = 0.370484;

}  // namespace

void modOtherDensCalc() {
    auto& S = shared();
    double density;
    if (unitIs(S.OtherDensUnit, "LBM/CUFT")) density = S.OtherDensIn;
    else if (unitIs(S.OtherDensUnit, "KG/M^3")) density = S.OtherDensIn * 0.0624;
    else if (unitIs(S.OtherDensUnit, "G/CM^3")) density = S.OtherDensIn * 62.428;
    else return;  // no unit chosen: density and specific gravity stand
    S.DensityLbFt3 = density;
    S.SpecGravity =
        single(density * kAirGasConstant * double(S.TempDegR) / double(S.PressPsia));
}

void modOtherViscCalc() {
    auto& S = shared();
    const double in = S.OtherViscIn;
    if (unitIs(S.OtherViscUnit, "LBM/FT.SEC")) {
        S.ViscLbFtSec = in;
        S.ViscCp = in * 1488.164;
    } else if (unitIs(S.OtherViscUnit, "CENTIPOISE")) {
        S.ViscLbFtSec = in * 0.00067197;
        S.ViscCp = in;
    } else if (unitIs(S.OtherViscUnit, "PASCAL.SEC")) {
        S.ViscLbFtSec = in * 0.67197;
        S.ViscCp = in * 1000;
    } else {
        return;  // no unit chosen: the viscosities and coefficients stand
    }
    // A viscosity given directly becomes a temperature-independent law, so
    // the next pressure or temperature edit (modCalcDensVisc) and a reopened
    // case file keep it instead of falling back to the coefficients of the
    // medium chosen before "OTHER".
    S.ViscCoefA = single(S.ViscLbFtSec * 1e6);
    S.ViscCoefB = 0;
}

void modOtherSgDensity() {
    auto& S = shared();
    S.DensityLbFt3 = double(S.PressPsia) * double(S.SpecGravity) /
                     (double(S.TempDegR) * kAirGasConstant);
}

void modOtherViscCoefs() {
    auto& S = shared();
    S.ViscLbFtSec = (double(S.ViscCoefA) + double(S.ViscCoefB) * double(S.TempDegR)) * 1e-6;
    S.ViscCp = S.ViscLbFtSec * kCpPerLbFtSec;
}

}  // namespace quorin
