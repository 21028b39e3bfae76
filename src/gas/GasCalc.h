// Gas/steam calculation routines.
//
// Every routine takes no arguments and returns nothing: it reads and writes
// named fields of shared(). Arithmetic is done in double and rounded to float
// where the field is 32-bit. Arithmetic faults never stop a routine: they
// store an infinity or NaN and the routine goes on (the one exception is
// modAcfmCalc, which reports the fault through the message hook).
//
// How they chain:
//   entries ─ modAtmoPress ─ modPressure ─┐
//             modPressureRef              ├─ modCalcDensVisc (modSteamCalc)
//             modTemperature ─────────────┤        │
//             modTemperatureRef           │        ▼
//             modPipeSize ────────────────┴──── modAcfmCalc ─ FlowAcfm
//   modMediaIn sets the medium constants, then runs modCalcDensVisc.
//   modMeterSpecs fills the catalogue (slot 9 depends on PressPsig).
//   modGasSelection: reset, modMeterSpecs, modMeterID, modMeterNotSteam,
//     modMeterTemp, modMeterFlow, modMeterMinMax, modMeterReyCalc.
#pragma once

#include <string>
#include <vector>

namespace quorin {

// ---- Process conditions --------------------------------------------------
// AtmoPressIn, AtmoPressUnitIn -> AtmoPressPsia (psia).
void modAtmoPress();
// PressIn, PressUnitIn, AtmoPressPsia -> PressPsia, PressPsig, PressUnitUpper.
void modPressure();
// PressRefIn, PressRefUnitIn -> PressRefPsia.
void modPressureRef();
// TempIn, TempUnitIn -> TempDegF, TempDegC, TempDegR.
void modTemperature();
// TempRefIn, TempRefUnitIn -> TempRefDegR, TempRefDegF.
void modTemperatureRef();
// PipeSizeIn, PipeUnitIn -> PipeIdIn (in), PipeIdMm, PipeAreaSqFt (ft^2),
// PipeUnitUpper.
void modPipeSize();

// ---- Media and properties ------------------------------------------------
// MediaIn -> OtherMediaFlag, SpecGravity, ViscCoefA, ViscCoefB, and the
// properties through modSteamCalc / modCalcDensVisc. "OTHER" asks the
// custom-gas hook instead.
void modMediaIn();
// MediaIn, PressPsia, TempDegR, SpecGravity, ViscCoefA, ViscCoefB ->
// DensityLbFt3 (lb/ft^3), ViscLbFtSec (lb/(ft s)), ViscCp (cP).
void modCalcDensVisc();
// Saturated/superheated steam density from the IFC-67 sub-region 2 equation:
// PressPsia, TempDegR, ViscCoefA, ViscCoefB -> DensityLbFt3, ViscLbFtSec,
// ViscCp.
void modSteamCalc();

// ---- Flow and Reynolds number --------------------------------------------
// FlowRateIn, FlowUnitIn, pressures, temperatures, DensityLbFt3,
// PipeAreaSqFt -> FlowAcfm (ft^3/min). A division by zero or an overflow
// stores the non-finite result and shows "Error:  " + description.
void modAcfmCalc();
// ReyVelFps (ft/s), DensityLbFt3, ReyDimFt (ft), ViscLbFtSec -> ReynoldsNo.
void modReynolds();

// ---- Meter catalogue and selection ---------------------------------------
// PressPsig -> the catalogue arrays of every slot.
void modMeterSpecs();
// A model of the catalogue as the Reynolds-number checks see it: its slot
// and code, its bore and shedder width in ft (bore 0 for an insertion
// meter, which sees the line velocity) and the lowest Reynolds number it
// measures (0 where the catalogue states none).
struct CatalogueModel {
    int slot;
    const char* code;
    double boreFt, shedderFt, minReynolds;
};
// Every model of the catalogue, gas/steam slots first; writes nothing.
const std::vector<CatalogueModel>& catalogueModels();
// PipeIdIn, MediaIn -> MeterModel of slots 1 and 3 to 9.
void modMeterID();
// Removes the gas insertion meter (slot 8) for saturated steam.
void modMeterNotSteam();
// Removes "QNG" below -40 or above 300 deg F.
void modMeterTemp();
// Removes the candidates whose flow window does not hold FlowAcfm.
void modMeterFlow();
// Ranges of the remaining candidates in the user's flow unit.
void modMeterMinMax();
// OperReynolds of slots 1 to 24 at the operating flow.
void modMeterReyCalc();
// The whole Find Meter selection, steps in order.
void modGasSelection();

// ---- Start-up values -----------------------------------------------------
// The entries and air constants the gas/steam screen starts with; also
// clears OtherMediaFlag and the four range flags.
void loadGasDefaults();
// Every conversion after the entries changed as a whole (start-up, Set
// Defaults, a case file): modAtmoPress, modPipeSize, modPressure,
// modPressureRef, modTemperature, modTemperatureRef, modCalcDensVisc,
// modAcfmCalc.
void modGasRecalc();

// ---- User-defined gas ("OTHER") -----------------------------------------
// The custom-gas dialog runs these; "OTHER" never runs modCalcDensVisc from
// modMediaIn, so their results stand until the next pressure or temperature
// edit. Units are compared upper-cased; a unit that matches none changes
// nothing.
// OtherDensIn in OtherDensUnit ("lbm/cuft", "Kg/m^3", "g/cm^3"), PressPsia,
// TempDegR -> DensityLbFt3 (lb/ft^3), SpecGravity (ideal-gas ratio to air).
void modOtherDensCalc();
// OtherViscIn in OtherViscUnit ("lbm/ft.sec", "centipoise", "pascal.sec") ->
// ViscLbFtSec (lb/(ft s)), ViscCp (cP), and ViscCoefA = ViscLbFtSec * 1e6,
// ViscCoefB = 0 so that later recalculation keeps the entered viscosity.
void modOtherViscCalc();
// A specific gravity entered directly: PressPsia, SpecGravity, TempDegR ->
// DensityLbFt3 (lb/ft^3).
void modOtherSgDensity();
// Viscosity coefficients entered directly: ViscCoefA, ViscCoefB (1e-6
// lb/(ft s), per deg R), TempDegR -> ViscLbFtSec, ViscCp.
void modOtherViscCoefs();

// The Reynolds-number ceiling of a wafer meter: 50000 for the half-inch
// bodies, 100000 for every other model.
inline double reynoldsCeiling(const std::string& code) {
    return code == "QWG05" || code == "QWBG05" || code == "QWS05" ? 50000 : 100000;
}

// Constants shared by several routines.
inline constexpr double kPi = 3.14159265359;
inline constexpr double kCpPerLbFtSec = 1488.1617;
inline constexpr const char* kSteamSaturated = "STEAM (SATURATED)";

}  // namespace quorin
