#include <cmath>
#include <limits>
#include <ostream>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

constexpr double kFt2sPerCst = 1.076391e-5;
constexpr float kWater = 62.3663f;  // lb/ft^3, the specific-gravity reference

class LiquidConversions : public CoreTest {
protected:
    // A liquid flow entry in a pipe given by its inside diameter in inches,
    // converted as the input screen does after an edit.
    static void flowIn(float flow, const char* unit, float pipeIn, float density = kWater,
                       const char* densUnit = "lbm/ft^3") {
        auto& S = shared();
        S.LqdFlowRateIn = flow;
        S.LqdFlowUnit = unit;
        S.PipeSizeIn = pipeIn;
        S.PipeUnitIn = "INCHES";
        S.LqdDensityIn = density;
        S.LqdDensUnit = densUnit;
        modLqdDens();
        modPipeSize();
        modLqdGpmCalc();
    }
    static void viscosity(double value, const char* unit, float specGravity) {
        auto& S = shared();
        S.SpecGravity = specGravity;
        S.LqdViscIn = value;
        S.LqdViscUnit = unit;
        modLqdVisc();
    }
};

// Every entry of the flow-unit list, with figures worked from the unit
// factors (gallons per cubic foot 7.48052, per cubic metre 264.172).
struct FlowCase {
    const char* name;
    float flow;
    const char* unit;
    float pipeIn;
    double gpm;
    double fps;
};

std::ostream& operator<<(std::ostream& os, const FlowCase& c) {
    return os << c.flow << " " << c.unit << " in " << c.pipeIn << " in";
}

class LiquidFlowUnits : public LiquidConversions, public ::testing::WithParamInterface<FlowCase> {};

TEST_P(LiquidFlowUnits, GiveGallonsPerMinuteAndPipeVelocity) {
    const FlowCase& c = GetParam();
    flowIn(c.flow, c.unit, c.pipeIn);
    EXPECT_TRUE(near(shared().LqdFlowGpm, c.gpm, 2e-5)) << c;
    EXPECT_TRUE(near(shared().LqdVelFps, c.fps, 2e-5)) << c;
}

