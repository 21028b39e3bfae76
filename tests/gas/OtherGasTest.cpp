#include <limits>
#include <ostream>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

// The operating point of the worked figures: 14.7 psia and 60 deg F.
void atStandardConditions() {
    shared().PressPsia = 14.7f;
    shared().TempDegR = 519.67f;
}

// Values no routine of the custom gas writes, so a change is visible.
void fillWithSentinels() {
    auto& S = shared();
    S.DensityLbFt3 = 9.5;
    S.SpecGravity = 0.75f;
    S.ViscLbFtSec = 2.5e-5;
    S.ViscCp = 0.037;
    S.ViscCoefA = 2.6434f;
    S.ViscCoefB = 0.0176f;
}

void expectSentinelsKept() {
    const auto& S = shared();
    EXPECT_EQ(S.DensityLbFt3, 9.5);
    EXPECT_EQ(S.SpecGravity, 0.75f);
    EXPECT_EQ(S.ViscLbFtSec, 2.5e-5);
    EXPECT_EQ(S.ViscCp, 0.037);
    EXPECT_EQ(S.ViscCoefA, 2.6434f);
    EXPECT_EQ(S.ViscCoefB, 0.0176f);
}

class OtherGas : public CoreTest {};

// ---- Density in each unit of the density dialog ---------------------------
// Figures: the worked case (1.2 kg/m^3 at 14.7 psia, 519.67 deg R gives
// 0.07488 lb/ft^3 and SG 0.98) and the same gas in the other two units.
struct DensityRow {
    const char* unit;
    double entered;
    double lbFt3;
    double specGravity;
};
std::ostream& operator<<(std::ostream& os, const DensityRow& r) {
    return os << r.entered << " \"" << r.unit << "\"";
}

class OtherDensity : public CoreTest, public ::testing::WithParamInterface<DensityRow> {};

TEST_P(OtherDensity, ConvertsToPoundsPerCubicFootAndTheGravityAtTheOperatingPoint) {
    const DensityRow& r = GetParam();
    atStandardConditions();
    fillWithSentinels();
    shared().OtherDensUnit = r.unit;
    shared().OtherDensIn = r.entered;
    modOtherDensCalc();
    EXPECT_TRUE(near(shared().DensityLbFt3, r.lbFt3, 1e-12)) << r;
    EXPECT_TRUE(near(shared().SpecGravity, r.specGravity, 1e-6)) << r;
    EXPECT_EQ(Format(shared().SpecGravity, "0.00"), "0.98") << r;
    // The density routine leaves the viscosity alone.
    EXPECT_EQ(shared().ViscCp, 0.037);
    EXPECT_EQ(shared().ViscCoefA, 2.6434f);
}

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, OtherDensity,
    ::testing::Values(DensityRow{"lbm/cuft", 0.07488, 0.07488, 0.9807213},
                      DensityRow{"LBM/CUFT", 0.07488, 0.07488, 0.9807213},
                      DensityRow{"Kg/m^3", 1.2, 0.07488, 0.9807213},
                      DensityRow{"kg/M^3", 1.2, 0.07488, 0.9807213},
                      DensityRow{"g/cm^3", 0.0012, 0.0749136, 0.9811614},
                      DensityRow{"G/CM^3", 0.0012, 0.0749136, 0.9811614}));

TEST_F(OtherGas, AnEnteredDensityComesBackFromTheGasFormulaAtTheSamePoint) {
    atStandardConditions();
    shared().MediaIn = "OTHER";
    shared().OtherDensUnit = "lbm/cuft";
    shared().OtherDensIn = 0.2;
    modOtherDensCalc();
    modCalcDensVisc();
    EXPECT_TRUE(near(shared().DensityLbFt3, 0.2, 1e-6));
    // Twice the pressure, twice the density.
    shared().PressPsia = 29.4f;
    modCalcDensVisc();
    EXPECT_TRUE(near(shared().DensityLbFt3, 0.4, 1e-6));
}

TEST_F(OtherGas, AZeroPressureStoresANonFiniteGravityWithoutStopping) {
    shared().PressPsia = 0;
    shared().TempDegR = 519.67f;
    shared().OtherDensUnit = "lbm/cuft";
    shared().OtherDensIn = 0.07;
    modOtherDensCalc();
    EXPECT_EQ(shared().DensityLbFt3, 0.07);
    EXPECT_FALSE(isShowable(shared().SpecGravity));
    EXPECT_EQ(General(shared().SpecGravity), "Error");
}

// ---- Viscosity in each unit of the viscosity dialog -----------------------
// Figures: 0.018 cP gives 1.2095e-5 lb/(ft s); the same viscosity in the
// other units. The lb/(ft s) row converts with 1488.164.
struct ViscosityRow {
    const char* unit;
    double entered;
    double lbFtSec;
    double cp;
};
std::ostream& operator<<(std::ostream& os, const ViscosityRow& r) {
    return os << r.entered << " \"" << r.unit << "\"";
}

