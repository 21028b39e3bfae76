#include "reports/ResultsText.h"

#include <array>
#include <utility>

#include "reports/PrintFile.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

namespace {

// Character columns of the report.
constexpr int kLabel = 2;       // left labels, rule lines
constexpr int kValue = 19;      // left values
constexpr int kTitle = 27;
constexpr int kRightLabel = 47;
constexpr int kRightValue = 65;
constexpr int kMeter = 23;      // meter codes, remarks
constexpr int kMinFlow = 35;    // minimum flows, "Flow Range:"
constexpr int kMaxFlow = 57;

constexpr int kCustomerWidth = 25;



bool listed(const std::string& code) { return !code.empty() && code != "NONE"; }

// The lines every report opens with: four empty lines, the title, a rule.
void heading(PrintWriter& p) {
    for (int k = 0; k < 4; ++k) p.endLine();
    p.tab(kTitle).text("Quorin Flow Meter Sizing Report").endLine();
    p.rule(kLabel);
}

// The rule under the case and the heading of the meter table.
void meterHeading(PrintWriter& p) {
    p.rule(kLabel);
    p.tab(kMeter).text("Recommended").tab(kMinFlow).text("Flow Range:").endLine();
    p.tab(kMeter).text("Meter:").tab(kMinFlow).text("MIN").tab(kMaxFlow).text("MAX").endLine();
}

void leftRow(PrintWriter& p, const char* label, const std::string& value) {
    p.tab(kLabel).text(label).tab(kValue).text(value);
}

void rightRow(PrintWriter& p, const std::string& label, const std::string& value) {
    p.tab(kRightLabel).text(label).tab(kRightValue).text(value);
}

// A flow or velocity of the right column; Format writes "Error" for a value
// that is not finite.
std::string flow00(float value) { return Format(value, "0.00"); }

}  // namespace

std::string gasResultsText(const std::string& today) {
    const auto& S = shared();
    PrintWriter p;
    heading(p);

    const std::string media = S.MediaIn == "OTHER" ? S.OtherMediaName : S.MediaIn;
    leftRow(p, "Date:", today);
    rightRow(p, "Media:", media);
    p.endLine();
    leftRow(p, "Customer:", firstChars(S.CustomerIn, kCustomerWidth));
    rightRow(p, "Density:", Format(S.DensityLbFt3, "0.0###") + "  lbs/cuft");
    p.endLine();
    leftRow(p, "Tag Number:", S.TagNoIn);
    rightRow(p, "Viscosity:", Format(S.ViscLbFtSec, "0.000e+00") + "  lbs/ft.sec");
    p.endLine();
    leftRow(p, "Flow Entered:", Trim(Str(S.FlowRateIn)) + "  " + S.FlowUnitIn);
    p.tab(kRightValue).text(Format(S.ViscCp, "0.0###") + "  Cp").endLine();
    leftRow(p, "Pipe Size:", Trim(Str(S.PipeSizeIn)) + "  " + S.PipeUnitIn);
    p.tab(kRightValue).text(Format(S.ViscCp * 0.001, "0.000e+00") + "  Pa.sec").endLine();
    if (!unitIs(S.PipeUnitIn, "INCHES"))
        p.tab(kValue).text(Format(S.PipeIdIn, "0.0") + "  INCHES").endLine();
    if (!unitIs(S.PipeUnitIn, "MILLIMETERS"))
        p.tab(kValue).text(Format(S.PipeIdMm, "0.0") + "  MM").endLine();
    p.tab(kValue).text(Format(S.PipeAreaSqFt, "0.0###") + "  Area Ft^2").endLine();

    leftRow(p, "Pressure:", Format(S.PressIn, "0.00") + "  " + S.PressUnitIn);
    rightRow(p, "Flow in ACFM:", flow00(S.FlowAcfm));
    p.endLine();
    if (!unitIs(S.PressUnitIn, "PSIG"))
        p.tab(kValue).text(Format(S.PressPsig, "0.0###") + "  PSIG");
    rightRow(p, "Flow in SCFM:", flow00(S.FlowScfm));
    p.endLine();
    p.tab(kValue).text(Format(S.PressPsia, "0.0##") + "  PSIA");
    rightRow(p, "Flow in m^3/hr:", flow00(S.FlowCuMtrHr));
    p.endLine();
    leftRow(p, "Atmo Press:", Format(S.AtmoPressIn, "0.0##") + "  " + S.AtmoPressUnitIn);
    rightRow(p, "Flow in Nm^3/hr:", flow00(S.FlowNmCuMtrHr));
    p.endLine();
    if (!unitIs(S.AtmoPressUnitIn, "PSIA"))
        p.tab(kValue).text(Format(S.AtmoPressPsia, "0.0##") + "  PSIA");
    rightRow(p, "Flow in lbs/min:", flow00(S.FlowPpm));
    p.endLine();
    leftRow(p, "Temperature:", Format(S.TempDegF, "0.0#") + "  deg F");
    rightRow(p, "Flow in lbs/hr:", flow00(S.FlowPph));
    p.endLine();
    p.tab(kValue).text(Format(S.TempDegC, "0.0#") + "  deg C");
    rightRow(p, "Flow in Kg/hr:", flow00(S.FlowKgHr));
    p.endLine();
    leftRow(p, "Pressure Ref:", Format(S.PressRefIn, "0.0##") + "  " + S.PressRefUnitIn);
    rightRow(p, "Velocity in FPS:", flow00(S.VelFps));
    p.endLine();
    if (!unitIs(S.PressRefUnitIn, "PSIA"))
        p.tab(kValue).text(Format(S.PressRefPsia, "0.0##") + "  PSIA");
    rightRow(p, "Velocity in FPM:", flow00(S.VelFpm));
    p.endLine();
    leftRow(p, "Temperature Ref:", Format(S.TempRefDegF, "0.0#") + "  deg F");
    rightRow(p, "Velocity in MPS:", flow00(S.VelMps));
    p.endLine();
    p.tab(kValue).text(Format((double(S.TempRefDegF) - 32) / 1.8, "0.0#") + "  deg C");
    rightRow(p, "Flow in LPM:", flow00(S.FlowLpm));
    p.endLine();

    meterHeading(p);
    for (int slot = 1; slot <= 24; ++slot) {
        if (listed(S.MeterModel[slot])) p.tab(kMeter).text(S.MeterModel[slot]);
        const float lo = S.MinFlowUser[slot - 1], hi = S.MaxFlowUser[slot - 1];
        if (lo != 0 && hi != 0) {
            p.tab(kMinFlow).text(Format(lo, "0.0#") + "  " + S.FlowUnitIn);
            p.tab(kMaxFlow).text(Format(hi, "0.0#") + "  " + S.FlowUnitIn).endLine();
        }
    }
    p.endLine();

    const std::array<std::pair<int16_t, const char*>, 4> remarks = {{
        {S.FlowRangeFlag, "Meter out of Flow Range"},
        {S.TempRangeFlag, "Temperature is out of Range"},
        {S.PressRangeFlag, "Pressure is out of Range"},
        {S.ReyRangeFlag, "Reynolds is out of Range"},
    }};
    for (const auto& [flag, text] : remarks)
        if (flag == 1) p.tab(kMeter).text(text).endLine();
    return p.bytes();
}

