// Liquid calculation routines.
//
// Like the gas/steam routines they take no arguments and work on named
// fields of shared(); units are compared upper-cased, and a unit that
// matches no branch leaves every output unchanged. Arithmetic faults store
// the non-finite result and the routine goes on.
//
// How they chain:
//   modLqdDens ─ SpecGravity, DensityLbFt3 ─┬─ modLqdGpmCalc (mass units)
//                                           └─ modLqdVisc (dynamic <-> kinematic)
//   modPipeSize ─ PipeIdIn ─ modLqdGpmCalc ─ LqdFlowGpm, LqdVelFps
//   modLqdSelection: reset slots 25..40, modMeterSpecs, modLqdLowCalc,
//     modLqdFlowSel, modLqdTempSel, modLqdPipeSel.
#pragma once

namespace quorin {

// ---- Conversions ---------------------------------------------------------
// LqdFlowRateIn in LqdFlowUnit, PipeIdIn, DensityLbFt3 -> LqdFlowGpm (US
// gal/min), LqdVelFps (ft/s).
void modLqdGpmCalc();
// LqdDensityIn in LqdDensUnit -> SpecGravity (to water), DensityLbFt3.
void modLqdDens();
// LqdViscIn in LqdViscUnit, SpecGravity -> ViscCp (cP), LqdViscFt2s (ft^2/s).
void modLqdVisc();

// ---- Selection -----------------------------------------------------------
// Flow ranges of slots 25..40 in the user's flow unit (FlowUnitFactor,
// RangeMinVelFps, RangeMinGpm, MinFlowUser, MaxFlowUser); the insertion
// slot 33 takes the pipe's own diameter from 3 in up.
void modLqdLowCalc();
// Gives the model code to each slot whose flow (velocity for QNL) test holds.
void modLqdFlowSel();
// Removes the codes above 200 deg F (slots 25..32) or 300 deg F (33..40).
void modLqdTempSel();
// Removes the codes whose pipe-diameter band does not hold PipeIdIn.
void modLqdPipeSel();
// Sets slots 25..40 to "NONE" with zero ranges (and zero chart ranges).
void resetLiquidSlots();
// The whole Find Meter selection, steps in order.
void modLqdSelection();

// ---- Start-up values -----------------------------------------------------
// The entries the liquid screen starts with. At load the customer is
// "Customer"; Set Defaults (`setDefaults`) stores "Quorin Dynarel Inc.".
void loadLiquidDefaults(bool setDefaults);
// Every conversion after the entries changed as a whole (start-up, Set
// Defaults, a case file): modLqdDens, modPipeSize, modLqdGpmCalc,
// modTemperature, modLqdVisc.
void modLqdRecalc();

// ---- Back-pressure calculator --------------------------------------------
// VaporPressPsia -> BackPressPsig: 12 psi plus the vapour pressure less the
// standard atmosphere, never below 5 psig.
void modBackPressure();

}  // namespace quorin
