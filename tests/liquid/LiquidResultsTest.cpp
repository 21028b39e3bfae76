#include <limits>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

const std::string kCubed = kSup3;
const std::string kDegree = kDeg;

class LiquidResults : public CoreTest {
protected:
    // The screen's texts of the results of a Find Meter; `view` keeps the
    // results themselves.
    LiquidResultsScreen findMeter() {
        modLqdSelection();
        return shown();
    }
    LiquidResultsScreen shown() {
        view = modLqdResults();
        return liquidResultsScreen(view, "12-06-2026");
    }
    LiquidResultsView view;
    static Lines lowRangeWarning(const std::string& code) {
        return {"Warning:  Please note the maximum flow entered will be",
                "                    operating in the lower 15% range of the " + code + " meter."};
    }
};

TEST_F(LiquidResults, WaterAt500GpmShowsTheInsertionMeterAndEveryFlow) {
    water(500, 6.0f);
    const LiquidResultsScreen v = findMeter();
    EXPECT_EQ(v.date, "12-06-2026");
    EXPECT_EQ(v.customer, "Quorin Dynarel Inc.");
    EXPECT_EQ(v.tagNo, "Quorin Vortex Flow Meter");
    EXPECT_EQ(v.flowRate, "500  GPM");
    EXPECT_EQ((Lines{v.pipeSize, v.pipeSizeIn, v.pipeSizeMM, v.areaSqFt}),
              (Lines{"6  Inches", "", "152.4  Millimeters", "0.1963  Area Square Feet"}));
    EXPECT_EQ((Lines{v.custTemp, v.tempF, v.tempC}), (Lines{"70.0  " + kDegree + "F", "", "21.11  " + kDegree + "C"}));
    EXPECT_EQ(v.media, "WATER");
    EXPECT_EQ(v.density, "");
    EXPECT_EQ(v.densPcft, "62.3663  lbs/ft" + kCubed);
    EXPECT_EQ(v.viscosity, " ");
    EXPECT_EQ(v.viscCp, "1.0  cP");
    EXPECT_EQ(v.cfmLabel, "Flow in ft" + kCubed + "/min:");
    EXPECT_EQ(v.cuMtrHrLabel, "Flow in m" + kCubed + "/hr:");
    EXPECT_EQ((Lines{v.gpm, v.lpm, v.cfm, v.cuMtrHr}), (Lines{"500.00", "1892.71", "66.84", "113.56"}));
    EXPECT_EQ((Lines{v.fps, v.fpm, v.mps}), (Lines{"5.67", "340.41", "1.73"}));
    EXPECT_EQ((Lines{v.pph, v.kgHr}), (Lines{"250114.83", "113446.93"}));
    EXPECT_EQ((Lines{v.minUnit, v.maxUnit}), (Lines{"GPM", "GPM"}));
    EXPECT_EQ(v.meters, Lines{"QNL"});
    EXPECT_EQ(v.flowLow, Lines{"157.0"});
    EXPECT_EQ(v.flowHi, Lines{"1586.0"});
    EXPECT_TRUE(v.errors.empty());
    EXPECT_FALSE(view.beep);
}

TEST_F(LiquidResults, MetersAreListedInCatalogueOrderEachWithItsOwnWarning) {
    // 45 GPM in 2.25 in: QWL20 shows 17.86 to 175.0 (threshold 41.43),
    // QWL30 39.29 to 400.0 (threshold 93.40).
    water(45, 2.25f);
    const LiquidResultsScreen v = findMeter();
    EXPECT_EQ(v.meters, (Lines{"QWL20", "QWL30"}));
    EXPECT_EQ(v.flowLow, (Lines{"17.86", "39.29"}));
    EXPECT_EQ(v.flowHi, (Lines{"175.0", "400.0"}));
    EXPECT_EQ(v.errors, lowRangeWarning("QWL30"));
    EXPECT_FALSE(view.beep);
}

TEST_F(LiquidResults, NoFittingMeterIsReportedWithABeep) {
    water(500, 6.0f, "GPM", 1, "centipoise", 301);
    const LiquidResultsScreen v = findMeter();
    EXPECT_TRUE(v.meters.empty() && v.flowLow.empty() && v.flowHi.empty());
    EXPECT_EQ(v.errors, Lines{"**No meters fit parameters"});
    EXPECT_TRUE(view.beep);
}

