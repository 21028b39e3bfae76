#include <ostream>
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Media : public CoreTest {
protected:
    static void at(float psia, float degF) {
        shared().PressPsia = psia;
        shared().TempDegR = float(double(degF) + 459.67);
    }
};

struct SteamCase {
    float psia;
    float degF;
    const char* density;  // lb/ft^3, "0.00000"
};

std::ostream& operator<<(std::ostream& os, const SteamCase& c) { return os << c.psia << " psia " << c.degF << " F"; }

class SteamDensity : public CoreTest, public ::testing::WithParamInterface<SteamCase> {};

TEST_P(SteamDensity, MatchesTheSteamTables) {
    const SteamCase& c = GetParam();
    auto& S = shared();
    S.MediaIn = kSteamSaturated;
    S.PressPsia = c.psia;
    S.TempDegR = float(double(c.degF) + 459.67);
    modMediaIn();
    EXPECT_EQ(Format(S.DensityLbFt3, "0.00000"), c.density) << c.psia << " psia " << c.degF;
}

INSTANTIATE_TEST_SUITE_P(WorkedStates, SteamDensity,
                         ::testing::Values(SteamCase{100, 500, "0.17896"},
                                           SteamCase{14.696f, 212, "0.03732"},
                                           SteamCase{250, 407, "0.53661"}));

TEST_F(Media, SpecificVolumesOfTheWorkedSteamStates) {
    auto& S = shared();
    S.MediaIn = kSteamSaturated;
    S.ViscCoefA = -1.5395f;
    S.ViscCoefB = 0.0143f;
    at(100, 500);
    modSteamCalc();
    EXPECT_EQ(Format(1 / S.DensityLbFt3, "0.0000"), "5.5877");
    at(14.696f, 212);
    modSteamCalc();
    EXPECT_EQ(Format(1 / S.DensityLbFt3, "0.000"), "26.799");
    EXPECT_EQ(Format(S.ViscCp, "0.00000"), "0.01200");
}

TEST_F(Media, AirIsAnIdealGasWithALinearViscosity) {
    auto& S = shared();
    S.MediaIn = "AIR";
    at(100, 60);
    modMediaIn();
    EXPECT_EQ(S.SpecGravity, 1.0f);
    EXPECT_EQ(Format(S.DensityLbFt3, "0.00000"), "0.51940");
    EXPECT_EQ(Format(S.ViscCp, "0.00000"), "0.01754");
    EXPECT_DOUBLE_EQ(S.ViscCp, S.ViscLbFtSec * 1488.1617);
}

TEST_F(Media, AcetyleneViscosityDoesNotDependOnTemperature) {
    auto& S = shared();
    S.MediaIn = "acetylene";
    for (float degF : {-40.0f, 60.0f, 500.0f}) {
        at(50, degF);
        modMediaIn();
        EXPECT_EQ(Format(S.ViscCp, "0.00000"), "0.00935") << degF;
    }
}

TEST_F(Media, EveryTableRowSetsItsConstants) {
    auto& S = shared();
    at(100, 60);
    for (const GasMedium& m : gasMedia()) {
        S.MediaIn = m.name;
        S.SpecGravity = S.ViscCoefA = S.ViscCoefB = -99;
        modMediaIn();
        EXPECT_EQ(S.SpecGravity, m.specGravity) << m.name;
        EXPECT_EQ(S.ViscCoefA, m.viscCoefA) << m.name;
        EXPECT_EQ(S.ViscCoefB, m.viscCoefB) << m.name;
        if (m.name != kSteamSaturated) {
            EXPECT_DOUBLE_EQ(S.DensityLbFt3,
                             100.0 * m.specGravity / (double(S.TempDegR) * 0.370484))
                << m.name;
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

TEST_F(Media, PlainSteamEndsWithTheIdealGasDensity) {
    auto& S = shared();
    S.MediaIn = "STEAM";
    at(100, 500);
    modMediaIn();
    EXPECT_DOUBLE_EQ(S.DensityLbFt3,
                     100.0 * double(0.6318f) / (double(S.TempDegR) * 0.370484));
}

TEST_F(Media, LowerCaseSteamIsFoundButTreatedAsAGas) {
    auto& S = shared();
    S.MediaIn = "steam (saturated)";
    at(100, 500);
    modMediaIn();
    EXPECT_EQ(S.SpecGravity, 0.6318f);
    EXPECT_DOUBLE_EQ(S.DensityLbFt3,
                     100.0 * double(0.6318f) / (double(S.TempDegR) * 0.370484));
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
    S.MediaIn = "OTHER";
    at(100, 60);
    modMediaIn();
    EXPECT_EQ(customGasAsked, 1);
    EXPECT_FALSE(S.OtherMediaFlag);
    EXPECT_EQ(S.DensityLbFt3, 0.123);  // no density recomputation after the dialog
    EXPECT_EQ(S.ViscCp, 0.02);
    modCalcDensVisc();  // the next pressure edit recomputes from the constants
    EXPECT_DOUBLE_EQ(S.DensityLbFt3, 100.0 * 0.5 / (double(S.TempDegR) * 0.370484));
}

TEST_F(Media, UnknownMediumKeepsTheConstantsAndRecomputes) {
    auto& S = shared();
    S.MediaIn = "ARGON";
    at(100, 60);
    modMediaIn();
    S.MediaIn = "KRYPTON";
    at(200, 60);
    modMediaIn();
    EXPECT_EQ(S.SpecGravity, 1.379f);
    EXPECT_DOUBLE_EQ(S.DensityLbFt3, 200.0 * double(1.379f) / (double(S.TempDegR) * 0.370484));
    EXPECT_EQ(customGasAsked, 0);
}

TEST_F(Media, ZeroTemperatureGivesANonFiniteDensityQuietly) {
    auto& S = shared();
    S.MediaIn = "AIR";
    S.PressPsia = 100;
    S.TempDegR = 0;
    modMediaIn();
    EXPECT_FALSE(std::isfinite(S.DensityLbFt3));
    S.MediaIn = kSteamSaturated;
    S.PressPsia = 0;
    S.TempDegR = 600;
    modMediaIn();
    EXPECT_FALSE(std::isfinite(S.DensityLbFt3) && S.DensityLbFt3 != 0);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace quorin::test
