#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

constexpr double kFt2sPerCst = 1.076391e-5;

class LiquidConversions : public CoreTest {
protected:
    // A liquid flow entry in a pipe given by its inside diameter in inches,
    // converted as the input screen does after an edit.
    static void flowIn(float flow, const char* unit, float pipeIn, float lbFt3 = 62.3663f) {
        auto& S = shared();
        S.LqdFlowRateIn = flow;
        S.LqdFlowUnit = unit;
        S.PipeSizeIn = pipeIn;
        S.PipeUnitIn = "INCHES";
        S.DensityLbFt3 = lbFt3;
        modPipeSize();
        modLqdGpmCalc();
    }
    static void viscosity(double value, const char* unit, float specGravity) {
        shared().SpecGravity = specGravity;
        shared().LqdViscIn = value;
        shared().LqdViscUnit = unit;
        modLqdVisc();
    }
};

// Every entry of the flow-unit list, hand computations with the unit factors
// (gallons per cubic foot 7.48052, per cubic metre 264.172; mass flows divide
// by the density as written: 3600 / 62.3663 x 7.48052 / 60 = 7.1967 GPM).
// Velocity in a 6.065 in line: GPM / 90.049; in a 2.067 in line: GPM / 10.459.
// A unit the conversion does not know leaves the figures of the row before.
TEST_F(LiquidConversions, FlowUnitsGiveGallonsPerMinuteAndPipeVelocity) {
    const struct { float flow; const char* unit; float pipeIn; double gpm, fps; } rows[] = {
        {500, "GPM", 6.065f, 500, 5.55261},               {100, "lpm", 6.065f, 26.418, 0.293378},
        {10, "Ft^3/Min", 6.065f, 74.8052, 0.830728},      {1440, "Ft^3/Day", 6.065f, 7.48052, 0.0830728},
        {1, "m^3/Hr", 6.065f, 4.402867, 0.0488948},       {1440, "m^3/Day", 6.065f, 264.172, 2.93369},
        {10, "FPS", 2.067f, 104.5905, 10},                {600, "FPM", 2.067f, 104.5905, 10},
        {1, "MPS", 2.067f, 34.31441, 3.2808},             {62.3663f, "lbs/Min", 6.065f, 7.48052, 0.0830728},
        {3600, "lbs/Hr", 6.065f, 7.196695, 0.0799208},    {1000, "Kg/Hr", 6.065f, 4.407347, 0.0489445},
        {1, "Metric Tons/Hr", 6.065f, 4.407347, 0.0489445}, {1, "NM^3/HR", 6.065f, 4.407347, 0.0489445}};
    const auto& S = shared();
    for (const auto& r : rows) {
        flowIn(r.flow, r.unit, r.pipeIn);
        EXPECT_TRUE(near(S.LqdFlowGpm, r.gpm, 2e-5) && near(S.LqdVelFps, r.fps, 2e-5)) << r.unit;
    }
}

// Density entries: the specific gravity of lb/ft^3 is taken to water at
// 62.3663 lb/ft^3, while g/cm^3 converts with 62.428; an unknown unit keeps
// the figures of the row before.
TEST_F(LiquidConversions, DensityUnitsGiveSpecificGravityAndPoundsPerCubicFoot) {
    const struct { float density; const char* unit; float sg; double lbFt3; } rows[] = {
        {49.89304f, "lbm/ft^3", 0.8f, 49.89304}, {1000, "Kg/m^3", 1, 62.428},
        {0.8f, "GM/CM^3", 0.8f, 49.9424},        {8.3f, "lb/gal", 0.8f, 49.9424}};
    auto& S = shared();
    for (const auto& r : rows) {
        S.LqdDensityIn = r.density;
        S.LqdDensUnit = r.unit;
        modLqdDens();
        EXPECT_TRUE(near(S.SpecGravity, r.sg, 1e-6) && near(S.DensityLbFt3, r.lbFt3, 1e-6)) << r.unit;
    }
}

// Viscosity entries, hand computations: 1 cSt = 1.076391e-5 ft^2/s; 1 SSU =
// 1 / 4.635 cSt; cSt = cP / specific gravity; the lb/(ft s) row takes 1488.16
// for the centipoise, 1488.164 for the centistokes. A dynamic entry without a
// specific gravity gives no kinematic viscosity.
TEST_F(LiquidConversions, ViscosityUnitsGiveCentipoiseAndSquareFeetPerSecond) {
    const struct { double value; const char* unit; float specGravity; double cP, cSt; } rows[] = {
        {2, "CENTIPOISE", 1, 2, 2},        {1.25, "centistokes", 0.8f, 1, 1.25},
        {0.001, "lbm/ft-sec", 0.8f, 1.48816, 1.860205}, {1e-5, "ft^2/sec", 0.8f, 0.743224, 0.929030},
        {100, "ssu", 0.9f, 19.41748, 21.57497}, {7, "poise", 1, 19.41748, 21.57497}};  // unknown: as before
    for (const auto& r : rows) {
        viscosity(r.value, r.unit, r.specGravity);
        EXPECT_TRUE(near(shared().ViscCp, r.cP, 1e-6) &&
                    near(shared().LqdViscFt2s, r.cSt * kFt2sPerCst, 1e-6)) << r.value << " " << r.unit;
    }
    viscosity(1, "centipoise", 0);
    EXPECT_FALSE(std::isfinite(shared().LqdViscFt2s));
}

TEST_F(LiquidConversions, StartUpCaseIsWaterAt500GpmInASixInchLineAndSetDefaultsRestoresIt) {
    auto& S = shared();
    for (const bool setDefaults : {false, true}) {
        S.LqdFlowUnit = "LPM";
        S.PipeSizeIn = 25;
        loadLiquidDefaults(setDefaults);
        modLqdRecalc();
        EXPECT_EQ(S.CustomerIn, setDefaults ? "Quorin Dynarel Inc." : "Customer");
        EXPECT_EQ(std::tuple(S.SpecGravity, S.PipeIdIn, S.LqdFlowGpm, S.TempDegF, S.DensityLbFt3),
                  std::tuple(1.0f, 6.0f, 500.0f, 70.0f, double(62.3663f)));
        EXPECT_TRUE(near(S.LqdViscFt2s, 1.12 * kFt2sPerCst, 1e-6));
    }
}

// A mass flow and a dynamic viscosity both need the density entered with
// them, not the one left from before.
TEST_F(LiquidConversions, RecalculationTakesTheDensityBeforeFlowAndViscosity) {
    auto& S = shared();
    loadLiquidDefaults(false);
    S.LqdDensityIn = 0.8f;
    S.LqdDensUnit = "gm/cm^3";
    S.LqdFlowRateIn = 3600;
    S.LqdFlowUnit = "lbs/Hr";
    S.LqdViscIn = 1;
    S.SpecGravity = 0;
    modLqdRecalc();
    EXPECT_TRUE(near(S.LqdFlowGpm, 3600 / 49.9424 * 7.48052 / 60, 1e-6) &&
                near(S.LqdViscFt2s, 1.25 * kFt2sPerCst, 1e-6));
}

// Hand computation: 12 psi over the vapour pressure less one atmosphere
// (14.696 psia), never below 5 psig.
TEST_F(LiquidConversions, BackPressure) {
    for (const auto& [vapour, shown] : {std::pair{7.696f, "5.0"}, std::pair{7.8f, "5.1"}}) {
        shared().VaporPressPsia = vapour;
        modBackPressure();
        EXPECT_EQ(Format(shared().BackPressPsig, "0.0#"), shown) << vapour << " psia";
    }
}

}  // namespace
}  // namespace quorin::test
