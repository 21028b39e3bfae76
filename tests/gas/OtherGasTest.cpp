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
        const auto& S = shared();
        return std::tuple(S.ViscLbFtSec, S.ViscCp, S.ViscCoefA, S.ViscCoefB);
    }
};

// Hand computation: 1.2 kg/m^3 x 0.0624 = 0.07488 lb/ft^3, gravity
// 0.07488 x 519.67 x 0.370484 / 14.7 = 0.98 at 14.7 psia and 519.67 deg R;
// the same gas in the other two units. The density routine leaves the
// viscosity alone.
TEST_F(OtherGas, DensityOfEveryUnitGivesPoundsPerCubicFootAndTheGravity) {
    const struct { const char* unit; double entered, lbFt3, specGravity; } rows[] = {
        {"LBM/CUFT", 0.07488, 0.07488, 0.9807213}, {"kg/M^3", 1.2, 0.07488, 0.9807213},
        {"g/cm^3", 0.0012, 0.0749136, 0.9811614}};
    const auto viscosityBefore = viscosity();
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.entered << " " << r.unit);
        shared().OtherDensUnit = r.unit;
        shared().OtherDensIn = r.entered;
        modOtherDensCalc();
        EXPECT_TRUE(near(shared().DensityLbFt3, r.lbFt3, 1e-12));
        EXPECT_TRUE(near(shared().SpecGravity, r.specGravity, 1e-6));
        EXPECT_EQ(viscosity(), viscosityBefore);
    }
}

TEST_F(OtherGas, AnEnteredDensityComesBackFromTheGasFormulaAtTheSamePoint) {
    shared().MediaIn = "OTHER";
    shared().OtherDensUnit = "lbm/cuft";
    shared().OtherDensIn = 0.2;
    modOtherDensCalc();
    modCalcDensVisc();
    EXPECT_TRUE(near(shared().DensityLbFt3, 0.2, 1e-6));
    shared().PressPsia = 29.4f;  // twice the pressure, twice the density
    modCalcDensVisc();
    EXPECT_TRUE(near(shared().DensityLbFt3, 0.4, 1e-6));
    // At zero pressure the gravity is stored as a number that is not finite.
    shared().PressPsia = 0;
    shared().OtherDensIn = 0.07;
    modOtherDensCalc();
    EXPECT_EQ(shared().DensityLbFt3, 0.07);
    EXPECT_EQ(General(shared().SpecGravity), "Error");
}

// Hand computation: 0.018 cP / 1488.164 = 1.2095e-5 lb/(ft s), and the same
// viscosity in the other units. The viscosity routine leaves the density
// alone and stores the constant law A = lb/(ft s) x 10^6, B = 0.
TEST_F(OtherGas, ViscosityOfEveryUnitBecomesAConstantLaw) {
    const struct { const char* unit; double entered, lbFtSec, cp; } rows[] = {
        {"CentiPoise", 0.018, 1.209546e-5, 0.018}, {"PASCAL.SEC", 1.8e-5, 1.209546e-5, 0.018},
        {"lbm/ft.sec", 1.2095e-5, 1.2095e-5, 0.01799934358}};
    const auto densityBefore = density();
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.entered << " " << r.unit);
        shared().OtherViscUnit = r.unit;
        shared().OtherViscIn = r.entered;
        modOtherViscCalc();
        EXPECT_TRUE(near(shared().ViscLbFtSec, r.lbFtSec, 1e-9));
        EXPECT_TRUE(near(shared().ViscCp, r.cp, 1e-9));
        EXPECT_TRUE(near(shared().ViscCoefA, r.lbFtSec * 1e6, 1e-7));
        EXPECT_EQ(shared().ViscCoefB, 0.0f);
        EXPECT_EQ(density(), densityBefore);
    }
}

// Mended fault: air was chosen before "OTHER", and its law must not come
// back with the next pressure or temperature edit.
TEST_F(OtherGas, ADirectViscositySurvivesLaterPressureAndTemperatureEdits) {
    shared().MediaIn = "OTHER";
    shared().OtherViscUnit = "centipoise";
    shared().OtherViscIn = 0.018;
    modOtherViscCalc();
    shared().PressPsia = 100;
    shared().TempDegR = 800;
    modCalcDensVisc();
    EXPECT_TRUE(near(shared().ViscCp, 0.018, 1e-5));
    EXPECT_TRUE(near(shared().ViscLbFtSec, 1.209546e-5, 1e-6));
}

// Empty is the unit before any choice; the others are near misses.
TEST_F(OtherGas, AnUnknownUnitChangesNothing) {
    const auto before = std::tuple_cat(density(), viscosity());
    for (const char* unit : {"", "kg/m3", " Kg/m^3", "lbm/cuft ", "cP", "Pa.s", "lb/ft.sec"}) {
        shared().OtherDensUnit = shared().OtherViscUnit = unit;
        shared().OtherDensIn = 1.2;
        shared().OtherViscIn = 0.018;
        modOtherDensCalc();
        modOtherViscCalc();
        EXPECT_EQ(std::tuple_cat(density(), viscosity()), before) << '"' << unit << '"';
    }
}

// Hand computation: A = 5, B = 0.02 at 519.67 deg R give (5 + 0.02 x 519.67)
// x 10^-6 = 1.539e-5 lb/(ft s), 0.0229 cP with 1488.1617, as the gas formula.
TEST_F(OtherGas, TheCoefficientLawConvertsAsTheGasFormula) {
    shared().ViscCoefA = 5;
    shared().ViscCoefB = 0.02f;
    modOtherViscCoefs();
    EXPECT_EQ(Format(shared().ViscCp, "0.0000"), "0.0229");
    EXPECT_DOUBLE_EQ(shared().ViscCp, shared().ViscLbFtSec * 1488.1617);
    shared().MediaIn = "OTHER";
    const double cp = shared().ViscCp;
    modCalcDensVisc();
    EXPECT_TRUE(near(shared().ViscCp, cp, 1e-12));
}

}  // namespace
}  // namespace quorin::test
