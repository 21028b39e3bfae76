#include <limits>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

const std::string kCubed = kSup3;
const std::string kDegree = kDeg;

class LiquidResults : public CoreTest {
protected:
    // The screen's texts of the results (of a Find Meter); `view` keeps the
    // results themselves.
    LiquidResultsScreen shown() { return liquidResultsScreen(view = modLqdResults(), "12-06-2026"); }
    LiquidResultsScreen findMeter() {
        modLqdSelection();
        return shown();
    }
    LiquidResultsView view;
    static Lines lowRangeWarning(const std::string& code) {
        return {"Warning:  Please note the maximum flow entered will be",
                "                    operating in the lower 15% range of the " + code + " meter."};
    }
};

// The start-up case; its figures are those of the saved report of the same
// case, tests/reports/data/liquid-500gpm.txt.
TEST_F(LiquidResults, WaterAt500GpmShowsTheInsertionMeter) {
    water(500, 6.0f);
    const LiquidResultsScreen v = findMeter();
    EXPECT_EQ((Lines{v.date, v.flowRate, v.minUnit, v.pipeSizeIn, v.tempF, v.density, v.viscosity}),
              (Lines{"12-06-2026", "500  GPM", "GPM", "", "", "", " "}));
    EXPECT_EQ(v.densPcft, "62.3663  lbs/ft" + kCubed);
    EXPECT_EQ((std::tuple(v.meters, v.flowLow, v.flowHi)),
              (std::tuple(Lines{"QNL"}, Lines{"157.0"}, Lines{"1586.0"})));
    EXPECT_TRUE(v.errors.empty() && !view.beep);
}

// 45 GPM in 2.25 in: QWL20 shows 17.86 to 175.0 (threshold 41.43), QWL30
// 39.29 to 400.0 (threshold 93.40). QNL in 6 in shows 157.0 to 1586.0 GPM (its
// threshold 157 + 0.15 x 1429 = 371.35), and 36 to 360 m^3/hr (threshold
// 84.6): 80 m^3/hr (352.2 GPM) is warned of in its own unit.
TEST_F(LiquidResults, EachMeterInCatalogueOrderWithItsOwnLowerFifteenPercentWarning) {
    water(45, 2.25f);
    LiquidResultsScreen v = findMeter();
    EXPECT_EQ((std::tuple(v.meters, v.flowLow, v.flowHi)),
              (std::tuple(Lines{"QWL20", "QWL30"}, Lines{"17.86", "39.29"}, Lines{"175.0", "400.0"})));
    EXPECT_EQ(v.errors, lowRangeWarning("QWL30"));
    const struct { float flow; const char* unit; bool warned; } rows[] = {
        {371.34f, "GPM", true}, {371.35f, "GPM", false}, {80, "m^3/Hr", true}, {90, "m^3/Hr", false}};
    for (const auto& r : rows) {
        water(r.flow, 6.0f, r.unit);
        v = findMeter();
        ASSERT_EQ(v.meters, Lines{"QNL"}) << r.flow;
        EXPECT_EQ(v.errors, r.warned ? lowRangeWarning("QNL") : Lines{}) << r.flow << " " << r.unit;
    }
    EXPECT_EQ((Lines{v.minUnit, v.flowHi[0]}), (Lines{"m" + kCubed + "/hr", "360.0"}));
}

// A box that repeats the entered unit stays empty; a unit the screen does not
// know fills none. Hand computations: 0.8 x 62.428 = 49.9424 lbm/ft^3; 100 SSU
// = 100 / 4.635 x 0.8 = 17.26 cP; 998.2 x 0.062428 = 62.3156 lbm/ft^3.
TEST_F(LiquidResults, CaseBoxesFollowTheEnteredUnits) {
    const struct {
        float pipe, temp, density, visc;
        const char *pipeUnit, *tempUnit, *densUnit, *viscUnit;
        Lines boxes;
    } rows[] = {
        {150, 21.1f, 0.8f, 100, "MILLIMETERS", "deg C", "gm/cm^3", "ssu",
         {"150  Millimeters", "5.9  Inches", "", "0.1902  Area Square Feet", "21.1  " + kDegree + "C",
          "69.98  " + kDegree + "F", "", "0.8 gm/cm" + kCubed, "49.9424  lbm/ft" + kCubed, "1.000e+02 ssu",
          "17.26  cP"}},
        {6, 529.67f, 998.2f, 1, "FEET", "deg R", "Kg/m^3", "centipoise",
         {"", "", "", "", "", "", "", "998.2 kg/m" + kCubed, "62.3156  lbm/ft" + kCubed, " ", "1.0  cP"}}};
    auto& S = shared();
    for (const auto& r : rows) {
        water(500, r.pipe, "GPM", r.visc, r.viscUnit, 70, r.pipeUnit);
        S.TempIn = r.temp;
        S.TempUnitIn = r.tempUnit;
        S.LqdDensityIn = r.density;
        S.LqdDensUnit = r.densUnit;
        modLqdRecalc();
        const LiquidResultsScreen v = shown();
        EXPECT_EQ((Lines{v.pipeSize, v.pipeSizeIn, v.pipeSizeMM, v.areaSqFt, v.custTemp, v.tempF, v.tempC,
                         v.density, v.densPcft, v.viscosity, v.viscCp}),
                  r.boxes) << r.pipeUnit;
    }
}

// A mass flow without a density gives no flow at all, and no meter fits.
TEST_F(LiquidResults, BoxesShowErrorWhereTheirSourceIsNoNumber) {
    auto& S = shared();
    water(3600, 6.0f, "lbs/Hr");
    S.LqdDensityIn = 0;
    modLqdRecalc();
    LiquidResultsScreen v = findMeter();
    EXPECT_EQ((Lines{v.gpm, v.cfm, v.fps, v.mps, v.kgHr, v.densPcft}),
              (Lines{"Error", "Error", "Error", "Error", "Error", "0.0  lbs/ft" + kCubed}));
    EXPECT_TRUE(v.meters.empty() && v.flowLow.empty() && v.flowHi.empty() && view.beep);
    EXPECT_EQ(v.errors, Lines{"**No meters fit parameters"});
    water(500, 6.0f);
    const struct { double density; bool velocityKnown; Lines boxes; } rows[] = {
        {0, true, {"500.00", "5.67", "1.73", "0.00", "0.00"}},  // a volume flow needs no density
        {std::numeric_limits<double>::infinity(), true, {"500.00", "5.67", "1.73", "Error", "Error"}},
        {62.3663, false, {"500.00", "Error", "Error", "250114.83", "113446.93"}}};
    for (const auto& r : rows) {
        S.DensityLbFt3 = r.density;
        if (!r.velocityKnown) S.LqdVelFps = std::numeric_limits<float>::quiet_NaN();
        v = shown();
        EXPECT_EQ((Lines{v.gpm, v.fps, v.mps, v.pph, v.kgHr}), r.boxes) << r.density;
    }
}

}  // namespace
}  // namespace quorin::test
