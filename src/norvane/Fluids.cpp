// Averaging-tube fluid library: the fluid states, the gas table, the flow,
// temperature and pressure units, the entered conditions in working units and
// the density of each operating case.
#include <array>

#include "gas/GasCalc.h"
#include "norvane/NorvaneCalc.h"
#include "state/Hooks.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

namespace {

struct GasRow {
    const char* name;
    float k;
    float mw;
};

// The gases the fluid list offers, in list order.
constexpr std::array<GasRow, 23> kGasList{{
    {"AIR", 1.4f, 28.964f},
    {"ACETYLENE", 1.3f, 26.27f},
    {"AMMONIA", 1.32f, 17.263f},
    {"ARGON", 1.67f, 39.948f},
    {"n-BUTANE", 1.11f, 58.123f},
    {"CARBON DIOXIDE", 1.3f, 44.01f},
    {"CARBON MONOXIDE", 1.4f, 28.01f},
    {"CHLORINE", 1.33f, 70.906f},
    {"ETHANE", 1.22f, 30.07f},
    {"ETHYLENE", 1.22f, 28.054f},
    {"HELIUM", 1.66f, 4.003f},
    {"HYDROGEN CHLORIDE", 1.41f, 36.461f},
    {"HYDROGEN", 1.41f, 2.016f},
    {"HYDROGEN SULPHIDE", 1.3f, 34.082f},
    {"METHANE", 1.32f, 16.043f},
    {"NATURAL GAS", 1.27f, 19.5f},
    {"NITROUS OXIDE", 1.31f, 44.013f},
    {"NITRIC OXIDE", 1.4f, 30.006f},
    {"NITROGEN", 1.41f, 28.013f},
    {"OXYGEN", 1.4f, 31.999f},
    {"PROPANE", 1.15f, 44.097f},
    {"PROPENE PROPYLENE", 1.14f, 42.081f},
    {"SULFUR DIOXIDE", 1.26f, 64.065f},
}};

// A gas the list does not offer but the lookup knows when it is typed.
constexpr GasRow kMethylChloride{"METHYL CHLORIDE", 1.2f, 50.488f};

constexpr double kAirMw = 28.964;
constexpr double kWaterLbFt3 = 62.371;
constexpr double kKgM3PerLbFt3 = 16.01819;
constexpr double kPsiPerKgCm2 = 14.22365;

const GasRow* findGas(const std::string& fluid) {
    const std::string wanted = upper(fluid);
    for (const GasRow& g : kGasList)
        if (upper(g.name) == wanted) return &g;
    if (wanted == kMethylChloride.name) return &kMethylChloride;
    return nullptr;
}

std::vector<std::string> names(std::initializer_list<const char*> list) {
    return {list.begin(), list.end()};
}

}  // namespace

NrvState nrvState(std::string_view fluidState) {
    const std::string s = upper(fluidState);
    if (s == "GAS") return NrvState::Gas;
    if (s == "STEAM" || s == "STEAM (SATURATED)") return NrvState::Steam;
    if (s == "LIQUID") return NrvState::Liquid;
    return NrvState::None;
}

const std::vector<std::string>& modnrvAddFluid() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> v;
        for (const GasRow& g : kGasList) v.emplace_back(g.name);
        return v;
    }();
    return list;
}

const std::vector<std::string>& modnrvAddFlowUnit(std::string_view fluidState) {
    static const auto gas =
        names({"ACFM", "ACFH", "SCFM", "SCFH", "m3/hr", "Nm3/hr", "PPH", "Kg/hr"});
    static const auto steam = names({"PPH", "Kg/hr"});
    static const auto liquid = names({"GPM", "LPM", "m3/hr", "PPH", "Kg/hr", "bbl/day"});
    static const std::vector<std::string> none;
    switch (nrvState(fluidState)) {
        case NrvState::Gas: return gas;
        case NrvState::Steam: return steam;
        case NrvState::Liquid: return liquid;
        case NrvState::None: break;
    }
    return none;
}

const std::vector<std::string>& nrvFluidStates() {
    static const auto list = names({"GAS", "STEAM", "LIQUID"});
    return list;
}

const std::vector<std::string>& nrvTempUnits() {
    static const auto list = names({"deg F", "deg C"});
    return list;
}

const std::vector<std::string>& nrvPressUnits() {
    static const auto list = names({"PSIG", "PSIA", "BAR G", "Kg/cm^2 G", "KPa G",
                                    "INCHES H2O G", "TORR (mmHg) G", "BAR A"});
    return list;
}

