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

// The worked case (1.2 kg/m^3 at 14.7 psia, 519.67 deg R gives 0.07488
// lb/ft^3 and SG 0.98) and the same gas in the other two units. The density
// routine leaves the viscosity alone.
TEST_F(OtherGas, DensityOfEveryUnitGivesPoundsPerCubicFootAndTheGravity) {
    const struct { const char* unit; double entered, lbFt3, specGravity; } rows[] = {
        {"lbm/cuft", 0.07488, 0.07488, 0.9807213}, {"LBM/CUFT", 0.07488, 0.07488, 0.9807213},
        {"Kg/m^3", 1.2, 0.07488, 0.9807213},       {"kg/M^3", 1.2, 0.07488, 0.9807213},
        {"g/cm^3", 0.0012, 0.0749136, 0.9811614},  {"G/CM^3", 0.0012, 0.0749136, 0.9811614}};
    const auto viscosityBefore = viscosity();
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.entered << " " << r.unit);
        shared().OtherDensUnit = r.unit;
        shared().OtherDensIn = r.entered;
        modOtherDensCalc();
        EXPECT_TRUE(near(shared().DensityLbFt3, r.lbFt3, 1e-12));
        EXPECT_TRUE(near(shared().SpecGravity, r.specGravity, 1e-6));
        EXPECT_EQ(Format(shared().SpecGravity, "0.00"), "0.98");
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
    EXPECT_FALSE(isShowable(shared().SpecGravity));
    EXPECT_EQ(General(shared().SpecGravity), "Error");
}

// 0.018 cP gives 1.2095e-5 lb/(ft s); the same viscosity in the other units.
// The lb/(ft s) row converts with 1488.164. The viscosity routine leaves the
// density alone.
TEST_F(OtherGas, ViscosityOfEveryUnitBecomesAConstantLaw) {
    const struct { const char* unit; double entered, lbFtSec, cp; } rows[] = {
        {"centipoise", 0.018, 1.209546e-5, 0.018},     {"CentiPoise", 0.018, 1.209546e-5, 0.018},
        {"pascal.sec", 1.8e-5, 1.209546e-5, 0.018},    {"PASCAL.SEC", 1.8e-5, 1.209546e-5, 0.018},
        {"lbm/ft.sec", 1.2095e-5, 1.2095e-5, 0.01799934358}, {"LBM/FT.Sec", 1.2095e-5, 1.2095e-5, 0.01799934358}};
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
        EXPECT_EQ(Format(shared().ViscLbFtSec, "0.0000e+0"), "1.2095e-5");
        EXPECT_EQ(density(), densityBefore);
    }
}

TEST_F(OtherGas, ADirectViscositySurvivesLaterPressureAndTemperatureEdits) {
    // Air was chosen before "OTHER": its law must not come back.
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
    for (const char* unit : {"", "kg/m3", " Kg/m^3", "lbm/cuft ", "cP", "Pa.s", "centipoise ", "lb/ft.sec"}) {
        shared().OtherDensUnit = shared().OtherViscUnit = unit;
        shared().OtherDensIn = 1.2;
        shared().OtherViscIn = 0.018;
        modOtherDensCalc();
        modOtherViscCalc();
        EXPECT_EQ(std::tuple_cat(density(), viscosity()), before) << '"' << unit << '"';
    }
}

// The worked figures of the gravity and the coefficients (7.635e-02 lb/ft^3
// for a gravity of 1; A = 5, B = 0.02 give 1.54e-5 lb/(ft s)) are checked in
// the dialog. The coefficient path converts with 1488.1617, as the gas
// formula does.
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
