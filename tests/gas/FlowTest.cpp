#include <ostream>
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
};

struct AcfmCase {
    const char* unit;
    double acfmPerUnit;  // FlowAcfm for an entry of 1 under conditions()
};

std::ostream& operator<<(std::ostream& os, const AcfmCase& c) { return os << c.unit; }

class AcfmConversion : public Flow, public ::testing::WithParamInterface<AcfmCase> {};

constexpr double kPr = double(14.696f), kP = 100, kT = 600, kTr = double(519.67f);
constexpr double kStd = kPr / kP * kT / kTr;

TEST_P(AcfmConversion, ConvertsEveryUnit) {
    const AcfmCase& c = GetParam();
    conditions();
    auto& S = shared();
    S.FlowRateIn = 250;
    S.FlowUnitIn = c.unit;
    modAcfmCalc();
    EXPECT_FLOAT_EQ(S.FlowAcfm, float(250 * c.acfmPerUnit)) << c.unit;
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    SixteenUnits, AcfmConversion,
    ::testing::Values(AcfmCase{"ACFM", 1}, AcfmCase{"ACF/Day", 1.0 / 1440},
                      AcfmCase{"SCFM", kStd}, AcfmCase{"SCF/Day", kStd / 1440},
                      AcfmCase{"m^3/Hr", 0.58851224}, AcfmCase{"m^3/Day", 0.58851224 / 24},
                      AcfmCase{"Nm^3/Hr", kStd * 0.58851224},
                      AcfmCase{"Nm^3/Day", kStd * 0.58851224 / 24},
                      AcfmCase{"lbs/min", 1 / 0.5}, AcfmCase{"lbs/Hr", 1.0 / 60 / 0.5},
                      AcfmCase{"Kg/Hr", 2.20462 / 60 / 0.5}, AcfmCase{"FPS", 60 * 0.19635},
                      AcfmCase{"FPM", 0.19635}, AcfmCase{"MPS", 196.847 * 0.19635},
                      AcfmCase{"LPM", 0.03532},
                      AcfmCase{"Metric Tons/Hr", 2204.62 / 60 / 0.5}));

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
    EXPECT_TRUE(messages.empty());
}

TEST_F(Flow, VelocityUnitsFollowThePipe) {
    auto& S = shared();
    airAt(100, 60, 6, 10, "FPS");
    const float six = S.FlowAcfm;
    S.PipeSizeIn = 4;
    modPipeSize();
    modAcfmCalc();
    EXPECT_FLOAT_EQ(six / S.FlowAcfm, 36.0f / 16.0f);
}

TEST_F(Flow, UnknownUnitKeepsTheFlow) {
    conditions();
    auto& S = shared();
    S.FlowAcfm = 42;
    S.FlowRateIn = 7;
    S.FlowUnitIn = "gallons";
    modAcfmCalc();
    EXPECT_EQ(S.FlowAcfm, 42);
    EXPECT_TRUE(messages.empty());
}

struct FaultCase {
    const char* name;
    const char* unit;
    float flow;
    double density, pressPsia;
    const char* message;
};

std::ostream& operator<<(std::ostream& os, const FaultCase& c) { return os << c.name; }

class AcfmFault : public Flow, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(AcfmFault, ReportsAndStoresANonFiniteFlow) {
    const FaultCase& c = GetParam();
    conditions();
    auto& S = shared();
    S.DensityLbFt3 = c.density;
    S.PressPsia = float(c.pressPsia);
    S.FlowRateIn = c.flow;
    S.FlowUnitIn = c.unit;
    modAcfmCalc();
    EXPECT_FALSE(std::isfinite(S.FlowAcfm)) << c.name;
    ASSERT_EQ(messages.size(), 1u) << c.name;
    EXPECT_EQ(messages[0], c.message) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, AcfmFault,
    ::testing::Values(
        FaultCase{"MassWithoutDensity", "lbs/Hr", 3600, 0, 100, "Error:  Division by zero"},
        FaultCase{"TonsWithoutDensity", "Metric Tons/Hr", 1, 0, 100, "Error:  Division by zero"},
        FaultCase{"StandardAtZeroPressure", "SCFM", 100, 0.5, 0, "Error:  Division by zero"},
        FaultCase{"ZeroOverZero", "lbs/min", 0, 0, 100, "Error:  Overflow"},
        FaultCase{"BeyondTheFloatRange", "Kg/Hr", 3e38f, 1e-6, 100, "Error:  Overflow"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Flow, DerivedFlowsOfTheResultsTable) {
    auto& S = shared();
    airAt(100, 60, 6, 100, "SCFM");
    modDerivedFlows();
    const double f = S.FlowAcfm, rho = S.DensityLbFt3, a = S.PipeAreaSqFt;
    EXPECT_NEAR(S.FlowScfm, 100, 1e-3);
    EXPECT_FLOAT_EQ(S.FlowCuMtrHr, float(f * 1.6992));
    EXPECT_NEAR(S.FlowNmCuMtrHr, 169.92, 2e-3);
    EXPECT_FLOAT_EQ(S.FlowPpm, float(f * rho));
    EXPECT_FLOAT_EQ(S.FlowPph, float(f * rho * 60));
    EXPECT_FLOAT_EQ(S.FlowKgHr, float(f * rho * 60 * 0.4535929094));
    EXPECT_FLOAT_EQ(S.VelFps, float(f / a / 60));
    EXPECT_FLOAT_EQ(S.VelFpm, float(f / a));
    EXPECT_FLOAT_EQ(S.VelMps, float(f / a / 196.847));
    EXPECT_FLOAT_EQ(S.FlowLpm, float(f * 28.31257078));
}

TEST_F(Flow, CubicMetresComeBackWithinTheFactorMismatch) {
    auto& S = shared();
    airAt(100, 60, 6, 1000, "m^3/Hr");
    modDerivedFlows();
    EXPECT_NE(S.FlowCuMtrHr, 1000);
    EXPECT_TRUE(near(S.FlowCuMtrHr, 1000, 2e-5));
}

TEST_F(Flow, NonFiniteFlowTravelsToTheDerivedFlows) {
    auto& S = shared();
    conditions();
    S.DensityLbFt3 = 0;
    S.FlowRateIn = 100;
    S.FlowUnitIn = "lbs/min";
    modAcfmCalc();
    modDerivedFlows();
    for (float v : {S.FlowCuMtrHr, S.FlowLpm, S.VelFps, S.VelMps})
        EXPECT_EQ(Format(v, "0.00"), "Error");
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
