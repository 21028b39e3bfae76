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

// Density, and the specific volume of the steam routine itself.
TEST_F(Media, SaturatedSteamMatchesTheSteamTables) {
    const struct { float psia, degF; const char *density, *volume, *volumeFormat; } rows[] = {
        {100, 500, "0.17896", "5.5877", "0.0000"}, {14.696f, 212, "0.03732", "26.799", "0.000"},
        {250, 407, "0.53661", nullptr, nullptr}};
    auto& S = shared();
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.psia << " psia " << r.degF << " F");
        at(kSteamSaturated, r.psia, r.degF);
        EXPECT_EQ(Format(S.DensityLbFt3, "0.00000"), r.density);
        S.ViscCoefA = -1.5395f;
        S.ViscCoefB = 0.0143f;
        modSteamCalc();
        if (r.volume) {
            EXPECT_EQ(Format(1 / S.DensityLbFt3, r.volumeFormat), r.volume);
        }
    }
    at(kSteamSaturated, 14.696f, 212);
    EXPECT_EQ(Format(S.ViscCp, "0.00000"), "0.01200");
}

TEST_F(Media, AirIsAnIdealGasWithALinearViscosity) {
    auto& S = shared();
    at("AIR", 100, 60);
    EXPECT_EQ(S.SpecGravity, 1.0f);
    EXPECT_EQ(Format(S.DensityLbFt3, "0.00000"), "0.51940");
    EXPECT_EQ(Format(S.ViscCp, "0.00000"), "0.01754");
    EXPECT_DOUBLE_EQ(S.ViscCp, S.ViscLbFtSec * 1488.1617);
    for (float degF : {-40.0f, 60.0f, 500.0f}) {  // acetylene's viscosity is constant
        at("acetylene", 50, degF);
        EXPECT_EQ(Format(S.ViscCp, "0.00000"), "0.00935") << degF;
    }
}

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
    EXPECT_EQ(gasMedia().size(), 34u);
}

TEST_F(Media, TheScreenListLeavesOutAcetyleneAndPlainSteam) {
    const auto list = gasMediaList();
    ASSERT_EQ(list.size(), 33u);
    EXPECT_EQ(list.front(), "AIR");
    EXPECT_EQ(list[1], "AMMONIA");
    EXPECT_EQ(list.back(), "OTHER");
    EXPECT_EQ(list[list.size() - 2], "XENON");
    EXPECT_EQ(std::count(list.begin(), list.end(), "STEAM"), 0);
    EXPECT_EQ(std::count(list.begin(), list.end(), "ACETYLENE"), 0);
    EXPECT_EQ(std::count(list.begin(), list.end(), kSteamSaturated), 1);
}

// Plain steam, and saturated steam in lower case, are found in the table but
// treated as a gas.
TEST_F(Media, OtherSteamsEndWithTheIdealGasDensity) {
    for (const char* medium : {"STEAM", "steam (saturated)"}) {
        at(medium, 100, 500);
        EXPECT_EQ(shared().SpecGravity, 0.6318f) << medium;
        EXPECT_DOUBLE_EQ(shared().DensityLbFt3, idealGas(double(0.6318f))) << medium;
    }
}

TEST_F(Media, OtherAsksForTheCustomGasAndKeepsItsValues) {
    auto& S = shared();
    S.OtherMediaFlag = true;
    hooks().showCustomGas = [this] {
        ++customGasAsked;
        shared().SpecGravity = 0.5f;
        shared().DensityLbFt3 = 0.123;
        shared().ViscCp = 0.02;
    };
    at("OTHER", 100, 60);
    EXPECT_EQ(customGasAsked, 1);
    EXPECT_FALSE(S.OtherMediaFlag);
    EXPECT_EQ(S.DensityLbFt3, 0.123);  // no density recomputation after the dialog
    EXPECT_EQ(S.ViscCp, 0.02);
    modCalcDensVisc();  // the next pressure edit recomputes from the constants
    EXPECT_DOUBLE_EQ(S.DensityLbFt3, idealGas(0.5));
}

TEST_F(Media, UnknownMediumKeepsTheConstantsAndRecomputes) {
    at("ARGON", 100, 60);
    at("KRYPTON", 200, 60);
    EXPECT_EQ(shared().SpecGravity, 1.379f);
    EXPECT_DOUBLE_EQ(shared().DensityLbFt3, idealGas(double(1.379f)));
    EXPECT_EQ(customGasAsked, 0);
}

TEST_F(Media, ZeroTemperatureGivesANonFiniteDensityQuietly) {
    auto& S = shared();
    S.MediaIn = "AIR";
    S.PressPsia = 100;
    S.TempDegR = 0;
    modMediaIn();
    EXPECT_FALSE(std::isfinite(S.DensityLbFt3));
    at(kSteamSaturated, 0, 600 - 459.67f);
    EXPECT_FALSE(std::isfinite(S.DensityLbFt3) && S.DensityLbFt3 != 0);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace quorin::test
