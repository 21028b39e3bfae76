#include "reports/ResultsText.h"

#include <array>
#include <utility>

#include "gas/Results.h"
#include "liquid/Results.h"
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

std::string gasResultsText(const GasResultsView& v, const std::string& today) {
    PrintWriter p;
    heading(p);

    const std::string media = v.MediaIn == "OTHER" ? v.OtherMediaName : v.MediaIn;
    leftRow(p, "Date:", today);
    rightRow(p, "Media:", media);
    p.endLine();
    leftRow(p, "Customer:", firstChars(v.CustomerIn, kCustomerWidth));
    rightRow(p, "Density:", Format(v.DensityLbFt3, "0.0###") + "  lbs/cuft");
    p.endLine();
    leftRow(p, "Tag Number:", v.TagNoIn);
    rightRow(p, "Viscosity:", Format(v.ViscLbFtSec, "0.000e+00") + "  lbs/ft.sec");
    p.endLine();
    leftRow(p, "Flow Entered:", Trim(Str(v.FlowRateIn)) + "  " + v.FlowUnitIn);
    p.tab(kRightValue).text(Format(v.ViscCp, "0.0###") + "  Cp").endLine();
    leftRow(p, "Pipe Size:", Trim(Str(v.PipeSizeIn)) + "  " + v.PipeUnitIn);
    p.tab(kRightValue).text(Format(v.ViscCp * 0.001, "0.000e+00") + "  Pa.sec").endLine();
    if (!unitIs(v.PipeUnitIn, "INCHES"))
        p.tab(kValue).text(Format(v.PipeIdIn, "0.0") + "  INCHES").endLine();
    if (!unitIs(v.PipeUnitIn, "MILLIMETERS"))
        p.tab(kValue).text(Format(v.PipeIdMm, "0.0") + "  MM").endLine();
    p.tab(kValue).text(Format(v.PipeAreaSqFt, "0.0###") + "  Area Ft^2").endLine();

    leftRow(p, "Pressure:", Format(v.PressIn, "0.00") + "  " + v.PressUnitIn);
    rightRow(p, "Flow in ACFM:", flow00(v.FlowAcfm));
    p.endLine();
    if (!unitIs(v.PressUnitIn, "PSIG"))
        p.tab(kValue).text(Format(v.PressPsig, "0.0###") + "  PSIG");
    rightRow(p, "Flow in SCFM:", flow00(v.FlowScfm));
    p.endLine();
    p.tab(kValue).text(Format(v.PressPsia, "0.0##") + "  PSIA");
    rightRow(p, "Flow in m^3/hr:", flow00(v.FlowCuMtrHr));
    p.endLine();
    leftRow(p, "Atmo Press:", Format(v.AtmoPressIn, "0.0##") + "  " + v.AtmoPressUnitIn);
    rightRow(p, "Flow in Nm^3/hr:", flow00(v.FlowNmCuMtrHr));
    p.endLine();
    if (!unitIs(v.AtmoPressUnitIn, "PSIA"))
        p.tab(kValue).text(Format(v.AtmoPressPsia, "0.0##") + "  PSIA");
    rightRow(p, "Flow in lbs/min:", flow00(v.FlowPpm));
    p.endLine();
    leftRow(p, "Temperature:", Format(v.TempDegF, "0.0#") + "  deg F");
    rightRow(p, "Flow in lbs/hr:", flow00(v.FlowPph));
    p.endLine();
    p.tab(kValue).text(Format(v.TempDegC, "0.0#") + "  deg C");
    rightRow(p, "Flow in Kg/hr:", flow00(v.FlowKgHr));
    p.endLine();
    leftRow(p, "Pressure Ref:", Format(v.PressRefIn, "0.0##") + "  " + v.PressRefUnitIn);
    rightRow(p, "Velocity in FPS:", flow00(v.VelFps));
    p.endLine();
    if (!unitIs(v.PressRefUnitIn, "PSIA"))
        p.tab(kValue).text(Format(v.PressRefPsia, "0.0##") + "  PSIA");
    rightRow(p, "Velocity in FPM:", flow00(v.VelFpm));
    p.endLine();
    leftRow(p, "Temperature Ref:", Format(v.TempRefDegF, "0.0#") + "  deg F");
    rightRow(p, "Velocity in MPS:", flow00(v.VelMps));
    p.endLine();
    p.tab(kValue).text(Format((double(v.TempRefDegF) - 32) / 1.8, "0.0#") + "  deg C");
    rightRow(p, "Flow in LPM:", flow00(v.FlowLpm));
    p.endLine();

    meterHeading(p);
    // A listed meter without a range ends no line: the next one follows it.
    for (const GasMeterSlot& slot : v.meterSlots) {
        if (slot.listed()) p.tab(kMeter).text(slot.code);
        if (slot.ranged()) {
            p.tab(kMinFlow).text(Format(slot.minFlow, "0.0#") + "  " + v.FlowUnitIn);
            p.tab(kMaxFlow).text(Format(slot.maxFlow, "0.0#") + "  " + v.FlowUnitIn).endLine();
        }
    }
    p.endLine();

    const std::array<std::pair<bool, const char*>, 4> remarks = {{
        {v.flowOutOfRange, "Meter out of Flow Range"},
        {v.tempOutOfRange, "Temperature is out of Range"},
        {v.pressOutOfRange, "Pressure is out of Range"},
        {v.reynoldsOutOfRange, "Reynolds is out of Range"},
    }};
    for (const auto& [flag, text] : remarks)
        if (flag) p.tab(kMeter).text(text).endLine();
    return p.bytes();
}