// QNL shows 157.0 to 1586.0 GPM: the threshold is 157 + 0.15 x 1429 = 371.35.
TEST_F(LiquidResults, TheLowerFifteenPercentWarningEndsAtItsThreshold) {
    const std::pair<float, bool> rows[] = {{157, true},     {300, true},  {371.34f, true},
                                           {371.35f, false}, {400, false}, {1586, false}};
    for (const auto& [flow, warned] : rows) {
        SCOPED_TRACE(::testing::Message() << flow << " GPM");
        water(flow, 6.0f);
        const LiquidResultsScreen v = findMeter();
        ASSERT_EQ(v.meters, Lines{"QNL"});
        EXPECT_EQ(v.errors, warned ? lowRangeWarning("QNL") : Lines{});
        EXPECT_FALSE(view.beep);
    }
}

TEST_F(LiquidResults, TheWarningUsesTheEnteredFlowInItsOwnUnit) {
    // 80 m^3/hr (352.2 GPM) against the range shown in m^3/hr, 36 to 360
    // (threshold 84.6): a warning, where 352.2 GPM against 84.6 would give
    // none. 90 m^3/hr lies above the threshold.
    water(80, 6.0f, "m^3/Hr");
    LiquidResultsScreen v = findMeter();
    ASSERT_EQ(v.meters, Lines{"QNL"});
    EXPECT_EQ(v.flowLow, Lines{"36.0"});
    EXPECT_EQ(v.flowHi, Lines{"360.0"});
    EXPECT_EQ(v.errors, lowRangeWarning("QNL"));
    water(90, 6.0f, "m^3/Hr");
    EXPECT_TRUE(findMeter().errors.empty());
}

// ---- Unit texts ------------------------------------------------------------

TEST_F(LiquidResults, FlowUnitTextsNameTheEntryAndTheRangeColumns) {
    const struct { const char* unit; std::string flowRate, rangeUnit; } rows[] = {
        {"Metric Tons/Hr", "100  Metric Tons/Hr", "T/Hr"},
        {"m^3/Hr", "100  m" + kCubed + "/hr", "m" + kCubed + "/hr"},
        {"Nm^3/Hr", "100  Nm" + kCubed + "/hr", "Nm" + kCubed + "/hr"},
        {"m^3/Day", "100  m^3/Day", "m^3/Day"},
        {"lbs/Hr", "100  lbs/Hr", "lbs/Hr"}};
    for (const auto& r : rows) {
        water(100, 6.0f, r.unit);
        const LiquidResultsScreen v = findMeter();
        EXPECT_EQ((Lines{v.flowRate, v.minUnit, v.maxUnit}), (Lines{r.flowRate, r.rangeUnit, r.rangeUnit})) << r.unit;
    }
}

// The box repeating the entered unit stays empty; an unknown unit fills none.
TEST_F(LiquidResults, PipeBoxesFollowTheEnteredUnit) {
    const struct { float size; const char* unit; Lines boxes; } rows[] = {
        {150, "MILLIMETERS", {"150  Millimeters", "5.9  Inches", "", "0.1902  Area Square Feet"}},
        {0.19635f, "Square Feet", {"0.19635  Square Feet", "6.0  Inches", "152.4  Millimeters", ""}},
        {6, "FEET", {"", "", "", ""}}};
    for (const auto& r : rows) {
        water(500, r.size, "GPM", 1, "centipoise", 70, r.unit);
        const LiquidResultsScreen v = findMeter();
        EXPECT_EQ((Lines{v.pipeSize, v.pipeSizeIn, v.pipeSizeMM, v.areaSqFt}), r.boxes) << r.unit;
    }
}

