#include "liquid/Results.h"

#include "state/ResultTexts.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

namespace {

const std::string kCubed = kSup3;
const std::string kDegree = kDeg;

void fillEntries(LiquidResultsView& v) {
    const auto& S = shared();
    v.customer = S.CustomerIn;
    v.tagNo = S.TagNoIn;
    v.flowRate = Trim(Str(S.LqdFlowRateIn)) + flowEnteredSuffix(S.LqdFlowUnit);
    v.cfmLabel = "Flow in ft" + kCubed + "/min:";
    v.cuMtrHrLabel = "Flow in m" + kCubed + "/hr:";

    const PipeSizeTexts pipe =
        pipeSizeTexts(S.PipeSizeIn, S.PipeUnitIn, S.PipeIdIn, S.PipeIdMm, S.PipeAreaSqFt);
    if (pipe.unitKnown) {
        v.pipeSize = pipe.entered;
        v.pipeSizeIn = pipe.inches;
        v.pipeSizeMM = pipe.mm;
        v.areaSqFt = pipe.area;
    }

    if (unitIs(S.TempUnitIn, "DEG F")) {
        v.custTemp = Format(S.TempIn, "0.0#") + "  " + kDegree + "F";
        v.tempC = Format(S.TempDegC, "0.0#") + "  " + kDegree + "C";
    } else if (unitIs(S.TempUnitIn, "DEG C")) {
        v.custTemp = Format(S.TempIn, "0.0#") + "  " + kDegree + "C";
        v.tempF = Format(S.TempDegF, "0.0#") + "  " + kDegree + "F";
    }

    v.media = S.MediaIn;
    const bool perCubicFoot = unitIs(S.LqdDensUnit, "LBM/FT^3");
    if (unitIs(S.LqdDensUnit, "KG/M^3"))
        v.density = Format(S.LqdDensityIn, "0.0###") + " kg/m" + kCubed;
    else if (unitIs(S.LqdDensUnit, "GM/CM^3"))
        v.density = Format(S.LqdDensityIn, "0.0###") + " gm/cm" + kCubed;
    v.densPcft =
        Format(S.DensityLbFt3, "0.0###") + (perCubicFoot ? "  lbs/ft" : "  lbm/ft") + kCubed;

    v.viscosity = unitIs(S.LqdViscUnit, "CENTIPOISE")
                      ? " "
                      : Format(S.LqdViscIn, "0.000e+00") + " " + S.LqdViscUnit;
    v.viscCp = Format(S.ViscCp, "0.0###") + "  cP";
}

void fillFlows(LiquidResultsView& v) {
    const auto& S = shared();
    const double gpm = S.LqdFlowGpm, fps = S.LqdVelFps, rho = S.DensityLbFt3;
    const std::string error = "Error";
    const bool gpmShown = isShowable(gpm);
    v.gpm = gpmShown ? Format(S.LqdFlowGpm, "0.00") : error;
    v.lpm = gpmShown ? Format(gpm * 3.785411784, "0.00") : error;
    v.cfm = gpmShown ? Format(gpm * 0.1336805463, "0.00") : error;
    v.cuMtrHr = gpmShown ? Format(gpm * 0.00378541 * 60, "0.00") : error;

    const bool fpsShown = isShowable(fps);
    v.fps = fpsShown ? Format(S.LqdVelFps, "0.00") : error;
    v.fpm = fpsShown ? Format(fps * 60, "0.00") : error;
    v.mps = fpsShown ? Format(fps * 0.304804, "0.00") : error;

    const bool massShown = gpmShown && isShowable(rho);
    v.pph = massShown ? Format(gpm * 0.1336805463 * rho * 60, "0.00") : error;
    v.kgHr = massShown ? Format(gpm / 264.172 * (rho * 16.018) * 60, "0.00") : error;
}

void fillMeters(LiquidResultsView& v) {
    const auto& S = shared();
    v.minUnit = v.maxUnit = rangeUnitText(S.LqdFlowUnit);
    for (int slot = 25; slot <= 40; ++slot) {
        if (S.MeterModel[slot].empty() || S.MeterModel[slot] == "NONE") continue;
        v.meters.push_back(S.MeterModel[slot]);
        v.flowLow.push_back(Format(S.MinFlowUser[slot - 1], "0.0#"));
        v.flowHi.push_back(Format(S.MaxFlowUser[slot - 1], "0.0#"));
    }
    if (v.meters.empty()) {
        v.errors.push_back("**No meters fit parameters");
        v.beep = true;
    } else {
        addLowRangeWarnings(S.LqdFlowRateIn, v.meters, v.flowLow, v.flowHi, v.errors);
    }
}

}  // namespace

LiquidResultsView modLqdResults(const std::string& today) {
    LiquidResultsView v;
    v.date = today;
    fillEntries(v);
    fillFlows(v);
    fillMeters(v);
    return v;
}

}  // namespace quorin
