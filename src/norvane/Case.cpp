// The averaging-tube case as a whole: its start-up values, the full
// recalculation, the changes of fluid state and flow unit that bring their
// own defaults, and what each entry of the screen recalculates.
#include "norvane/NorvaneCalc.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

NrvCaseFields nrvCase(SharedState& s, NrvCase which) {
    switch (which) {
        case NrvCase::Max:
            return {s.FlowRateMax, s.TempMax,        s.TempMaxF,       s.TempMaxC,
                    s.PressMax,    s.PressMaxPsig,   s.PressMaxKg,     s.CompMax,
                    s.DensMax,     s.DensMaxKg,      s.ThermExpCorMax, s.GasExpCorMax,
                    s.VelMax,      s.VelMpsMax,      s.DpMax};
        case NrvCase::Norm:
            return {s.FlowRateNorm, s.TempNorm,        s.TempNormF,       s.TempNormC,
                    s.PressNorm,    s.PressNormPsig,   s.PressNormKg,     s.CompNorm,
                    s.DensNorm,     s.DensNormKg,      s.ThermExpCorNorm, s.GasExpCorNorm,
                    s.VelNorm,      s.VelMpsNorm,      s.DpNorm};
        case NrvCase::Min: break;
    }
    return {s.FlowRateMin, s.TempMin,        s.TempMinF,       s.TempMinC,
            s.PressMin,    s.PressMinPsig,   s.PressMinKg,     s.CompMin,
            s.DensMin,     s.DensMinKg,      s.ThermExpCorMin, s.GasExpCorMin,
            s.VelMin,      s.VelMpsMin,      s.DpMin};
}

void nrvBaseDerived() {
    auto& S = shared();
    S.BaseTempC = single((double(S.BaseTemp) - 32) / 1.8);
    S.BasePressKg = single(double(S.BasePress) * 0.07031);
}

namespace {

// The base conditions that belong to a flow unit: 0 deg C and 14.69947 psia
// for the metric units, 60 deg F and 14.696 psia for the others.
void baseConditionsForUnit() {
    auto& S = shared();
    const bool metric = unitIs(S.FlowUnit, "NM3/HR") || unitIs(S.FlowUnit, "M3/HR") ||
                        unitIs(S.FlowUnit, "KG/HR");
    S.BaseTemp = metric ? 32.0f : 60.0f;
    S.BasePress = metric ? 14.69947f : 14.696f;
    nrvBaseDerived();
}

void forEachCase(void (*apply)(NrvCaseFields&)) {
    for (NrvCase which : kNrvCaseOrder) {
        NrvCaseFields c = nrvCase(shared(), which);
        apply(c);
    }
}

// The pressure that means 0 psig in the current pressure unit: the base
// pressure in the absolute units, 0 in the gauge ones.
float zeroGauge() {
    const auto& S = shared();
    if (unitIs(S.PressUnit, "PSIA")) return S.BasePress;
    if (unitIs(S.PressUnit, "BAR A")) return single(double(S.BasePress) / 14.504);
    return 0;
}

}  // namespace

void nrvLoadDefaults(const std::string& today) {
    auto& S = shared();
    S.Cust = "Quorin Dynarel Inc.";
    S.CustRef = "Norvane";
    S.PrepBy = " - ";
    S.RevNo = " - ";
    S.TagNo = "Quorin Norvane";
    S.DateText = today;
    S.Fluid = "AIR";
    S.FluidState = "GAS";
    S.LineSize = 6;
    S.LineSch = "40";
    S.LineMat = "CS";
    S.LineId = 6.065f;
    S.LineWall = 0.28f;
    S.LineOd = 6.625f;
    S.LineOrient = "HORIZ";
    S.FlowDir = "HORIZ";
    S.MolW = 28.964f;
    S.BaseTemp = 60;
    S.BasePress = 14.696f;
    nrvBaseDerived();
    S.FlowUnit = "ACFM";
    S.TempUnitIn = "deg F";
    S.PressUnit = "PSIG";
    forEachCase([](NrvCaseFields& c) {
        c.flowRate = 1000;
        c.temp = 70;
        c.press = 10;
        c.comp = 1;
    });
}

namespace {

// Velocities and differential pressures from the expansion correction on.
void flowFromExpansion() {
    modnrvGasExpCor();
    modnrvVelFps();
    modnrvDpCalc();
}

// Every case from its conditions on: temperatures, pressures, densities, CE,
// CY, velocities, DP.
void recalcFromConditions() {
    modnrvTemp();
    nrvPressUnitChanged();
}

}  // namespace

