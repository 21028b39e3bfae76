// The process-wide record of the sizing program.
//
// Every screen, calculation routine, report and data file reads and writes the
// same named fields. Field names are the vocabulary of the whole system, so the
// record is flat; comment headings group the fields by workflow.
//
// Types: 32-bit floats are `float`, 64-bit floats `double`, 16-bit flags
// `int16_t` (1 = set), Booleans `bool`, texts `std::string` (UTF-8).
//
// Indexing: catalogue and candidate arrays are indexed by catalogue slot
// (0..40, slot 0 unused). Per-slot result arrays hold 40 entries indexed by
// slot - 1.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorin {

constexpr int kSlots = 40;                   // catalogue slots 1..40
using SlotStrings = std::array<std::string, kSlots + 1>;  // by slot
using SlotFloats = std::array<float, kSlots + 1>;         // by slot
using SlotDoubles = std::array<double, kSlots + 1>;       // by slot
using SlotResults = std::array<float, kSlots>;            // by slot - 1

struct SharedState {
    // ---- Navigation ------------------------------------------------------
    std::string SizingType;  // "GAS", "LIQUID", "NORVANE", "ALL LIQUID"

    // ---- Gas/steam case: entries -----------------------------------------
    std::string CustomerIn;
    std::string TagNoIn;
    float FlowRateIn = 0;
    std::string FlowUnitIn;
    float PipeSizeIn = 0;
    std::string PipeUnitIn;
    float PressIn = 0;
    std::string PressUnitIn;
    float AtmoPressIn = 0;
    std::string AtmoPressUnitIn;
    float PressRefIn = 0;
    std::string PressRefUnitIn;
    float TempIn = 0;
    std::string TempUnitIn;
    float TempRefIn = 0;
    std::string TempRefUnitIn;
    std::string MediaIn;

    // ---- Gas/steam case: working units -----------------------------------
    float FlowAcfm = 0;       // actual ft^3/min
    float PipeIdIn = 0;       // inside diameter, in
    float PipeIdMm = 0;       // inside diameter, mm
    double PipeAreaSqFt = 0;  // flow area, ft^2
    float AtmoPressPsia = 0;
    float PressPsia = 0;
    float PressPsig = 0;
    float PressRefPsia = 0;
    float TempDegF = 0;
    float TempDegC = 0;
    float TempDegR = 0;
    float TempRefDegR = 0;
    float TempRefDegF = 0;
    std::string PressUnitUpper;  // last upper-cased pressure unit
    std::string PipeUnitUpper;   // last upper-cased pipe unit

    // ---- Gas/steam case: medium and properties ---------------------------
    float SpecGravity = 0;     // relative to air (gas), to water (liquid)
    float ViscCoefA = 0;       // 1e-6 lb/(ft s)
    float ViscCoefB = 0;       // 1e-6 lb/(ft s) per deg R
    double DensityLbFt3 = 0;   // lb/ft^3 at operating conditions
    double ViscLbFtSec = 0;    // lb/(ft s)
    double ViscCp = 0;         // cP
    bool OtherMediaFlag = false;

    // ---- Custom gas ------------------------------------------------------
    std::string OtherMediaName;
    double OtherDensIn = 0;
    std::string OtherDensUnit;  // "g/cm^3", "Kg/m^3", "lbm/cuft"
    double OtherViscIn = 0;
    std::string OtherViscUnit;  // "centipoise", "pascal.sec", "lbm/ft.sec"

    // ---- Liquid case -----------------------------------------------------
    // Shares with the gas/steam case: CustomerIn, TagNoIn, MediaIn, the pipe
    // and temperature entries and their working units, SpecGravity,
    // DensityLbFt3 and ViscCp.
    float LqdFlowRateIn = 0;
    std::string LqdFlowUnit;
    float LqdFlowGpm = 0;       // US gal/min
    float LqdVelFps = 0;        // mean pipe velocity, ft/s
    float LqdDensityIn = 0;
    std::string LqdDensUnit;    // "lbm/ft^3", "Kg/m^3", "gm/cm^3"
    double LqdViscIn = 0;
    std::string LqdViscUnit;    // "centipoise", "centistokes", "lbm/ft-sec", "ft^2/sec", "ssu"
    double LqdViscFt2s = 0;     // kinematic viscosity, ft^2/s

    // ---- Liquid back-pressure calculator ---------------------------------
    float VaporPressPsia = 0;
    float BackPressPsig = 0;

    // ---- Steam table tool ----------------------------------------------------
    // SteamTbl[row][column], rows 1..255 (rows after the last filled one are
    // 0), columns 1 pressure (psia), 2 saturation temperature (deg F), 3
    // saturated-vapour density (lb/ft^3); row 0 and column 0 unused.
    std::array<std::array<double, 4>, 256> SteamTbl{};
    float SteamPsia = 0;    // psia
    float SteamTempF = 0;   // deg F
    double SteamDens = 0;   // lb/ft^3

