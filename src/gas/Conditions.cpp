// Process-condition normalisation: pressures to psia/psig, temperatures to
// deg F/C/R, the pipe entry to inside diameter and flow area.
#include <cmath>

#include "gas/GasCalc.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

namespace {

// psia of an absolute-only pressure entry; false for an unknown unit.
bool absolutePsia(float value, const std::string& unit, double& psia) {
    const std::string u = upper(unit);
    const double v = value;
    if (u == "PSIA") psia = v;
    else if (u == "BAR A") psia = v * 14.5039;
    else if (u == "KG/CM^2 A") psia = v * 14.2235;
    else if (u == "KPA A") psia = v * 0.145038;
    else return false;
    return true;
}

}  // namespace

void modAtmoPress() {
    auto& S = shared();
    double psia;
    if (absolutePsia(S.AtmoPressIn, S.AtmoPressUnitIn, psia))
        S.AtmoPressPsia = single(psia);
}

void modPressureRef() {
    auto& S = shared();
    double psia;
    if (absolutePsia(S.PressRefIn, S.PressRefUnitIn, psia))
        S.PressRefPsia = single(psia);
}

void modPressure() {
    auto& S = shared();
    S.PressUnitUpper = upper(S.PressUnitIn);
    const std::string& u = S.PressUnitUpper;
    const double v = S.PressIn;
    const double a = S.AtmoPressPsia;

    // Gauge units: factor to psi, then add the atmosphere.
    struct Gauge { const char* unit; double factor; };
    static constexpr Gauge kGauge[] = {
        {"PSIG", 1.0},          {"BAR G", 14.5039},
        {"KG/CM^2 G", 14.2235}, {"KPA G", 0.145038},
        {"INCHES H2O G", 0.036127}, {"TORR (MMHG) G", 0.0193368},
    };
    if (u == "PSIA") {
        S.PressPsia = single(v);
        S.PressPsig = single(v - a);
        return;
    }
    for (const Gauge& g : kGauge) {
        if (u == g.unit) {
            const double psig = g.factor == 1.0 ? v : v * g.factor;
            S.PressPsia = single(psig + a);
            S.PressPsig = single(psig);
            return;
        }
    }
    if (u == "BAR A") {
        S.PressPsia = single(v * 14.5039);
        S.PressPsig = single(v * 14.5039 - a);
    }
}

void modTemperature() {
    auto& S = shared();
    const std::string u = upper(S.TempUnitIn);
    const double v = S.TempIn;
    if (u == "DEG F") {
        S.TempDegF = single(v);
        S.TempDegC = single((v - 32) / 1.8);
        S.TempDegR = single(v + 459.67);
    } else if (u == "DEG C") {
        S.TempDegF = single(v * 1.8 + 32);
        S.TempDegC = single(v);
        S.TempDegR = single(double(S.TempDegF) + 459.67);
    } else if (u == "DEG R") {
        S.TempDegF = single(v - 459.67);
        S.TempDegC = single((double(S.TempDegF) - 32) / 1.8);
        S.TempDegR = single(v);
    }
}

void modTemperatureRef() {
    auto& S = shared();
    const std::string u = upper(S.TempRefUnitIn);
    const double v = S.TempRefIn;
    if (u == "DEG F") {
        S.TempRefDegR = single(v + 459.67);
        S.TempRefDegF = single(v);
    } else if (u == "DEG C") {
        S.TempRefDegR = single(v * 1.8 + 32 + 459.67);
        S.TempRefDegF = single(v * 1.8 + 32);
    } else if (u == "DEG R") {
        S.TempRefDegR = single(v);
        S.TempRefDegF = single(v - 459.67);
    }
}

void modPipeSize() {
    auto& S = shared();
    S.PipeUnitUpper = upper(S.PipeUnitIn);
    const std::string& u = S.PipeUnitUpper;
    const double v = S.PipeSizeIn;

    // Length units: the entry is the inside diameter.
    struct Length { const char* unit; double toInches; double toMm; };
    static constexpr Length kLength[] = {
        {"INCHES", 1.0, 0},        // mm from the stored inches
        {"MILLIMETERS", 0.03937, 1.0},
        {"METERS", 39.37, 1000.0},
        {"CENTIMETERS", 0.3937, 10.0},
    };
    for (const Length& l : kLength) {
        if (u != l.unit) continue;
        S.PipeIdIn = single(l.toInches == 1.0 ? v : v * l.toInches);
        if (l.toMm == 0)
            S.PipeIdMm = single(double(S.PipeIdIn) * 25.4);
        else
            S.PipeIdMm = single(l.toMm == 1.0 ? v : v * l.toMm);
        S.PipeAreaSqFt = kPi * std::pow(double(S.PipeIdIn) / 2, 2) / 144;
        return;
    }

    // Area units: the entry is the flow area.
    struct Area { const char* unit; double toSqFt; };
    static constexpr Area kArea[] = {
        {"SQUARE FEET", 1.0},
        {"SQUARE METERS", 10.7639},
        {"SQUARE CENTIMETERS", 0.001076},
        {"SQUARE MILLIMETERS", 1.076e-5},
    };
    for (const Area& a : kArea) {
        if (u != a.unit) continue;
        const double area = a.toSqFt == 1.0 ? v : v * a.toSqFt;
        S.PipeIdIn = single(24 * std::sqrt(area / kPi));
        S.PipeIdMm = single(double(S.PipeIdIn) * 25.4);
        S.PipeAreaSqFt = area;
        return;
    }
}

}  // namespace quorin