void nrvRecalcAll() {
    modnrvGasCpCvk();
    modnrvFlowCoeK();
    modnrvBfactor();
    recalcFromConditions();
}

void nrvFluidStateChanged() {
    auto& S = shared();
    switch (nrvState(S.FluidState)) {
        case NrvState::Gas:
            S.Fluid = "AIR";
            S.FlowUnit = "ACFM";
            break;
        case NrvState::Steam:
            S.Fluid = kNrvSteamFluid;
            S.FlowUnit = "PPH";
            break;
        case NrvState::Liquid:
            S.Fluid = "WATER";
            S.FlowUnit = "GPM";
            S.MolW = 62.371f;
            break;
        case NrvState::None: return;
    }
    baseConditionsForUnit();
    if (nrvState(S.FluidState) == NrvState::Steam) {
        const float zero = zeroGauge();
        for (NrvCase which : kNrvCaseOrder) {
            NrvCaseFields c = nrvCase(S, which);
            c.flowRate = 2000;
            c.temp = 212;
            c.press = zero;
        }
    }
    modnrvGasCpCvk();
    recalcFromConditions();
}

void nrvFlowUnitChanged() {
    baseConditionsForUnit();
    // The base pressure is the atmosphere of every gauge value.
    nrvPressChanged();
}

void nrvFlowRateChanged() { flowFromExpansion(); }

void nrvTempChanged() {
    modnrvTemp();
    modnrvDensCalc();
    modnrvThermExpCor();
    flowFromExpansion();
}

void nrvPressChanged() {
    modnrvPressCalc();
    nrvCompChanged();
}

void nrvPressUnitChanged() {
    modnrvPressCalc();
    modnrvDensCalc();
    modnrvThermExpCor();
    flowFromExpansion();
}

void nrvCompChanged() {
    modnrvDensCalc();
    flowFromExpansion();
}

void nrvFluidChanged() {
    modnrvGasCpCvk();
    nrvCompChanged();
}

void nrvLineSizeChanged() {
    auto& S = shared();
    modnrvPipeTbl();
    S.LineSch = nrvScheduleFor(S.LineSize);
    S.LineMat = "CS";
    modnrvFlowCoeK();
    modnrvBfactor();
    flowFromExpansion();
}

void nrvInsideDiameterChanged() {
    nrvLineOd();
    modnrvBfactor();
    flowFromExpansion();
}

void nrvMolWeightChanged() {
    nrvSpecGravFromMolW();
    nrvCompChanged();
}

void nrvBaseTempChanged() {
    nrvBaseDerived();
    flowFromExpansion();
}

void nrvBasePressChanged() {
    nrvBaseDerived();
    nrvPressChanged();
}

NrvEntry nrvFluidStateEntered(std::string_view text) {
    auto& S = shared();
    const NrvState state = nrvState(text);
    if (state == NrvState::None) return NrvEntry::Refused;
    if (state == nrvState(S.FluidState)) return NrvEntry::Unchanged;
    S.FluidState = nrvFluidStates()[state == NrvState::Gas ? 0 : state == NrvState::Steam ? 1 : 2];
    nrvFluidStateChanged();
    return NrvEntry::Changed;
}

void nrvLineSizeEntered(float size) {
    auto& S = shared();
    if (size == S.LineSize) {
        modnrvFlowCoeK();
        return;
    }
    S.LineSize = size;
    nrvLineSizeChanged();
}

void nrvLineOrientEntered(const std::string& orientation, const std::string& listedDir,
                          bool byEnter) {
    auto& S = shared();
    const bool wasVertical = unitIs(S.LineOrient, "VERT");
    S.LineOrient = orientation;
    if (!unitIs(S.LineOrient, "VERT")) S.FlowDir = "HORIZ";
    else S.FlowDir = byEnter && !wasVertical ? "UP" : listedDir;
}

NrvEntry nrvFlowUnitEntered(const std::string& unit) {
    auto& S = shared();
    if (upper(unit) == upper(S.FlowUnit)) return NrvEntry::Unchanged;
    S.FlowUnit = unit;
    nrvFlowUnitChanged();
    return NrvEntry::Changed;
}

bool nrvShowsBarrelHint(std::string_view flowUnit) { return unitIs(flowUnit, "BBL/DAY"); }

}  // namespace quorin
