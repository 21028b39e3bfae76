#include "liquid/Results.h"

#include "liquid/Plausibility.h"
#include "state/ResultTexts.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

namespace {

const std::string kCubed = kSup3;

void copyCase(const SharedState& S, LiquidResultsView& v) {
    copyResultsCase(S, v);
    v.LqdFlowRateIn = S.LqdFlowRateIn;
    v.LqdFlowUnit = S.LqdFlowUnit;
    v.LqdDensityIn = S.LqdDensityIn;
    v.LqdDensUnit = S.LqdDensUnit;
    v.LqdViscIn = S.LqdViscIn;
    v.LqdViscUnit = S.LqdViscUnit;
    v.LqdFlowGpm = S.LqdFlowGpm;
    v.LqdVelFps = S.LqdVelFps;
}

// Products of a non-finite flow, velocity or density are not finite either,
// so each figure is "Error" wherever its source is.
void deriveFlows(LiquidResultsView& v) {
    const double gpm = v.LqdFlowGpm, fps = v.LqdVelFps, rho = v.DensityLbFt3;
    v.lpm = gpm * 3.785411784;
    v.cfm = gpm * 0.1336805463;
    v.cuMtrHr = gpm * 0.00378541 * 60;
    v.fpm = fps * 60;
    v.mps = fps * 0.304804;
    v.lbHr = gpm * 0.1336805463 * rho * 60;
    v.kgHr = gpm / 264.172 * (rho * 16.018) * 60;
}

std::string range(float flow) { return Format(flow, "0.0#"); }

}  // namespace

LiquidResultsView modLqdResults() {
    const auto& S = shared();
    LiquidResultsView v;
    copyCase(S, v);
    deriveFlows(v);
    std::vector<std::string> codes, low, high;
    for (int slot = 25; slot <= 40; ++slot) {
        if (S.MeterModel[slot].empty() || S.MeterModel[slot] == "NONE") continue;
        v.meters.push_back({S.MeterModel[slot], S.MinFlowUser[slot - 1], S.MaxFlowUser[slot - 1]});
        codes.push_back(S.MeterModel[slot]);
        low.push_back(range(S.MinFlowUser[slot - 1]));
        high.push_back(range(S.MaxFlowUser[slot - 1]));
    }
    if (v.meters.empty()) {
        v.notes.push_back("**No meters fit parameters");
        v.beep = true;
    } else {
        addLowRangeWarnings(v.LqdFlowRateIn, codes, low, high, v.notes);
    }
    v.warnings = liquidWarnings().lines;
    return v;
}

LiquidResultsScreen liquidResultsScreen(const LiquidResultsView& v, const std::string& date) {
    LiquidResultsScreen t;
    t.date = date;
    t.customer = v.CustomerIn;
    t.tagNo = v.TagNoIn;
    t.flowRate = Trim(Str(v.LqdFlowRateIn)) + flowEnteredSuffix(v.LqdFlowUnit);
    t.cfmLabel = "Flow in ft" + kCubed + "/min:";
    t.cuMtrHrLabel = "Flow in m" + kCubed + "/hr:";

    const PipeSizeTexts pipe =
        pipeSizeTexts(v.PipeSizeIn, v.PipeUnitIn, v.PipeIdIn, v.PipeIdMm, v.PipeAreaSqFt);
    if (pipe.unitKnown) {
        t.pipeSize = pipe.entered;
        t.pipeSizeIn = pipe.inches;
        t.pipeSizeMM = pipe.mm;
        t.areaSqFt = pipe.area;
    }

    if (unitIs(v.TempUnitIn, "DEG F")) {
        t.custTemp = Format(v.TempIn, "0.0#") + "  " + tempUnitText(v.TempUnitIn);
        t.tempC = Format(v.TempDegC, "0.0#") + "  " + tempUnitText("DEG C");
    } else if (unitIs(v.TempUnitIn, "DEG C")) {
        t.custTemp = Format(v.TempIn, "0.0#") + "  " + tempUnitText(v.TempUnitIn);
        t.tempF = Format(v.TempDegF, "0.0#") + "  " + tempUnitText("DEG F");
    }

    t.media = v.MediaIn;
    const bool perCubicFoot = unitIs(v.LqdDensUnit, "LBM/FT^3");
    if (unitIs(v.LqdDensUnit, "KG/M^3"))
        t.density = Format(v.LqdDensityIn, "0.0###") + " kg/m" + kCubed;
    else if (unitIs(v.LqdDensUnit, "GM/CM^3"))
        t.density = Format(v.LqdDensityIn, "0.0###") + " gm/cm" + kCubed;
    t.densPcft =
        Format(v.DensityLbFt3, "0.0###") + (perCubicFoot ? "  lbs/ft" : "  lbm/ft") + kCubed;

    t.viscosity = unitIs(v.LqdViscUnit, "CENTIPOISE")
                      ? " "
                      : Format(v.LqdViscIn, "0.000e+00") + " " + v.LqdViscUnit;
    t.viscCp = Format(v.ViscCp, "0.0###") + "  cP";

    // Format writes "Error" for a value that is not finite.
    t.gpm = Format(v.LqdFlowGpm, "0.00");
    t.lpm = Format(v.lpm, "0.00");
    t.cfm = Format(v.cfm, "0.00");
    t.cuMtrHr = Format(v.cuMtrHr, "0.00");
    t.fps = Format(v.LqdVelFps, "0.00");
    t.fpm = Format(v.fpm, "0.00");
    t.mps = Format(v.mps, "0.00");
    t.pph = Format(v.lbHr, "0.00");
    t.kgHr = Format(v.kgHr, "0.00");

    t.minUnit = t.maxUnit = rangeUnitText(v.LqdFlowUnit);
    for (const LiquidMeterRange& m : v.meters) {
        t.meters.push_back(m.code);
        t.flowLow.push_back(range(m.minFlow));
        t.flowHi.push_back(range(m.maxFlow));
    }
    t.errors = v.notes;
    t.warnings = v.warnings;
    return t;
}

}  // namespace quorin