const std::vector<std::string>& nrvOrientations() {
    static const auto list = names({"HORIZ", "VERT"});
    return list;
}

const std::vector<std::string>& nrvFlowDirs() {
    static const auto list = names({"UP", "DOWN"});
    return list;
}

void modnrvGasCpCvk() {
    auto& S = shared();
    switch (nrvState(S.FluidState)) {
        case NrvState::Gas:
            if (const GasRow* g = findGas(S.Fluid)) {
                S.CpCv = g->k;
                S.MolW = g->mw;
            } else {
                selectControl("cboFluidState");
            }
            S.SpecGrav = single(double(S.MolW) / kAirMw);
            break;
        case NrvState::Steam:
            S.CpCv = 1.3f;
            S.MolW = 18.015f;
            break;
        case NrvState::Liquid:
            S.SpecGrav = single(double(S.MolW) / kWaterLbFt3);
            break;
        case NrvState::None: break;
    }
}

void nrvSpecGravFromMolW() {
    auto& S = shared();
    const bool liquid = nrvState(S.FluidState) == NrvState::Liquid;
    S.SpecGrav = single(double(S.MolW) / (liquid ? kWaterLbFt3 : kAirMw));
}

void modnrvTemp() {
    auto& S = shared();
    const bool degF = unitIs(S.TempUnitIn, "DEG F");
    const bool degC = unitIs(S.TempUnitIn, "DEG C");
    if (!degF && !degC) return;
    for (NrvCase which : kNrvCaseOrder) {
        NrvCaseFields c = nrvCase(S, which);
        if (degF) {
            c.tempF = c.temp;
            c.tempC = single((double(c.tempF) - 32) / 1.8);
        } else {
            c.tempC = c.temp;
            c.tempF = single(double(c.tempC) * 1.8 + 32);
        }
    }
}

void modnrvPressCalc() {
    auto& S = shared();
    const std::string unit = upper(S.PressUnit);
    const double pb = S.BasePress;
    for (NrvCase which : kNrvCaseOrder) {
        NrvCaseFields c = nrvCase(S, which);
        const double p = c.press;
        double psig, kg;
        if (unit == "PSIG") {
            psig = p;
            kg = single(psig) / kPsiPerKgCm2;
        } else if (unit == "PSIA") {
            psig = p - pb;
            kg = single(psig) / kPsiPerKgCm2;
        } else if (unit == "BAR G") {
            psig = p * 14.504;
            kg = p / 0.9806;
        } else if (unit == "KG/CM^2 G") {
            psig = p * kPsiPerKgCm2;
            kg = p;
        } else if (unit == "KPA G") {
            psig = p * 0.14504;
            kg = p / 98.06;
        } else if (unit == "INCHES H2O G") {
            psig = p * 0.036127;
            kg = p / 393.7;
        } else if (unit == "TORR (MMHG) G") {
            psig = p * 0.019337;
            kg = p / 735.5;
        } else if (unit == "BAR A") {
            psig = p * 14.504 - pb;
            kg = single(psig) / kPsiPerKgCm2;
        } else {
            return;
        }
        c.pressPsig = single(psig);
        c.pressKg = single(kg);
    }
}

void modnrvDensCalc() {
    auto& S = shared();
    const NrvState state = nrvState(S.FluidState);
    if (state == NrvState::None) return;
    // Maximum, normal, minimum: steam leaves the gas/steam fields at the
    // minimum case.
    for (NrvCase which : {NrvCase::Max, NrvCase::Norm, NrvCase::Min}) {
        NrvCaseFields c = nrvCase(S, which);
        switch (state) {
            case NrvState::Gas:
                c.dens = 2.6988 * double(S.SpecGrav) *
                         (double(S.BasePress) + double(c.pressPsig)) /
                         ((double(c.tempF) + 459.67) * double(c.comp));
                break;
            case NrvState::Steam:
                S.TempDegR = single(double(c.tempF) + 459.67);
                S.PressPsia = single(double(S.BasePress) + double(c.pressPsig));
                modSteamCalc();
                c.dens = S.DensityLbFt3;
                break;
            case NrvState::Liquid:
                c.dens = double(S.SpecGrav) * kWaterLbFt3;
                break;
            case NrvState::None: break;
        }
        c.densKg = c.dens * kKgM3PerLbFt3;
    }
}

}  // namespace quorin
