// The derived flows of the results are pinned by the results text files
// (tests/reports/data); here the entered flow to ACFM.
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Flow : public CoreTest {
protected:
    // Conditions with easy numbers: P = 100, Pr = 14.696, T = 600, Tr = 519.67.
    static void flowIn(float flow, const char* unit, double density = 0.5, float psia = 100) {
        auto& S = shared();
        S.PressPsia = psia;
        S.PressRefPsia = 14.696f;
        S.TempDegR = 600;
        S.TempRefDegR = 519.67f;
        S.DensityLbFt3 = density;
        S.PipeAreaSqFt = 0.19635;
        S.FlowRateIn = flow;
        S.FlowUnitIn = unit;
        modAcfmCalc();
    }
};

// Hand computations of 250 of each unit with published factors (1 m^3 =
// 35.31467 ft^3, 1 l = 0.03531467 ft^3, 1 kg = 2.2046226 lb, 1 m/s = 196.8504
// ft/min), standard volumes scaled by 14.696 / 100 x 600 / 519.67, 0.5 lb/ft^3,
// 0.19635 ft^2; the program's own factors agree within 0.02 %.
TEST_F(Flow, EveryUnitConvertsToAcfm) {
    const std::pair<const char*, double> rows[] = {
        {"ACFM", 250},         {"ACF/Day", 0.173611}, {"SCFM", 42.4192},    {"SCF/Day", 0.0294578},
        {"m^3/Hr", 147.144},   {"m^3/Day", 6.13102},  {"Nm^3/Hr", 24.967},  {"Nm^3/Day", 1.04029},
        {"lbs/min", 500},      {"lbs/Hr", 8.33333},   {"Kg/Hr", 18.3719},   {"FPS", 2945.25},
        {"FPM", 49.0875},      {"MPS", 9662.89},      {"LPM", 8.82867},     {"Metric Tons/Hr", 18371.9}};
    for (const auto& [unit, acfm] : rows) {
        flowIn(250, unit);
        EXPECT_TRUE(near(shared().FlowAcfm, acfm, 2e-4)) << unit;
    }
    // An unknown unit keeps the flow.
    shared().FlowAcfm = 42;
    flowIn(7, "gallons");
    EXPECT_EQ(shared().FlowAcfm, 42);
    EXPECT_TRUE(messages.empty());
}

// The fault is reported, and the non-finite result stored (it shows "Error"
// on the results).
TEST_F(Flow, ANonFiniteFlowIsReportedAndStored) {
    const struct { const char* unit; float flow; double density; float psia; const char* message; } rows[] = {
        {"lbs/Hr", 3600, 0, 100, "Error:  Division by zero"},  // mass without density
        {"SCFM", 100, 0.5, 0, "Error:  Division by zero"},     // standard at zero pressure
        {"lbs/min", 0, 0, 100, "Error:  Overflow"},            // zero over zero
        {"Kg/Hr", 3e38f, 1e-6, 100, "Error:  Overflow"}};      // beyond the float range
    for (const auto& r : rows) {
        messages.clear();
        flowIn(r.flow, r.unit, r.density, r.psia);
        EXPECT_FALSE(std::isfinite(shared().FlowAcfm)) << r.unit;
        EXPECT_EQ(messages, std::vector<std::string>{r.message}) << r.unit;
    }
}

// Hand computation: 10 ft/s x 0.5 lb/ft^3 x 0.0079167 ft / 1.2e-5 lb/(ft s).
TEST_F(Flow, ReynoldsNumberInFootPoundSecondUnits) {
    auto& S = shared();
    S.ReyVelFps = 10;
    S.DensityLbFt3 = 0.5;
    S.ReyDimFt = 0.0079167;
    S.ViscLbFtSec = 1.2e-5;
    modReynolds();
    EXPECT_TRUE(near(S.ReynoldsNo, 3298.625, 1e-6));
    S.ViscLbFtSec = 0;
    modReynolds();
    EXPECT_FALSE(std::isfinite(S.ReynoldsNo));
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace quorin::test
