// Start-up values of the gas/steam case and the chain that brings every
// derived value in line with the entries.
#include "gas/GasCalc.h"
#include "state/SharedState.h"

namespace quorin {

void loadGasDefaults() {
    auto& S = shared();
    S.CustomerIn = "Quorin Dynarel Inc.";
    S.TagNoIn = "Quorin Vortex Flow Meter";
    S.FlowRateIn = 1600;
    S.FlowUnitIn = "ACFM";
    S.PipeSizeIn = 6;
    S.PipeUnitIn = "INCHES";
    S.PressIn = 0;
    S.PressUnitIn = "PSIG";
    S.AtmoPressIn = 14.696f;
    S.AtmoPressUnitIn = "PSIA";
    S.TempIn = 70;
    S.TempUnitIn = "deg F";
    S.MediaIn = "AIR";
    S.PressRefIn = 14.696f;
    S.PressRefUnitIn = "PSIA";
    S.TempRefIn = 60;
    S.TempRefUnitIn = "deg F";
    // Start-up air constants: they differ from the "AIR" row of the medium
    // table, which applies once a medium is chosen from the list.
    S.AtmoPressPsia = S.PressPsia = S.PressRefPsia = 14.696f;
    S.TempDegR = 529.67f;
    S.TempDegF = 70;
    S.TempRefDegR = 519.67f;
    S.SpecGravity = 1.0f;
    S.ViscCoefA = 3.07f;
    S.ViscCoefB = 0.0172f;
    S.OtherMediaFlag = false;
    S.FlowRangeFlag = S.PressRangeFlag = S.TempRangeFlag = S.ReyRangeFlag = 0;
}

void modGasRecalc() {
    modAtmoPress();
    modPipeSize();
    modPressure();
    modPressureRef();
    modTemperature();
    modTemperatureRef();
    modCalcDensVisc();
    modAcfmCalc();
}

}  // namespace quorin
