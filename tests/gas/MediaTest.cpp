#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Media : public CoreTest {
protected:
    static void at(const char* medium, float psia, float degF) {
        shared().MediaIn = medium;
        shared().PressPsia = psia;
        shared().TempDegR = float(double(degF) + 459.67);
        modMediaIn();
    }
    // The ideal-gas density of the medium's specific gravity.
    static double idealGas(double specGravity) {
        return double(shared().PressPsia) * specGravity / (double(shared().TempDegR) * 0.370484);
    }
};

// Saturated steam: the steam routine's density against the published steam
// tables (specific volume 5.588 ft^3/lb at 100 psia and 500 deg F, 26.80 at
// 14.696 psia and 212 deg F); the viscosity by the steam law.
TEST_F(Media, SaturatedSteamMatchesTheSteamTables) {
    const struct { float psia, degF; const char *density, *volume, *pattern; } rows[] = {
        {100, 500, "0.17896", "5.588", "0.000"}, {250, 407, "0.53661", "1.864", "0.000"},
        {14.696f, 212, "0.03732", "26.80", "0.00"}};
    auto& S = shared();
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.psia << " psia " << r.degF << " F");
        at(kSteamSaturated, r.psia, r.degF);
        EXPECT_EQ(Format(S.DensityLbFt3, "0.00000"), r.density);
        EXPECT_EQ(Format(1 / S.DensityLbFt3, r.pattern), r.volume);
    }
    EXPECT_EQ(Format(S.ViscCp, "0.00000"), "0.01200");
}

// Hand computations: air (gravity 1) at 100 psia and 60 deg F is
// 100 / (519.67 x 0.370484) = 0.51940 lb/ft^3; acetylene's viscosity law has
// no temperature term.
TEST_F(Media, AirIsAnIdealGasWithALinearViscosity) {
    auto& S = shared();
    at("AIR", 100, 60);
    EXPECT_EQ(Format(S.DensityLbFt3, "0.00000"), "0.51940");
    EXPECT_EQ(Format(S.ViscCp, "0.00000"), "0.01754");
    EXPECT_DOUBLE_EQ(S.ViscCp, S.ViscLbFtSec * 1488.1617);
    for (float degF : {-40.0f, 500.0f}) {
        at("acetylene", 50, degF);
        EXPECT_EQ(Format(S.ViscCp, "0.00000"), "0.00935") << degF;
    }
}

// Every medium is found by its name and sets its constants; each but
// saturated steam ends with the ideal-gas density.
TEST_F(Media, EveryTableRowSetsItsConstants) {
    auto& S = shared();
    for (const GasMedium& m : gasMedia()) {
        S.SpecGravity = S.ViscCoefA = S.ViscCoefB = -99;
        at(m.name.c_str(), 100, 60);
        EXPECT_EQ(std::tuple(S.SpecGravity, S.ViscCoefA, S.ViscCoefB),
                  std::tuple(m.specGravity, m.viscCoefA, m.viscCoefB))
            << m.name;
        if (m.name != kSteamSaturated) {
            EXPECT_DOUBLE_EQ(S.DensityLbFt3, idealGas(m.specGravity)) << m.name;
        }
    }
    // Plain steam, and saturated steam in lower case, are treated as a gas.
    for (const char* medium : {"STEAM", "steam (saturated)"}) {
        at(medium, 100, 500);
        EXPECT_DOUBLE_EQ(S.DensityLbFt3, idealGas(double(0.6318f))) << medium;
    }
}

TEST_F(Media, TheScreenListLeavesOutAcetyleneAndPlainSteamAndEndsWithOther) {
    const auto list = gasMediaList();
    EXPECT_EQ(list.size(), gasMedia().size() - 1);
    EXPECT_EQ(list.back(), "OTHER");
    EXPECT_EQ(std::count(list.begin(), list.end(), "STEAM") + std::count(list.begin(), list.end(), "ACETYLENE"), 0);
}

TEST_F(Media, OtherAsksForTheCustomGasAndKeepsItsValues) {
    auto& S = shared();
    S.OtherMediaFlag = true;
    hooks().showCustomGas = [this] {
        ++customGasAsked;
        shared().SpecGravity = 0.5f;
        shared().DensityLbFt3 = 0.123;
    };
    at("OTHER", 100, 60);
    EXPECT_EQ(customGasAsked, 1);
    EXPECT_FALSE(S.OtherMediaFlag);
    EXPECT_EQ(S.DensityLbFt3, 0.123);  // no density recomputation after the dialog
    modCalcDensVisc();                 // the next pressure edit recomputes from the constants
    EXPECT_DOUBLE_EQ(S.DensityLbFt3, idealGas(0.5));
}

// A name the table lacks keeps the constants of the medium before it.
TEST_F(Media, UnknownMediumKeepsTheConstantsAndRecomputes) {
    at("ARGON", 100, 60);
    const float gravity = shared().SpecGravity;
    at("KRYPTON", 200, 60);
    EXPECT_EQ(shared().SpecGravity, gravity);
    EXPECT_DOUBLE_EQ(shared().DensityLbFt3, idealGas(double(gravity)));
    EXPECT_EQ(customGasAsked, 0);
}

TEST_F(Media, ZeroTemperatureGivesANonFiniteDensityQuietly) {
    shared().MediaIn = "AIR";
    shared().PressPsia = 100;
    shared().TempDegR = 0;
    modMediaIn();
    EXPECT_FALSE(std::isfinite(shared().DensityLbFt3));
    at(kSteamSaturated, 0, 600 - 459.67f);
    EXPECT_FALSE(std::isfinite(shared().DensityLbFt3) && shared().DensityLbFt3 != 0);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace quorin::test