TEST_F(LiquidResults, TemperatureBoxesFollowTheEnteredUnit) {
    const struct { float temp; const char* unit; Lines boxes; } rows[] = {
        {21.1f, "deg C", {"21.1  " + kDegree + "C", "69.98  " + kDegree + "F", ""}},
        {529.67f, "deg R", {"", "", ""}},
        {-40, "DEG F", {"-40.0  " + kDegree + "F", "", "-40.0  " + kDegree + "C"}}};
    for (const auto& r : rows) {
        water(500, 6.0f);
        shared().TempIn = r.temp;
        shared().TempUnitIn = r.unit;
        modTemperature();
        const LiquidResultsScreen v = shown();
        EXPECT_EQ((Lines{v.custTemp, v.tempF, v.tempC}), r.boxes) << r.unit;
    }
}

TEST_F(LiquidResults, DensityTextsOfTheThreeUnits) {
    const struct { float density; const char* unit; std::string entered, perCubicFoot; } rows[] = {
        {62.3663f, "lbm/ft^3", "", "62.3663  lbs/ft" + kCubed},
        {998.2f, "Kg/m^3", "998.2 kg/m" + kCubed, "62.3156  lbm/ft" + kCubed},
        {0.8f, "gm/cm^3", "0.8 gm/cm" + kCubed, "49.9424  lbm/ft" + kCubed}};
    for (const auto& r : rows) {
        water(500, 6.0f);
        shared().LqdDensityIn = r.density;
        shared().LqdDensUnit = r.unit;
        modLqdRecalc();
        const LiquidResultsScreen v = shown();
        EXPECT_EQ((Lines{v.density, v.densPcft}), (Lines{r.entered, r.perCubicFoot})) << r.unit;
    }
}

TEST_F(LiquidResults, ViscosityIsRepeatedUnlessEnteredInCentipoise) {
    const struct { double value; const char* unit; std::string entered, cP; } rows[] = {
        {1, "centipoise", " ", "1.0  cP"},
        {100, "ssu", "1.000e+02 ssu", "21.575  cP"},
        {0.001, "lbm/ft-sec", "1.000e-03 lbm/ft-sec", "1.4882  cP"},
        {1.25, "CENTISTOKES", "1.250e+00 CENTISTOKES", "1.25  cP"}};
    for (const auto& r : rows) {
        water(500, 6.0f, "GPM", r.value, r.unit);
        const LiquidResultsScreen v = shown();
        EXPECT_EQ((Lines{v.viscosity, v.viscCp}), (Lines{r.entered, r.cP})) << r.unit;
    }
}

// ---- "Error" boxes -------------------------------------------------------

TEST_F(LiquidResults, AMassFlowWithoutADensityShowsErrorInEveryFlowBox) {
    water(3600, 6.0f, "lbs/Hr");
    shared().LqdDensityIn = 0;
    modLqdRecalc();
    const LiquidResultsScreen v = findMeter();
    EXPECT_EQ((Lines{v.gpm, v.lpm, v.cfm, v.cuMtrHr, v.fps, v.fpm, v.mps, v.pph, v.kgHr}), Lines(9, "Error"));
    EXPECT_EQ(v.densPcft, "0.0  lbs/ft" + kCubed);
    EXPECT_EQ(v.errors, Lines{"**No meters fit parameters"});
    EXPECT_TRUE(view.beep);
}

TEST_F(LiquidResults, MassFlowBoxesNeedBothTheFlowAndTheDensity) {
    auto& S = shared();
    water(500, 6.0f);
    S.DensityLbFt3 = 0;  // a volume flow needs no density
    LiquidResultsScreen v = shown();
    EXPECT_EQ((Lines{v.gpm, v.fps, v.pph, v.kgHr}), (Lines{"500.00", "5.67", "0.00", "0.00"}));
    S.DensityLbFt3 = std::numeric_limits<double>::infinity();
    v = shown();
    EXPECT_EQ((Lines{v.gpm, v.fps, v.pph, v.kgHr}), (Lines{"500.00", "5.67", "Error", "Error"}));
    // A velocity that is no number leaves the volume flows shown.
    S.DensityLbFt3 = 62.3663;
    S.LqdVelFps = std::numeric_limits<float>::quiet_NaN();
    v = shown();
    EXPECT_EQ((Lines{v.gpm, v.fps, v.fpm, v.mps, v.pph}), (Lines{"500.00", "Error", "Error", "Error", "250114.83"}));
}

}  // namespace
}  // namespace quorin::test
