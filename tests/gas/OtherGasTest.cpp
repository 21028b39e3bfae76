#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class OtherGas : public CoreTest {
protected:
    // The operating point of the worked figures: 14.7 psia and 60 deg F, and
    // values no routine of the custom gas writes, so a change is visible.
    void SetUp() override {
        CoreTest::SetUp();
        auto& S = shared();
        S.MediaIn = "OTHER";
        S.PressPsia = 14.7f;
        S.TempDegR = 519.67f;
        S.DensityLbFt3 = 9.5;
        S.SpecGravity = 0.75f;
        S.ViscLbFtSec = 2.5e-5;
        S.ViscCp = 0.037;
        S.ViscCoefA = 2.6434f;
        S.ViscCoefB = 0.0176f;
    }
    static auto density() { return std::tuple(shared().DensityLbFt3, shared().SpecGravity); }
    static auto viscosity() {
        return std::tuple(shared().ViscLbFtSec, shared().ViscCp, shared().ViscCoefA, shared().ViscCoefB);
    }
};

// Hand computations: 1.2 kg/m^3 x 0.0624 = 0.07488 lb/ft^3, gravity
// 0.07488 x 519.67 x 0.370484 / 14.7 = 0.98 at 14.7 psia and 519.67 deg R;
// 0.018 cP / 1488.164 = 1.2095e-5 lb/(ft s). Each routine leaves the other
// property alone; a viscosity becomes the constant law A = lb/(ft s) x 10^6,
// B = 0. An empty unit (before any choice) or a near miss changes nothing.
TEST_F(OtherGas, DensityAndViscosityOfEveryUnit) {
    const struct { const char* unit; double entered, lbFt3, sg; } densities[] = {
        {" Kg/m^3", 1.2, 9.5, 0.75},               {"LBM/CUFT", 0.07488, 0.07488, 0.9807213},
        {"kg/M^3", 1.2, 0.07488, 0.9807213},       {"g/cm^3", 0.0012, 0.0749136, 0.9811614}};
    auto& S = shared();
    const auto viscosityBefore = viscosity();
    for (const auto& r : densities) {
        S.OtherDensUnit = r.unit;
        S.OtherDensIn = r.entered;
        modOtherDensCalc();
        EXPECT_TRUE(near(S.DensityLbFt3, r.lbFt3, 1e-12) && near(S.SpecGravity, r.sg, 1e-6)) << r.unit;
        EXPECT_EQ(viscosity(), viscosityBefore) << r.unit;
    }
    const struct { const char* unit; double entered, lbFtSec, cp; } viscosities[] = {
        {"", 0.018, 2.5e-5, 0.037},                {"CentiPoise", 0.018, 1.209546e-5, 0.018},
        {"PASCAL.SEC", 1.8e-5, 1.209546e-5, 0.018}, {"lbm/ft.sec", 1.2095e-5, 1.2095e-5, 0.01799934358}};
    const auto densityBefore = density();
    for (const auto& r : viscosities) {
        S.OtherViscUnit = r.unit;
        S.OtherViscIn = r.entered;
        modOtherViscCalc();
        EXPECT_TRUE(near(S.ViscLbFtSec, r.lbFtSec, 1e-9) && near(S.ViscCp, r.cp, 1e-9)) << r.unit;
        EXPECT_TRUE(near(S.ViscCoefA, r.unit[0] ? r.lbFtSec * 1e6 : 2.6434, 1e-7) &&
                    S.ViscCoefB == (r.unit[0] ? 0 : 0.0176f)) << r.unit;
        EXPECT_EQ(density(), densityBefore) << r.unit;
    }
}

// An entered density comes back from the gas formula and from the gravity at
// the same point, and doubles with the pressure; at zero pressure the gravity
// is not finite.
TEST_F(OtherGas, AnEnteredDensityComesBackFromTheGravity) {
    auto& S = shared();
    S.OtherDensUnit = "lbm/cuft";
    S.OtherDensIn = 0.2;
    modOtherDensCalc();
    modCalcDensVisc();
    EXPECT_TRUE(near(S.DensityLbFt3, 0.2, 1e-6));
    S.PressPsia = 29.4f;
    modOtherSgDensity();
    EXPECT_TRUE(near(S.DensityLbFt3, 0.4, 1e-6));
    S.PressPsia = 0;
    modOtherDensCalc();
    EXPECT_EQ(std::tuple(S.DensityLbFt3, General(S.SpecGravity)), std::tuple(0.2, "Error"));
}

// Mended fault: a viscosity entered directly survives the next temperature
// (or pressure) edit (the law of air, chosen before "OTHER", must not return).
// Hand computation: A = 5, B = 0.02 at 519.67 deg R give (5 + 0.02 x 519.67)
// x 10^-6 lb/(ft s), 0.0229 cP, as the gas formula.
TEST_F(OtherGas, ViscosityLawsSurviveARecalculation) {
    auto& S = shared();
    S.OtherViscUnit = "centipoise";
    S.OtherViscIn = 0.018;
    modOtherViscCalc();
    S.TempDegR = 800;
    modCalcDensVisc();
    EXPECT_TRUE(near(S.ViscCp, 0.018, 1e-5));
    S.TempDegR = 519.67f;
    S.ViscCoefA = 5;
    S.ViscCoefB = 0.02f;
    modOtherViscCoefs();
    EXPECT_EQ(Format(S.ViscCp, "0.0000"), "0.0229");
}

}  // namespace
}  // namespace quorin::test
