#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Flow : public CoreTest {
protected:
    // Conditions with easy numbers: P = 100, Pr = 14.696, T = 600, Tr = 519.67.
    static void conditions() {
        auto& S = shared();
        S.PressPsia = 100;
        S.PressRefPsia = 14.696f;
        S.TempDegR = 600;
        S.TempRefDegR = 519.67f;
        S.DensityLbFt3 = 0.5;
        S.PipeAreaSqFt = 0.19635;
    }
    static void flowIn(float flow, const char* unit) {
        conditions();
        shared().FlowRateIn = flow;
        shared().FlowUnitIn = unit;
        modAcfmCalc();
    }
};

// An entry of 250 of each unit under conditions().
TEST_F(Flow, EveryUnitConvertsToAcfm) {
    constexpr double kStd = double(14.696f) / 100 * 600 / double(519.67f);
    const std::pair<const char*, double> rows[] = {
        {"ACFM", 1},                     {"ACF/Day", 1.0 / 1440},
        {"SCFM", kStd},                  {"SCF/Day", kStd / 1440},
        {"m^3/Hr", 0.58851224},          {"m^3/Day", 0.58851224 / 24},
        {"Nm^3/Hr", kStd * 0.58851224},  {"Nm^3/Day", kStd * 0.58851224 / 24},
        {"lbs/min", 1 / 0.5},            {"lbs/Hr", 1.0 / 60 / 0.5},
        {"Kg/Hr", 2.20462 / 60 / 0.5},   {"FPS", 60 * 0.19635},
        {"FPM", 0.19635},                {"MPS", 196.847 * 0.19635},
        {"LPM", 0.03532},                {"Metric Tons/Hr", 2204.62 / 60 / 0.5}};
    for (const auto& [unit, acfmPerUnit] : rows) {
        flowIn(250, unit);
        EXPECT_FLOAT_EQ(shared().FlowAcfm, float(250 * acfmPerUnit)) << unit;
    }
    EXPECT_TRUE(messages.empty());
    // An unknown unit keeps the flow.
    shared().FlowAcfm = 42;
    flowIn(7, "gallons");
    EXPECT_EQ(shared().FlowAcfm, 42);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Flow, WorkedConversions) {
    auto& S = shared();
    airAt(100, 60, 6, 100, "SCFM");
    EXPECT_EQ(Format(S.FlowAcfm, "0.000"), "12.813");
    S.FlowUnitIn = "LPM";
    modAcfmCalc();
    EXPECT_EQ(Format(S.FlowAcfm, "0.000"), "3.532");
    airAt(250, 300, 2, 1600);
    EXPECT_EQ(S.FlowAcfm, 1600);
    // Reference conditions equal to the operating ones: SCFM is ACFM.
    airAt(0, 60, 6, 100, "SCFM");
    EXPECT_FLOAT_EQ(S.FlowAcfm, 100);
    // Velocity units follow the pipe.
    airAt(100, 60, 6, 10, "FPS");
    const float six = S.FlowAcfm;
    S.PipeSizeIn = 4;
    modPipeSize();
    modAcfmCalc();
    EXPECT_FLOAT_EQ(six / S.FlowAcfm, 36.0f / 16.0f);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Flow, ANonFiniteFlowIsReportedStoredAndCarriedToTheDerivedFlows) {
    const struct { const char* unit; float flow; double density, pressPsia; const char* message; } rows[] = {
        {"lbs/Hr", 3600, 0, 100, "Error:  Division by zero"},  // mass without density
        {"Metric Tons/Hr", 1, 0, 100, "Error:  Division by zero"},
        {"SCFM", 100, 0.5, 0, "Error:  Division by zero"},     // standard at zero pressure
        {"lbs/min", 0, 0, 100, "Error:  Overflow"},            // zero over zero
        {"Kg/Hr", 3e38f, 1e-6, 100, "Error:  Overflow"}};      // beyond the float range
    auto& S = shared();
    for (const auto& r : rows) {
        SCOPED_TRACE(r.unit);
        messages.clear();
        conditions();
        S.DensityLbFt3 = r.density;
        S.PressPsia = float(r.pressPsia);
        S.FlowRateIn = r.flow;
        S.FlowUnitIn = r.unit;
        modAcfmCalc();
        EXPECT_FALSE(std::isfinite(S.FlowAcfm));
        EXPECT_EQ(messages, std::vector<std::string>{r.message});
        const GasResultsView view = modGasResults();
        for (float v : {view.FlowCuMtrHr, view.FlowLpm, view.VelFps, view.VelMps}) EXPECT_EQ(Format(v, "0.00"), "Error");
    }
}

TEST_F(Flow, DerivedFlowsOfTheResultsTable) {
    auto& S = shared();
    airAt(100, 60, 6, 100, "SCFM");
    GasResultsView v = modGasResults();
    const double f = S.FlowAcfm, rho = S.DensityLbFt3, a = S.PipeAreaSqFt;
    EXPECT_NEAR(v.FlowScfm, 100, 1e-3);
    EXPECT_FLOAT_EQ(v.FlowCuMtrHr, float(f * 1.6992));
    EXPECT_NEAR(v.FlowNmCuMtrHr, 169.92, 2e-3);
    EXPECT_FLOAT_EQ(v.FlowPpm, float(f * rho));
    EXPECT_FLOAT_EQ(v.FlowPph, float(f * rho * 60));
    EXPECT_FLOAT_EQ(v.FlowKgHr, float(f * rho * 60 * 0.4535929094));
    EXPECT_FLOAT_EQ(v.VelFps, float(f / a / 60));
    EXPECT_FLOAT_EQ(v.VelFpm, float(f / a));
    EXPECT_FLOAT_EQ(v.VelMps, float(f / a / 196.847));
    EXPECT_FLOAT_EQ(v.FlowLpm, float(f * 28.31257078));
    // Cubic metres come back within the mismatch of the two factors.
    airAt(100, 60, 6, 1000, "m^3/Hr");
    v = modGasResults();
    EXPECT_NE(v.FlowCuMtrHr, 1000);
    EXPECT_TRUE(near(v.FlowCuMtrHr, 1000, 2e-5));
}

TEST_F(Flow, ReynoldsNumberInFootPoundSecondUnits) {
    auto& S = shared();
    S.ReyVelFps = 10;
    S.DensityLbFt3 = 0.5;
    S.ReyDimFt = 0.0079167;
    S.ViscLbFtSec = 1.2e-5;
    modReynolds();
    EXPECT_FLOAT_EQ(S.ReynoldsNo, float(10 * 0.5 * 0.0079167 / 1.2e-5));
    S.ViscLbFtSec = 0;
    modReynolds();
    EXPECT_FALSE(std::isfinite(S.ReynoldsNo));
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace quorin::test
