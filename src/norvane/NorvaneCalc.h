// Averaging-tube (Norvane) sizing: fluid library, line sizes and the flow
// calculation chain.
//
// Like the vortex routines they take no arguments and work on named fields of
// shared(). States and units are compared without regard to case. A state or
// unit that matches no branch leaves the outputs of the fluid, line-size, K
// and B routines unchanged; the gas expansion, velocity and DP routines store
// "Error" (not a number) for a unit or state they cannot serve.
// Arithmetic faults (D = 0, Z = 0, a zero absolute pressure) store the
// non-finite result, which every box and report shows as "Error"; nothing
// stops.
//
// Every per-case routine computes the maximum case, then the minimum, then
// the normal case.
//
// How they chain:
//   modnrvGasCpCvk ─ CpCv, MolW, SpecGrav ─┐
//   modnrvTemp ─ Temp*F, Temp*C ───────────┼─ modnrvDensCalc ─ Dens*, Dens*Kg
//   modnrvPressCalc ─ Press*Psig, *Kg ─────┘
//   modnrvPipeTbl ─ LineId, LineWall, LineOd
//   modnrvFlowCoeK ─ FlowCoe       modnrvBfactor ─ Bfactor
//   modnrvThermExpCor ─ ThermExpCor*
//   modnrvGasExpCor (K, B, CE, density) ─ GasExpCor*
//   modnrvVelFps (D, density) ─ Vel*, VelMps*
//   modnrvDpCalc (K, CE, CY, density) ─ Dp*
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorin {

struct SharedState;

// ---- Fluid states and lists ----------------------------------------------
enum class NrvState { None, Gas, Steam, Liquid };
// "GAS"; "STEAM" or "STEAM (SATURATED)"; "LIQUID" (any case); else None.
NrvState nrvState(std::string_view fluidState);

inline constexpr const char* kNrvSteamFluid = "STEAM (SATURATED)";

// The 23 gas names the fluid list offers, in list order.
const std::vector<std::string>& modnrvAddFluid();
// The flow units offered to `fluidState`, in list order (none for a text
// that is not a state).
const std::vector<std::string>& modnrvAddFlowUnit(std::string_view fluidState);
const std::vector<std::string>& nrvFluidStates();   // "GAS", "STEAM", "LIQUID"
const std::vector<std::string>& nrvTempUnits();     // "deg F", "deg C"
const std::vector<std::string>& nrvPressUnits();    // the eight pressure units
const std::vector<std::string>& nrvLineSizeTexts(); // ".50" ... "72.00"
// The list entry of a nominal line size (".50", "6.00"); a size the list
// lacks in its general form.
std::string nrvLineSizeText(float size);
const std::vector<std::string>& nrvOrientations();  // "HORIZ", "VERT"
const std::vector<std::string>& nrvFlowDirs();      // "UP", "DOWN"

// ---- Fluid properties and conditions -------------------------------------
// FluidState, Fluid -> CpCv, MolW, SpecGrav. A gas the table does not know
// keeps k and MW and asks the screen to select the fluid-state box
// (selectControl hook, "cboFluidState").
void modnrvGasCpCvk();
// An entered MolW -> SpecGrav: a liquid's density relative to water, any
// other state's molecular weight relative to air.
void nrvSpecGravFromMolW();
// TempMax/Norm/Min in TempUnitIn -> Temp*F, Temp*C.
void modnrvTemp();
// PressMax/Norm/Min in PressUnit, BasePress -> Press*Psig, Press*Kg.
void modnrvPressCalc();
// State, SpecGrav, Temp*F, Press*Psig, Comp*, BasePress -> Dens*, Dens*Kg.
// Steam goes through modSteamCalc (overwriting TempDegR, PressPsia and the
// gas/steam density).
void modnrvDensCalc();

// ---- Line sizes ----------------------------------------------------------
// Fills the 31 rows of PipeTbl (the rest stay zero).
void modnrvLoadPipeTbl();
// LineSize -> LineId, LineWall (unchanged for a size without a row), LineOd.
void modnrvPipeTbl();
// LineId, LineWall -> LineOd.
void nrvLineOd();
// Schedule for a nominal size: "40" below 14 inch, "STD" from 14 up.
std::string nrvScheduleFor(float lineSize);

// ---- Flow calculation chain ----------------------------------------------
// LineSize -> FlowCoe. A size below 24 without a row keeps K and asks the
// screen to select the line-size box (selectControl hook, "cboLineSize").
void modnrvFlowCoeK();
// LineId -> Bfactor (kept for D <= 0).
void modnrvBfactor();
// Temp*F -> ThermExpCor*.
void modnrvThermExpCor();
// FlowUnit, flows, K, B, CE, densities, conditions -> GasExpCor*.
void modnrvGasExpCor();
// FlowUnit, flows, LineId, conditions, densities -> Vel*, VelMps*.
void modnrvVelFps();
// FlowUnit, FluidState, flows, K, CE, CY, densities -> Dp*.
void modnrvDpCalc();

// ---- Whole-case steps ----------------------------------------------------
// The start-up values of the screen (the case only, no recalculation).
// `today` is the date text for DateText.
void nrvLoadDefaults(const std::string& today);
// The full recalculation in the order of screen load and file open:
// modnrvGasCpCvk, modnrvFlowCoeK, modnrvBfactor, modnrvTemp,
// modnrvPressCalc, modnrvDensCalc, modnrvThermExpCor, modnrvGasExpCor,
// modnrvVelFps, modnrvDpCalc.
void nrvRecalcAll();
// A new fluid state in FluidState: its fluid, flow unit and defaults, then
// its recalculation. Does nothing for a text that is not a state.
void nrvFluidStateChanged();
// A new flow unit in FlowUnit: base conditions for the unit (0 deg C and
// 14.69947 psia for the metric units, else 60 deg F and 14.696 psia),
// then the recalculation of every case.
void nrvFlowUnitChanged();
// BaseTemp -> BaseTempC; BasePress -> BasePressKg.
void nrvBaseDerived();

// ---- Entries that only change the case when they change it ---------------
// What an entry did to the case.
enum class NrvEntry { Refused, Unchanged, Changed };
// A fluid state typed or picked: a text that is not a state is refused; the
// state the case already has (however spelled) changes nothing; a new one is
// stored as the list spells it and brings its fluid, flow unit and defaults
// (nrvFluidStateChanged).
NrvEntry nrvFluidStateEntered(std::string_view text);
// A nominal line size entered: the size the case already has only checks
// its flow coefficient again (modnrvFlowCoeK), so a typed inside diameter,
// wall, schedule or material stays; a new one brings its pipe
// (nrvLineSizeChanged).
void nrvLineSizeEntered(float size);
// A line orientation chosen: a horizontal line flows "HORIZ"; a vertical one
// flows `listedDir` (the direction list's choice), or "UP" when Enter leads
// into it from a horizontal line.
void nrvLineOrientEntered(const std::string& orientation, const std::string& listedDir,
                          bool byEnter);
// A flow unit chosen: the unit the case already has (any case) changes
// nothing; a new one brings its base conditions (nrvFlowUnitChanged).
NrvEntry nrvFlowUnitEntered(const std::string& unit);

// ---- What an entry recalculates ------------------------------------------
// Each runs the routines an entry of the screen needs, in this order, once
// the entered value is in the case.
// A flow rate: modnrvGasExpCor, modnrvVelFps, modnrvDpCalc.
void nrvFlowRateChanged();
// A temperature or the temperature unit: modnrvTemp, modnrvDensCalc,
// modnrvThermExpCor, modnrvGasExpCor, modnrvVelFps, modnrvDpCalc.
void nrvTempChanged();
// A pressure: modnrvPressCalc, modnrvDensCalc, modnrvGasExpCor,
// modnrvVelFps, modnrvDpCalc.
void nrvPressChanged();
// The pressure unit: as a pressure, with modnrvThermExpCor after the
// densities.
void nrvPressUnitChanged();
// A compressibility: modnrvDensCalc, modnrvGasExpCor, modnrvVelFps,
// modnrvDpCalc.
void nrvCompChanged();
// The fluid: modnrvGasCpCvk, then as a compressibility.
void nrvFluidChanged();
// A new nominal size in LineSize: modnrvPipeTbl, the size's schedule
// (nrvScheduleFor) and material "CS", modnrvFlowCoeK, modnrvBfactor,
// modnrvGasExpCor, modnrvVelFps, modnrvDpCalc.
void nrvLineSizeChanged();
// The inside diameter: nrvLineOd, modnrvBfactor, modnrvGasExpCor,
// modnrvVelFps, modnrvDpCalc. (The wall gives the outside diameter only:
// nrvLineOd.)
void nrvInsideDiameterChanged();
// The molecular weight (a liquid's density): nrvSpecGravFromMolW, then as a
// compressibility.
void nrvMolWeightChanged();
// The base temperature: nrvBaseDerived, modnrvGasExpCor, modnrvVelFps,
// modnrvDpCalc.
void nrvBaseTempChanged();
// The base pressure, the atmosphere of every gauge value: nrvBaseDerived,
// then as a pressure.
void nrvBasePressChanged();
// True when the "1 barrel = 42 US gallons" hint belongs to the unit.
bool nrvShowsBarrelHint(std::string_view flowUnit);

// ---- One operating case --------------------------------------------------
enum class NrvCase { Max, Norm, Min };
// The three cases in the order every routine computes them.
inline constexpr NrvCase kNrvCaseOrder[3] = {NrvCase::Max, NrvCase::Min, NrvCase::Norm};

// The named fields of one case, by reference.
struct NrvCaseFields {
    float& flowRate;
    float& temp;
    float& tempF;
    float& tempC;
    float& press;
    float& pressPsig;
    float& pressKg;
    float& comp;
    double& dens;
    double& densKg;
    double& thermExpCor;
    double& gasExpCor;
    float& vel;
    float& velMps;
    double& dp;
};
NrvCaseFields nrvCase(SharedState& s, NrvCase which);

}  // namespace quorin