std::string liquidResultsText(const std::string& today) {
    const auto& S = shared();
    const std::string squared = kSup2, cubed = kSup3;
    PrintWriter p;
    heading(p);

    leftRow(p, "Date:", today);
    rightRow(p, "Media:", S.MediaIn);
    p.endLine();
    leftRow(p, "Customer:", firstChars(S.CustomerIn, kCustomerWidth));
    rightRow(p, "Density:", Format(S.DensityLbFt3, "0.0###") + "  lbs/cuft");
    p.endLine();
    leftRow(p, "Tag Number:", S.TagNoIn);
    rightRow(p, "Viscosity:", Format(S.ViscCp, "0.0###") + "  cP");
    p.endLine();
    leftRow(p, "Flow Entered:", Trim(Str(S.LqdFlowRateIn)) + "  " + S.LqdFlowUnit);
    p.endLine();

    // The pipe and temperature items follow each other in one statement;
    // each Tab back to a column already passed starts a new line.
    leftRow(p, "CustPipe Size:", Trim(Str(S.PipeSizeIn)) + "  " + S.PipeUnitIn);
    rightRow(p, "Temperature:", Format(S.TempDegF, "0.0#") + "  deg F");
    if (!unitIs(S.PipeUnitIn, "INCHES"))
        p.tab(kValue).text(Format(S.PipeIdIn, "0.0") + "  INCHES");
    p.tab(kRightValue).text(Format(S.TempDegC, "0.0#") + "  deg C");
    if (!unitIs(S.PipeUnitIn, "MILLIMETERS"))
        p.tab(kValue).text(Format(S.PipeIdMm, "0.0") + "  mm");
    p.tab(kValue).text(Format(S.PipeAreaSqFt, "0.0###") + "  Area Ft" + squared).endLine();

    // Products of a non-finite flow, velocity or density are not finite
    // either, so each of these rows reads "Error" where its source does. The
    // stored flow and velocity are written as the 32-bit values they are.
    const double gpm = S.LqdFlowGpm, fps = S.LqdVelFps, rho = S.DensityLbFt3;
    const std::pair<std::string, std::string> rows[] = {
        {"Flow in GPM:", Format(S.LqdFlowGpm, "0.0#")},
        {"Flow in LPM:", Format(gpm * 3.785411784, "0.0#")},
        {"Flow in ft" + cubed + "/min:", Format(gpm * 0.1336805463, "0.0#")},
        {"Flow in m" + cubed + "/hr:", Format(gpm * 0.00378541 * 60, "0.0#")},
        {"Velocity in FPS:", Format(S.LqdVelFps, "0.0#")},
        {"Velocity in FPM:", Format(fps * 60, "0.0#")},
        {"Velocity in MPS:", Format(fps * 0.304804, "0.0#")},
        {"Flow in lb/hr:", Format(gpm * 0.1336805463 * rho * 60, "0.0#")},
        {"Flow in Kg/hr:", Format(gpm / 264.172 * (rho * 16.018) * 60, "0.0#")},
    };
    for (const auto& [label, value] : rows) {
        rightRow(p, label, value);
        p.endLine();
    }

    meterHeading(p);
    for (int slot = 25; slot <= 40; ++slot) {
        if (!listed(S.MeterModel[slot])) continue;
        p.tab(kMeter).text(S.MeterModel[slot]);
        p.tab(kMinFlow).text(Format(S.MinFlowUser[slot - 1], "0.0#") + "  " + S.LqdFlowUnit);
        p.tab(kMaxFlow).text(Format(S.MaxFlowUser[slot - 1], "0.0#") + "  " + S.LqdFlowUnit);
        p.endLine();
    }
    p.endLine();
    return p.bytes();
}

FileError modSaveResults(const std::string& today) {
    return replaceFile(shared().ResultsFileName, gasResultsText(today));
}

FileError modLqdSaveResults(const std::string& today) {
    return replaceFile(shared().LqdResultsFileName, liquidResultsText(today));
}

}  // namespace quorin