class OtherViscosity : public CoreTest, public ::testing::WithParamInterface<ViscosityRow> {};

TEST_P(OtherViscosity, ConvertsAndBecomesAConstantLaw) {
    const ViscosityRow& r = GetParam();
    atStandardConditions();
    fillWithSentinels();
    shared().OtherViscUnit = r.unit;
    shared().OtherViscIn = r.entered;
    modOtherViscCalc();
    EXPECT_TRUE(near(shared().ViscLbFtSec, r.lbFtSec, 1e-9)) << r;
    EXPECT_TRUE(near(shared().ViscCp, r.cp, 1e-9)) << r;
    EXPECT_TRUE(near(shared().ViscCoefA, r.lbFtSec * 1e6, 1e-7)) << r;
    EXPECT_EQ(shared().ViscCoefB, 0.0f) << r;
    EXPECT_EQ(Format(shared().ViscLbFtSec, "0.0000e+0"), "1.2095e-5") << r;
    // The viscosity routine leaves the density alone.
    EXPECT_EQ(shared().DensityLbFt3, 9.5);
    EXPECT_EQ(shared().SpecGravity, 0.75f);
}

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, OtherViscosity,
    ::testing::Values(ViscosityRow{"centipoise", 0.018, 1.209546e-5, 0.018},
                      ViscosityRow{"CentiPoise", 0.018, 1.209546e-5, 0.018},
                      ViscosityRow{"pascal.sec", 1.8e-5, 1.209546e-5, 0.018},
                      ViscosityRow{"PASCAL.SEC", 1.8e-5, 1.209546e-5, 0.018},
                      ViscosityRow{"lbm/ft.sec", 1.2095e-5, 1.2095e-5, 0.01799934358},
                      ViscosityRow{"LBM/FT.Sec", 1.2095e-5, 1.2095e-5, 0.01799934358}));

TEST_F(OtherGas, ADirectViscositySurvivesLaterPressureAndTemperatureEdits) {
    // Air was chosen before "OTHER": its law must not come back.
    shared().MediaIn = "OTHER";
    shared().ViscCoefA = 2.6434f;
    shared().ViscCoefB = 0.0176f;
    atStandardConditions();
    shared().OtherViscUnit = "centipoise";
    shared().OtherViscIn = 0.018;
    modOtherViscCalc();
    shared().PressPsia = 100;
    shared().TempDegR = 800;
    modCalcDensVisc();
    EXPECT_TRUE(near(shared().ViscCp, 0.018, 1e-5));
    EXPECT_TRUE(near(shared().ViscLbFtSec, 1.209546e-5, 1e-6));
}

// ---- A unit that is none of the listed ones --------------------------------
class UnknownOtherGasUnit : public CoreTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnknownOtherGasUnit, ChangesNeitherDensityNorGravity) {
    atStandardConditions();
    fillWithSentinels();
    shared().OtherDensUnit = GetParam();
    shared().OtherDensIn = 1.2;
    modOtherDensCalc();
    expectSentinelsKept();
}

TEST_P(UnknownOtherGasUnit, ChangesNoViscosityNorCoefficient) {
    atStandardConditions();
    fillWithSentinels();
    shared().OtherViscUnit = GetParam();
    shared().OtherViscIn = 0.018;
    modOtherViscCalc();
    expectSentinelsKept();
}

// Empty is the unit before any choice; the others are near misses.
INSTANTIATE_TEST_SUITE_P(NearMisses, UnknownOtherGasUnit,
                         ::testing::Values("", "kg/m3", " Kg/m^3", "lbm/cuft ", "cP",
                                           "Pa.s", "centipoise ", "lb/ft.sec"));

// ---- The two direct entries of the dialog ---------------------------------
TEST_F(OtherGas, AGravityOfOneGivesTheDensityOfAir) {
    atStandardConditions();
    shared().SpecGravity = 1;
    modOtherSgDensity();
    EXPECT_TRUE(near(shared().DensityLbFt3, 0.0764, 1e-3));
    EXPECT_EQ(Format(shared().DensityLbFt3, "0.000e+00"), "7.635e-02");
}

TEST_F(OtherGas, TheCoefficientLawAtSixtyDegrees) {
    atStandardConditions();
    shared().ViscCoefA = 5;
    shared().ViscCoefB = 0.02f;
    modOtherViscCoefs();
    EXPECT_EQ(Format(shared().ViscLbFtSec, "0.00e+0"), "1.54e-5");
    EXPECT_EQ(Format(shared().ViscCp, "0.0000"), "0.0229");
    // The coefficient path converts with 1488.1617, as the gas formula does.
    shared().MediaIn = "OTHER";
    const double cp = shared().ViscCp;
    modCalcDensVisc();
    EXPECT_TRUE(near(shared().ViscCp, cp, 1e-12));
}

}  // namespace
}  // namespace quorin::test