// Velocity in a 6.065 in line: GPM / 90.049; in a 2.067 in line: GPM / 10.459.
INSTANTIATE_TEST_SUITE_P(
    WorkedFigures, LiquidFlowUnits,
    ::testing::Values(
        FlowCase{"Gpm", 500, "GPM", 6.065f, 500, 5.55261},
        FlowCase{"Lpm", 100, "LPM", 6.065f, 26.418, 0.293378},
        FlowCase{"LowerCaseLpm", 100, "lpm", 6.065f, 26.418, 0.293378},
        FlowCase{"CubicFeetPerMinute", 10, "Ft^3/Min", 6.065f, 74.8052, 0.830728},
        FlowCase{"CubicFeetPerDay", 1440, "Ft^3/Day", 6.065f, 7.48052, 0.0830728},
        FlowCase{"CubicMetresPerHour", 1, "m^3/Hr", 6.065f, 4.402867, 0.0488948},
        FlowCase{"CubicMetresPerDay", 1440, "m^3/Day", 6.065f, 264.172, 2.93369},
        FlowCase{"FeetPerSecond", 10, "FPS", 2.067f, 104.5905, 10},
        FlowCase{"FeetPerMinute", 600, "FPM", 2.067f, 104.5905, 10},
        FlowCase{"MetresPerSecond", 1, "MPS", 2.067f, 34.31441, 3.2808},
        FlowCase{"PoundsPerMinuteOfWater", 62.3663f, "lbs/Min", 6.065f, 7.48052, 0.0830728},
        FlowCase{"PoundsPerHourOfWater", 3600, "lbs/Hr", 6.065f, 7.196695, 0.0799208},
        FlowCase{"KilogramsPerHourOfWater", 1000, "Kg/Hr", 6.065f, 4.407347, 0.0489445},
        FlowCase{"MetricTonsPerHourOfWater", 1, "Metric Tons/Hr", 6.065f, 4.407347, 0.0489445}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LiquidConversions, FiguresAsTheResultsShowThem) {
    flowIn(500, "GPM", 6.065f);
    EXPECT_EQ(Format(shared().LqdVelFps, "0.00"), "5.55");
    flowIn(1, "m^3/Hr", 6.065f);
    EXPECT_EQ(Format(shared().LqdFlowGpm, "0.0000"), "4.4029");
    flowIn(100, "LPM", 6.065f);
    EXPECT_EQ(Format(shared().LqdFlowGpm, "0.000"), "26.418");
    // 3600 / 62.3663 x 7.48052 / 60 = 7.19669...
    flowIn(3600, "lbs/Hr", 6.065f);
    EXPECT_EQ(Format(shared().LqdFlowGpm, "0.0000"), "7.1967");
    flowIn(10, "FPS", 2.067f);
    EXPECT_EQ(Format(shared().LqdFlowGpm, "0.00"), "104.59");
    EXPECT_EQ(shared().LqdVelFps, 10.0f);
}

TEST_F(LiquidConversions, GallonsAndCubicMetresGiveTheSameVelocity) {
    // The GPM row divides by D^2 x 2.448 in one step, the others by
    // D^2 x 0.0408 and then 60.
    flowIn(264.172f, "GPM", 4.026f);
    const float direct = shared().LqdVelFps;
    flowIn(60, "m^3/Hr", 4.026f);
    ASSERT_FLOAT_EQ(shared().LqdFlowGpm, 264.172f);
    EXPECT_FLOAT_EQ(shared().LqdVelFps, direct);
}

TEST_F(LiquidConversions, MassUnitsWithoutADensityGiveNoNumber) {
    for (const char* unit : {"lbs/Min", "lbs/Hr", "Kg/Hr", "Metric Tons/Hr"}) {
        flowIn(3600, unit, 6.065f, 0);
        EXPECT_FALSE(std::isfinite(shared().LqdFlowGpm)) << unit;
        EXPECT_FALSE(std::isfinite(shared().LqdVelFps)) << unit;
    }
    // A volume unit does not need the density.
    flowIn(500, "GPM", 6.065f, 0);
    EXPECT_EQ(shared().LqdFlowGpm, 500);
}

TEST_F(LiquidConversions, AGasOrUnknownFlowUnitChangesNothing) {
    for (const char* unit : {"NM^3/HR", "ACFM", "gallons"}) {
        auto& S = shared();
        S.LqdFlowGpm = 123;
        S.LqdVelFps = 4.5f;
        flowIn(1, unit, 6.065f);
        EXPECT_EQ(S.LqdFlowGpm, 123) << unit;
        EXPECT_EQ(S.LqdVelFps, 4.5f) << unit;
    }
}

// Density entries: the specific gravity of lb/ft^3 is taken to water at
// 62.3663 lb/ft^3, while g/cm^3 converts with 62.428.
struct DensityCase {
    const char* name;
    float density;
    const char* unit;
    float specGravity;
    double lbFt3;
};

std::ostream& operator<<(std::ostream& os, const DensityCase& c) {
    return os << c.density << " " << c.unit;
}

class LiquidDensityUnits : public LiquidConversions,
                           public ::testing::WithParamInterface<DensityCase> {};

TEST_P(LiquidDensityUnits, GiveSpecificGravityAndPoundsPerCubicFoot) {
    const DensityCase& c = GetParam();
    auto& S = shared();
    S.LqdDensityIn = c.density;
    S.LqdDensUnit = c.unit;
    modLqdDens();
    EXPECT_TRUE(near(S.SpecGravity, c.specGravity, 1e-6)) << c;
    EXPECT_TRUE(near(S.DensityLbFt3, c.lbFt3, 1e-6)) << c;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedFigures, LiquidDensityUnits,
    ::testing::Values(DensityCase{"WaterInPoundsPerCubicFoot", kWater, "lbm/ft^3", 1, kWater},
                      DensityCase{"OilInPoundsPerCubicFoot", 49.89304f, "lbm/ft^3", 0.8f, 49.89304},
                      DensityCase{"KilogramsPerCubicMetre", 1000, "Kg/m^3", 1, 62.428},
                      DensityCase{"GramsPerCubicCentimetre", 1, "gm/cm^3", 1, 62.428},
                      DensityCase{"OilInGramsPerCubicCentimetre", 0.8f, "gm/cm^3", 0.8f, 49.9424},
                      DensityCase{"UpperCaseUnit", 0.8f, "GM/CM^3", 0.8f, 49.9424}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LiquidConversions, AnUnknownDensityUnitChangesNothing) {
    auto& S = shared();
    S.SpecGravity = 0.9f;
    S.DensityLbFt3 = 56;
    S.LqdDensityIn = 8.3f;
    S.LqdDensUnit = "lb/gal";
    modLqdDens();
    EXPECT_EQ(S.SpecGravity, 0.9f);
    EXPECT_EQ(S.DensityLbFt3, 56);
}

// Viscosity entries: 1 cSt = 1.076391e-5 ft^2/s; 1 SSU = 1 / 4.635 cSt.
struct ViscosityCase {
    const char* name;
    double value;
    const char* unit;
    float specGravity;
    double cP;
    double cSt;
};

std::ostream& operator<<(std::ostream& os, const ViscosityCase& c) {
    return os << c.value << " " << c.unit << " at SG " << c.specGravity;
}

class LiquidViscosityUnits : public LiquidConversions,
                             public ::testing::WithParamInterface<ViscosityCase> {};

TEST_P(LiquidViscosityUnits, GiveCentipoiseAndSquareFeetPerSecond) {
    const ViscosityCase& c = GetParam();
    viscosity(c.value, c.unit, c.specGravity);
    EXPECT_TRUE(near(shared().ViscCp, c.cP, 1e-6)) << c;
    EXPECT_TRUE(near(shared().LqdViscFt2s, c.cSt * kFt2sPerCst, 1e-6)) << c;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedFigures, LiquidViscosityUnits,
    ::testing::Values(
        ViscosityCase{"CentipoiseAtSg08", 1, "centipoise", 0.8f, 1, 1.25},
        ViscosityCase{"CentistokesAtSg08", 1.25, "centistokes", 0.8f, 1, 1.25},
        // 1488.16 gives the centipoise, 1488.164 the centistokes.
        ViscosityCase{"PoundsPerFootSecond", 1, "lbm/ft-sec", 1, 1488.16, 1488.164},
        ViscosityCase{"PoundsPerFootSecondAtSg08", 0.001, "lbm/ft-sec", 0.8f, 1.48816, 1.860205},
        ViscosityCase{"SquareFeetPerSecond", 1e-5, "ft^2/sec", 0.8f, 0.743224, 0.929030},
        ViscosityCase{"Ssu", 100, "ssu", 1, 21.57497, 21.57497},
        ViscosityCase{"SsuAtSg09", 100, "ssu", 0.9f, 19.41748, 21.57497},
        ViscosityCase{"UpperCaseUnit", 2, "CENTIPOISE", 1, 2, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LiquidConversions, OneCentipoiseAtSg08IsAsWorked) {
    viscosity(1, "centipoise", 0.8f);
    EXPECT_EQ(Format(shared().LqdViscFt2s, "0.0000e+00"), "1.3455e-05");
    viscosity(100, "ssu", 1);
    EXPECT_EQ(Format(shared().LqdViscFt2s / kFt2sPerCst, "0.000"), "21.575");
}

TEST_F(LiquidConversions, ADynamicViscosityWithoutASpecificGravityGivesNoNumber) {
    viscosity(1, "centipoise", 0);
    EXPECT_EQ(shared().ViscCp, 1);
    EXPECT_FALSE(std::isfinite(shared().LqdViscFt2s));
    // A kinematic entry needs no specific gravity for ft^2/s.
    viscosity(1, "centistokes", 0);
    EXPECT_EQ(shared().ViscCp, 0);
    EXPECT_TRUE(near(shared().LqdViscFt2s, kFt2sPerCst, 1e-12));
}

TEST_F(LiquidConversions, AnUnknownViscosityUnitChangesNothing) {
    auto& S = shared();
    S.ViscCp = 3;
    S.LqdViscFt2s = 4e-5;
    viscosity(1, "poise", 1);
    EXPECT_EQ(S.ViscCp, 3);
    EXPECT_EQ(S.LqdViscFt2s, 4e-5);
}

// ---- Start-up values and the whole chain ---------------------------------

TEST_F(LiquidConversions, StartUpCaseIsWaterAt500GpmInASixInchLine) {
    loadLiquidDefaults(false);
    modLqdRecalc();
    auto& S = shared();
    EXPECT_EQ(S.CustomerIn, "Customer");
    EXPECT_EQ(S.TagNoIn, "Quorin Vortex Flow Meter");
    EXPECT_EQ(S.MediaIn, "WATER");
    EXPECT_EQ(S.LqdFlowUnit, "GPM");
    EXPECT_EQ(S.LqdDensUnit, "lbm/ft^3");
    EXPECT_EQ(S.LqdViscUnit, "centipoise");
    EXPECT_EQ(General(S.LqdDensityIn), "62.3663");
    EXPECT_EQ(S.SpecGravity, 1.0f);
    EXPECT_DOUBLE_EQ(S.DensityLbFt3, double(kWater));
    EXPECT_EQ(S.PipeIdIn, 6.0f);
    EXPECT_EQ(Format(S.PipeIdMm, "0.0"), "152.4");
    EXPECT_EQ(S.LqdFlowGpm, 500);
    EXPECT_EQ(Format(S.LqdVelFps, "0.00"), "5.67");
    EXPECT_EQ(S.TempDegF, 70);
    EXPECT_EQ(Format(S.TempDegC, "0.00"), "21.11");
    EXPECT_EQ(S.ViscCp, 1.12);
    EXPECT_TRUE(near(S.LqdViscFt2s, 1.12 * kFt2sPerCst, 1e-6));
}

TEST_F(LiquidConversions, SetDefaultsNamesTheMakerAndRestoresEveryEntry) {
    auto& S = shared();
    loadLiquidDefaults(false);
    S.LqdFlowRateIn = 20;
    S.LqdFlowUnit = "LPM";
    S.PipeSizeIn = 25;
    S.PipeUnitIn = "MILLIMETERS";
    S.LqdViscUnit = "ssu";
    loadLiquidDefaults(true);
    modLqdRecalc();
    EXPECT_EQ(S.CustomerIn, "Quorin Dynarel Inc.");
    EXPECT_EQ(S.LqdFlowGpm, 500);
    EXPECT_EQ(S.PipeIdIn, 6.0f);
    EXPECT_EQ(S.ViscCp, 1.12);
}

TEST_F(LiquidConversions, RecalculationTakesTheDensityBeforeFlowAndViscosity) {
    // A mass flow and a dynamic viscosity both need the density entered with
    // them, not the one left from before.
    auto& S = shared();
    loadLiquidDefaults(false);
    S.LqdDensityIn = 0.8f;
    S.LqdDensUnit = "gm/cm^3";
    S.LqdFlowRateIn = 3600;
    S.LqdFlowUnit = "lbs/Hr";
    S.LqdViscIn = 1;
    S.DensityLbFt3 = 0;
    S.SpecGravity = 0;
    modLqdRecalc();
    EXPECT_TRUE(near(S.LqdFlowGpm, 3600 / 49.9424 * 7.48052 / 60, 1e-6));
    EXPECT_TRUE(near(S.LqdViscFt2s, 1.25 * kFt2sPerCst, 1e-6));
}

// ---- Back-pressure calculator --------------------------------------------

struct BackPressureCase {
    const char* name;
    float vaporPsia;
    const char* shown;
};

std::ostream& operator<<(std::ostream& os, const BackPressureCase& c) {
    return os << c.vaporPsia << " psia";
}

class LiquidBackPressure : public CoreTest,
                           public ::testing::WithParamInterface<BackPressureCase> {};

TEST_P(LiquidBackPressure, IsTwelvePsiOverTheVapourPressureLessOneAtmosphere) {
    shared().VaporPressPsia = GetParam().vaporPsia;
    modBackPressure();
    EXPECT_EQ(Format(shared().BackPressPsig, "0.0#"), GetParam().shown) << GetParam();
    EXPECT_GE(shared().BackPressPsig, 5.0f);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedFigures, LiquidBackPressure,
    ::testing::Values(BackPressureCase{"DesignValueRaisedToTheMinimum", 0.30f, "5.0"},
                      BackPressureCase{"ExactlyTheMinimum", 7.696f, "5.0"},
                      BackPressureCase{"JustBelowTheMinimum", 7.6f, "5.0"},
                      BackPressureCase{"JustAboveTheMinimum", 7.8f, "5.1"},
                      BackPressureCase{"TenPsia", 10, "7.3"},
                      BackPressureCase{"FiftyPsia", 50, "47.3"},
                      BackPressureCase{"NegativeEntry", -100, "5.0"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorin::test
