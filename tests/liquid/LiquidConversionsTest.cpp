#include <cmath>

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
        S.LqdFlowRateIn = flow, S.LqdFlowUnit = unit;
        S.PipeSizeIn = pipeIn, S.PipeUnitIn = "INCHES";
        S.LqdDensityIn = density, S.LqdDensUnit = densUnit;
        modLqdDens();
        modPipeSize();
        modLqdGpmCalc();
    }
    static void viscosity(double value, const char* unit, float specGravity) {
        auto& S = shared();
        S.SpecGravity = specGravity;
        S.LqdViscIn = value, S.LqdViscUnit = unit;
        modLqdVisc();
    }
};

// Every entry of the flow-unit list, hand computations with the unit factors
// (gallons per cubic foot 7.48052, per cubic metre 264.172; mass flows divide
// by the density as written: 3600 / 62.3663 x 7.48052 / 60 = 7.1967 GPM).
// Velocity in a 6.065 in line: GPM / 90.049; in a 2.067 in line: GPM / 10.459.
TEST_F(LiquidConversions, FlowUnitsGiveGallonsPerMinuteAndPipeVelocity) {
    const struct { float flow; const char* unit; float pipeIn; double gpm, fps; } rows[] = {
        {500, "GPM", 6.065f, 500, 5.55261},
        {100, "lpm", 6.065f, 26.418, 0.293378},
        {10, "Ft^3/Min", 6.065f, 74.8052, 0.830728},
        {1440, "Ft^3/Day", 6.065f, 7.48052, 0.0830728},
        {1, "m^3/Hr", 6.065f, 4.402867, 0.0488948},
        {1440, "m^3/Day", 6.065f, 264.172, 2.93369},
        {10, "FPS", 2.067f, 104.5905, 10},
        {600, "FPM", 2.067f, 104.5905, 10},
        {1, "MPS", 2.067f, 34.31441, 3.2808},
        {62.3663f, "lbs/Min", 6.065f, 7.48052, 0.0830728},  // water
        {3600, "lbs/Hr", 6.065f, 7.196695, 0.0799208},
        {1000, "Kg/Hr", 6.065f, 4.407347, 0.0489445},
        {1, "Metric Tons/Hr", 6.065f, 4.407347, 0.0489445}};
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.flow << " " << r.unit << " in " << r.pipeIn << " in");
        flowIn(r.flow, r.unit, r.pipeIn);
        EXPECT_TRUE(near(shared().LqdFlowGpm, r.gpm, 2e-5));
        EXPECT_TRUE(near(shared().LqdVelFps, r.fps, 2e-5));
    }
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
        EXPECT_FALSE(std::isfinite(shared().LqdFlowGpm) || std::isfinite(shared().LqdVelFps)) << unit;
    }
    flowIn(500, "GPM", 6.065f, 0);  // a volume unit does not need the density
    EXPECT_EQ(shared().LqdFlowGpm, 500);
}

TEST_F(LiquidConversions, AnUnknownUnitChangesNothing) {
    auto& S = shared();
    for (const char* unit : {"NM^3/HR", "ACFM", "gallons"}) {
        S.LqdFlowGpm = 123;
        S.LqdVelFps = 4.5f;
        flowIn(1, unit, 6.065f);
        EXPECT_EQ(std::tuple(S.LqdFlowGpm, S.LqdVelFps), std::tuple(123.0f, 4.5f)) << unit;
    }
    S.SpecGravity = 0.9f;
    S.DensityLbFt3 = 56;
    S.LqdDensityIn = 8.3f;
    S.LqdDensUnit = "lb/gal";
    modLqdDens();
    EXPECT_EQ(std::tuple(S.SpecGravity, S.DensityLbFt3), std::tuple(0.9f, 56.0));
    S.ViscCp = 3;
    S.LqdViscFt2s = 4e-5;
    viscosity(1, "poise", 1);
    EXPECT_EQ(std::tuple(S.ViscCp, S.LqdViscFt2s), std::tuple(3.0, 4e-5));
}

// Density entries: the specific gravity of lb/ft^3 is taken to water at
// 62.3663 lb/ft^3, while g/cm^3 converts with 62.428.
TEST_F(LiquidConversions, DensityUnitsGiveSpecificGravityAndPoundsPerCubicFoot) {
    const struct { float density; const char* unit; float specGravity; double lbFt3; } rows[] = {
        {49.89304f, "lbm/ft^3", 0.8f, 49.89304}, {1000, "Kg/m^3", 1, 62.428}, {0.8f, "GM/CM^3", 0.8f, 49.9424}};
    auto& S = shared();
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.density << " " << r.unit);
        S.LqdDensityIn = r.density;
        S.LqdDensUnit = r.unit;
        modLqdDens();
        EXPECT_TRUE(near(S.SpecGravity, r.specGravity, 1e-6));
        EXPECT_TRUE(near(S.DensityLbFt3, r.lbFt3, 1e-6));
    }
}

