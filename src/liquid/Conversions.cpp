// Liquid entries into working units: flow in US gal/min and pipe velocity,
// density in lb/ft^3 with the specific gravity to water, viscosity in
// centipoise and ft^2/s.
#include <cmath>

#include "liquid/LiquidCalc.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

namespace {

constexpr double kFt2sPerCst = 1.076391e-5;
constexpr double kGalPerFt3 = 7.48052;
constexpr double kGalPerM3 = 264.172;
constexpr double kLbFt3PerKgM3 = 16.018;

}  // namespace

void modLqdGpmCalc() {
    auto& S = shared();
    const std::string unit = upper(S.LqdFlowUnit);
    const double Q = S.LqdFlowRateIn;
    const double D2 = std::pow(double(S.PipeIdIn), 2.0);
    const double A = D2 * 0.0408;  // GPM per ft/min of line velocity
    const double rho = S.DensityLbFt3;

    // Volumetric and mass units give the GPM; the velocity follows from it.
    double gpm;
    if (unit == "GPM") gpm = Q;
    else if (unit == "LPM") gpm = Q * 0.26418;
    else if (unit == "FT^3/MIN") gpm = Q * kGalPerFt3;
    else if (unit == "FT^3/DAY") gpm = Q * kGalPerFt3 / 1440;
    else if (unit == "M^3/HR") gpm = Q * kGalPerM3 / 60;
    else if (unit == "M^3/DAY") gpm = Q * kGalPerM3 / 1440;
    else if (unit == "LBS/MIN") gpm = Q / rho * kGalPerFt3;
    else if (unit == "LBS/HR") gpm = Q / rho * kGalPerFt3 / 60;
    else if (unit == "KG/HR") gpm = Q / (rho * kLbFt3PerKgM3) * kGalPerM3 / 60;
    else if (unit == "METRIC TONS/HR") gpm = Q / (rho * kLbFt3PerKgM3 / 1000) * kGalPerM3 / 60;
    else {
        // Velocity units give the velocity; the GPM follows from the pipe area.
        if (unit == "FPS") {
            S.LqdFlowGpm = single(A * Q * 60);
            S.LqdVelFps = single(Q);
        } else if (unit == "FPM") {
            S.LqdFlowGpm = single(A * Q);
            S.LqdVelFps = single(Q / 60);
        } else if (unit == "MPS") {
            S.LqdFlowGpm = single(A * (Q * 196.85));
            S.LqdVelFps = single(Q * 3.2808);
        }
        return;
    }
    S.LqdFlowGpm = single(gpm);
    S.LqdVelFps = unit == "GPM" ? single(S.LqdFlowGpm / (D2 * 2.448))
                                : single(S.LqdFlowGpm / A / 60);
}

void modLqdDens() {
    auto& S = shared();
    const std::string unit = upper(S.LqdDensUnit);
    const double d = S.LqdDensityIn;
    if (unit == "LBM/FT^3") {
        S.SpecGravity = single(d / 62.3663);
        S.DensityLbFt3 = d;
    } else if (unit == "KG/M^3") {
        S.SpecGravity = single(d * 0.001);
        S.DensityLbFt3 = d * 0.062428;
    } else if (unit == "GM/CM^3") {
        S.SpecGravity = single(d);
        S.DensityLbFt3 = d * 62.428;
    }
}

void modLqdVisc() {
    auto& S = shared();
    const std::string unit = upper(S.LqdViscUnit);
    const double v = S.LqdViscIn;
    const double SG = S.SpecGravity;
    if (unit == "CENTIPOISE") {
        S.ViscCp = v;
        S.LqdViscFt2s = v / SG * kFt2sPerCst;
    } else if (unit == "CENTISTOKES") {
        S.ViscCp = SG * v;
        S.LqdViscFt2s = v * kFt2sPerCst;
    } else if (unit == "LBM/FT-SEC") {
        S.ViscCp = v * 1488.16;
        S.LqdViscFt2s = (v * 1488.164) / SG * kFt2sPerCst;
    } else if (unit == "FT^2/SEC") {
        S.ViscCp = v * 92903.0436 * SG;
        S.LqdViscFt2s = v;
    } else if (unit == "SSU") {
        S.ViscCp = v / 4.635 * SG;
        S.LqdViscFt2s = v / 4.635 * kFt2sPerCst;
    }
}

}  // namespace quorin
