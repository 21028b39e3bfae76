// The steam table tool: saturation data looked up by pressure or temperature
// in a built-in saturated-steam table, and the density of steam at any
// temperature and pressure.
//
// How they chain:
//   fillSteamTable                      SteamTbl rows 1..kSteamTableRows
//   SteamPsia ─ modSteamLookupPsia (clamp 10..700) ─ modPsiaInterp
//                                          -> SteamTempF, SteamDens
//   SteamTempF ─ modSteamLookupTemp (clamp 195..500) ─ modTempInterp
//                                          -> SteamPsia, SteamDens
//   SteamTempF, SteamPsia ─ modSteamDensCalc ─ modSteamCalc -> SteamDens
//                 (overwrites the gas case's PressPsia, TempDegR, density
//                  and viscosity)
//   modRestoreGasCase puts the gas case back from its own entries.
#pragma once

namespace quorin {

// Rows of the saturated-steam table: 10 to 700 psia.
inline constexpr int kSteamTableRows = 247;

// Fills SteamTbl: column 1 pressure (psia), 2 saturation temperature
// (deg F), 3 saturated-vapour density (lb/ft^3), rows 1..kSteamTableRows in
// increasing pressure; every later row is 0.
void fillSteamTable();

// Interpolates linearly in SteamTbl by pressure: SteamPsia (psia) ->
// SteamTempF (deg F), SteamDens (lb/ft^3). The scan stops at the first row
// whose pressure, as a 32-bit value, is above SteamPsia, or at the first
// empty row; at exactly the last pressure the last row is returned.
void modPsiaInterp();
// The same by temperature: SteamTempF (deg F) -> SteamPsia (psia),
// SteamDens (lb/ft^3).
void modTempInterp();

// The saturation temperature (deg F) at `psia`, interpolated in the
// built-in table as modPsiaInterp does; NaN outside 10..700 psia. Writes
// nothing.
float saturationTempF(float psia);

// Lookup by pressure: SteamPsia clamped to 10..700 psia, then
// modPsiaInterp.
void modSteamLookupPsia();
// Lookup by temperature: SteamTempF clamped to 195..500 deg F, then
// modTempInterp.
void modSteamLookupTemp();

// Steam density at any state, no range check: SteamTempF (deg F), SteamPsia
// (psia) -> TempDegR, PressPsia, then modSteamCalc, and SteamDens =
// DensityLbFt3 (lb/ft^3).
void modSteamDensCalc();

// Recomputes the gas/steam case from its own entries after the tool wrote
// over it: modPressure, modTemperature, modCalcDensVisc, modAcfmCalc.
void modRestoreGasCase();

}  // namespace quorin