std::string liquidResultsText(const LiquidResultsView& v, const std::string& today) {
    const std::string squared = kSup2, cubed = kSup3;
    PrintWriter p;
    heading(p);

    leftRow(p, "Date:", today);
    rightRow(p, "Media:", v.MediaIn);
    p.endLine();
    leftRow(p, "Customer:", firstChars(v.CustomerIn, kCustomerWidth));
    rightRow(p, "Density:", Format(v.DensityLbFt3, "0.0###") + "  lbs/cuft");
    p.endLine();
    leftRow(p, "Tag Number:", v.TagNoIn);
    rightRow(p, "Viscosity:", Format(v.ViscCp, "0.0###") + "  cP");
    p.endLine();
    leftRow(p, "Flow Entered:", Trim(Str(v.LqdFlowRateIn)) + "  " + v.LqdFlowUnit);
    p.endLine();

    // The pipe and temperature items follow each other in one statement;
    // each Tab back to a column already passed starts a new line.
    leftRow(p, "CustPipe Size:", Trim(Str(v.PipeSizeIn)) + "  " + v.PipeUnitIn);
    rightRow(p, "Temperature:", Format(v.TempDegF, "0.0#") + "  deg F");
    if (!unitIs(v.PipeUnitIn, "INCHES"))
        p.tab(kValue).text(Format(v.PipeIdIn, "0.0") + "  INCHES");
    p.tab(kRightValue).text(Format(v.TempDegC, "0.0#") + "  deg C");
    if (!unitIs(v.PipeUnitIn, "MILLIMETERS"))
        p.tab(kValue).text(Format(v.PipeIdMm, "0.0") + "  mm");
    p.tab(kValue).text(Format(v.PipeAreaSqFt, "0.0###") + "  Area Ft" + squared).endLine();

    // Format writes "Error" for a value that is not finite.
    const std::pair<std::string, std::string> rows[] = {
        {"Flow in GPM:", Format(v.LqdFlowGpm, "0.0#")},
        {"Flow in LPM:", Format(v.lpm, "0.0#")},
        {"Flow in ft" + cubed + "/min:", Format(v.cfm, "0.0#")},
        {"Flow in m" + cubed + "/hr:", Format(v.cuMtrHr, "0.0#")},
        {"Velocity in FPS:", Format(v.LqdVelFps, "0.0#")},
        {"Velocity in FPM:", Format(v.fpm, "0.0#")},
        {"Velocity in MPS:", Format(v.mps, "0.0#")},
        {"Flow in lb/hr:", Format(v.lbHr, "0.0#")},
        {"Flow in Kg/hr:", Format(v.kgHr, "0.0#")},
    };
    for (const auto& [label, value] : rows) {
        rightRow(p, label, value);
        p.endLine();
    }

    meterHeading(p);
    for (const LiquidMeterRange& m : v.meters) {
        p.tab(kMeter).text(m.code);
        p.tab(kMinFlow).text(Format(m.minFlow, "0.0#") + "  " + v.LqdFlowUnit);
        p.tab(kMaxFlow).text(Format(m.maxFlow, "0.0#") + "  " + v.LqdFlowUnit);
        p.endLine();
    }
    p.endLine();
    return p.bytes();
}

FileError modSaveResults(const GasResultsView& view, const std::string& today) {
    return replaceFile(shared().ResultsFileName, gasResultsText(view, today));
}

FileError modLqdSaveResults(const LiquidResultsView& view, const std::string& today) {
    return replaceFile(shared().LqdResultsFileName, liquidResultsText(view, today));
}

}  // namespace quorin