// Viscosity entries, hand computations: 1 cSt = 1.076391e-5 ft^2/s; 1 SSU =
// 1 / 4.635 cSt; cSt = cP / specific gravity.
// The lb/(ft s) row takes 1488.16 for the centipoise, 1488.164 for the
// centistokes.
TEST_F(LiquidConversions, ViscosityUnitsGiveCentipoiseAndSquareFeetPerSecond) {
    const struct { double value; const char* unit; float specGravity; double cP, cSt; } rows[] = {
        {1.25, "centistokes", 0.8f, 1, 1.25},
        {1, "lbm/ft-sec", 1, 1488.16, 1488.164},
        {0.001, "lbm/ft-sec", 0.8f, 1.48816, 1.860205},
        {1e-5, "ft^2/sec", 0.8f, 0.743224, 0.929030},
        {100, "ssu", 1, 21.57497, 21.57497},
        {100, "ssu", 0.9f, 19.41748, 21.57497},
        {2, "CENTIPOISE", 1, 2, 2}};
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.value << " " << r.unit << " at SG " << r.specGravity);
        viscosity(r.value, r.unit, r.specGravity);
        EXPECT_TRUE(near(shared().ViscCp, r.cP, 1e-6));
        EXPECT_TRUE(near(shared().LqdViscFt2s, r.cSt * kFt2sPerCst, 1e-6));
    }
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

// ---- Start-up values and the whole chain ---------------------------------

TEST_F(LiquidConversions, StartUpCaseIsWaterAt500GpmInASixInchLineAndSetDefaultsRestoresIt) {
    auto& S = shared();
    for (const bool setDefaults : {false, true}) {
        SCOPED_TRACE(setDefaults ? "Set Defaults" : "start-up");
        S.LqdFlowRateIn = 20, S.LqdFlowUnit = "LPM", S.PipeSizeIn = 25, S.PipeUnitIn = "MILLIMETERS";
        S.LqdViscUnit = "ssu";
        loadLiquidDefaults(setDefaults);
        modLqdRecalc();
        EXPECT_EQ(S.CustomerIn, setDefaults ? "Quorin Dynarel Inc." : "Customer");
        EXPECT_EQ(std::tuple(S.MediaIn, S.LqdFlowUnit, S.LqdDensUnit, S.LqdViscUnit),
                  std::tuple("WATER", "GPM", "lbm/ft^3", "centipoise"));
        EXPECT_EQ(std::tuple(S.SpecGravity, S.PipeIdIn, S.LqdFlowGpm, S.TempDegF), std::tuple(1.0f, 6.0f, 500.0f, 70.0f));
        EXPECT_DOUBLE_EQ(S.DensityLbFt3, double(kWater));
        EXPECT_EQ(Format(S.LqdVelFps, "0.00"), "5.67");  // 500 / (36 x 2.448)
        EXPECT_TRUE(near(S.LqdViscFt2s, 1.12 * kFt2sPerCst, 1e-6));
    }
}

TEST_F(LiquidConversions, RecalculationTakesTheDensityBeforeFlowAndViscosity) {
    // A mass flow and a dynamic viscosity both need the density entered with
    // them, not the one left from before.
    auto& S = shared();
    loadLiquidDefaults(false);
    S.LqdDensityIn = 0.8f, S.LqdDensUnit = "gm/cm^3";
    S.LqdFlowRateIn = 3600, S.LqdFlowUnit = "lbs/Hr";
    S.LqdViscIn = 1;
    S.DensityLbFt3 = 0, S.SpecGravity = 0;
    modLqdRecalc();
    EXPECT_TRUE(near(S.LqdFlowGpm, 3600 / 49.9424 * 7.48052 / 60, 1e-6));
    EXPECT_TRUE(near(S.LqdViscFt2s, 1.25 * kFt2sPerCst, 1e-6));
}

// Hand computation: 12 psi over the vapour pressure less one atmosphere
// (14.696 psia), never below 5 psig.
TEST_F(LiquidConversions, BackPressure) {
    const std::pair<float, const char*> rows[] = {{7.696f, "5.0"}, {7.6f, "5.0"}, {7.8f, "5.1"},
                                                  {50, "47.3"},    {-100, "5.0"}};
    for (const auto& [vapour, shown] : rows) {
        shared().VaporPressPsia = vapour;
        modBackPressure();
        EXPECT_EQ(Format(shared().BackPressPsig, "0.0#"), shown) << vapour << " psia";
        EXPECT_GE(shared().BackPressPsig, 5.0f) << vapour << " psia";
    }
}

}  // namespace
}  // namespace quorin::test