    // ---- Averaging-tube (Norvane) case ----------------------------------
    // One line and three operating cases (maximum, normal, minimum). The
    // temperature unit is the gas/steam case's TempUnitIn.
    std::string Cust;
    std::string CustRef;
    std::string PrepBy;
    std::string DateText;
    std::string TagNo;
    std::string RevNo;
    std::string FluidState;  // "GAS", "STEAM" (or "STEAM (SATURATED)"), "LIQUID"
    std::string Fluid;
    float CpCv = 0;          // ratio of specific heats k
    float MolW = 0;          // gas/steam: molecular weight; liquid: lb/ft^3
    float SpecGrav = 0;      // gas: to air; liquid: to water
    float BasePress = 0;     // psia; also the atmosphere of every gauge value
    float BasePressKg = 0;   // kg/cm^2
    float BaseTemp = 0;      // deg F
    float BaseTempC = 0;     // deg C
    float TempMax = 0, TempNorm = 0, TempMin = 0;      // in TempUnitIn
    float TempMaxF = 0, TempNormF = 0, TempMinF = 0;
    float TempMaxC = 0, TempNormC = 0, TempMinC = 0;
    std::string PressUnit;
    float PressMax = 0, PressNorm = 0, PressMin = 0;   // in PressUnit
    float PressMaxPsig = 0, PressNormPsig = 0, PressMinPsig = 0;
    float PressMaxKg = 0, PressNormKg = 0, PressMinKg = 0;  // kg/cm^2 gauge
    float CompMax = 0, CompNorm = 0, CompMin = 0;      // compressibility Z
    double DensMax = 0, DensNorm = 0, DensMin = 0;     // lb/ft^3
    double DensMaxKg = 0, DensNormKg = 0, DensMinKg = 0;  // kg/m^3
    // Line: PipeTbl[row][column], rows 1..35, columns 1 nominal size, 2
    // inside diameter, 3 wall (inches); row 0 and column 0 unused.
    std::array<std::array<float, 4>, 36> PipeTbl{};
    float LineSize = 0;      // nominal, in
    std::string LineSch;
    std::string LineMat;
    float LineId = 0;        // D, in
    float LineWall = 0;
    float LineOd = 0;
    std::string LineOrient;  // "HORIZ", "VERT"
    std::string FlowDir;     // "HORIZ", "UP", "DOWN"
    std::string FlowUnit;
    float FlowRateMax = 0, FlowRateNorm = 0, FlowRateMin = 0;
    // Results
    double FlowCoe = 0;      // K
    double Bfactor = 0;      // B
    double ThermExpCorMax = 0, ThermExpCorNorm = 0, ThermExpCorMin = 0;  // CE
    double GasExpCorMax = 0, GasExpCorNorm = 0, GasExpCorMin = 0;        // CY
    float VelMax = 0, VelNorm = 0, VelMin = 0;           // ft/s
    float VelMpsMax = 0, VelMpsNorm = 0, VelMpsMin = 0;  // m/s
    double DpMax = 0, DpNorm = 0, DpMin = 0;             // inches W.C.
    std::string TubeDataFile;  // last data file
    std::string TubeTextFile;  // last text report

    // ---- Unit converter ------------------------------------------------------
    float ConvInput = 0;
    std::string ConvParam;

    // ---- Pipe chart ----------------------------------------------------------
    std::string PipeChartSize;
    float PipeChartId = 0, PipeChartOd = 0, PipeChartWall = 0;

    // ---- Files: the paths chosen in the last file dialogs ---------------
    std::string InputFileName;       // gas/steam case file
    std::string LqdInputFileName;    // liquid case file
    std::string ResultsFileName;     // gas/steam results text file
    std::string LqdResultsFileName;  // liquid results text file

    // ---- Reynolds-number routine -----------------------------------------
    float ReyVelFps = 0;   // ft/s
    double ReyDimFt = 0;   // characteristic length, ft
    float ReynoldsNo = 0;

    // ---- Meter catalogue (by slot) ---------------------------------------
    SlotStrings MeterCode{};
    SlotFloats MeterBore{};     // ft for gas slots, in for liquid slots
    SlotDoubles ShedderWidth{}; // ft
    SlotFloats MeterMinFlow{};
    SlotFloats MeterMaxFlow{};
    SlotFloats MeterMinSteam{};
    SlotFloats MeterMaxSteam{};
    SlotFloats MeterLqdRey{};
    SlotFloats MeterNomSizeIn{};
    SlotFloats MeterNomSizeMm{};

    // ---- Selection: candidates (by slot) and ranges (by slot - 1) --------
    SlotStrings MeterModel{};
    SlotResults FlowUnitFactor{};
    SlotResults MaxFlowReyAcfm{};
    SlotResults MaxVelReyFpm{};
    SlotResults MinFlowUser{};
    SlotResults MaxFlowUser{};
    SlotResults OperReynolds{};
    SlotResults RangeMinVelFps{};   // liquid: Reynolds-limited velocity, ft/s
    SlotResults RangeMinGpm{};      // liquid: Reynolds-limited flow, GPM
    SlotResults ChartMinFlowGpm{};  // liquid range chart, GPM
    SlotResults ChartMaxFlowGpm{};
    int16_t FlowRangeFlag = 0;
    int16_t PressRangeFlag = 0;
    int16_t TempRangeFlag = 0;
    int16_t ReyRangeFlag = 0;
};

// The one record of the running program.
SharedState& shared();

}  // namespace quorin
