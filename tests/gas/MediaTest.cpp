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
        at(kSteamSaturated, r.psia, r.degF);
        EXPECT_EQ(Format(S.DensityLbFt3, "0.00000"), r.density) << r.psia << " psia " << r.degF << " F";
        EXPECT_EQ(Format(1 / S.DensityLbFt3, r.pattern), r.volume) << r.psia << " psia " << r.degF << " F";
    }
    EXPECT_EQ(Format(S.ViscCp, "0.00000"), "0.01200");
}

// Hand computations: P x SG / (T x 0.370484) with T in deg R; air (gravity 1)
// at 100 psia and 60 deg F is 0.51940 lb/ft^3, argon (1.379) 0.71625. Plain
// steam, and saturated steam in lower case, are an ideal gas of gravity
// 0.6318: 0.17770 lb/ft^3 at 100 psia and 500 deg F. Acetylene's viscosity law
// has no temperature term.
TEST_F(Media, GasesAreIdealWithALinearViscosity) {
    const struct { const char* medium; float degF; const char *density, *cp; } rows[] = {
        {"AIR", 60, "0.51940", "0.01754"},         {"argon", 60, "0.71625", ""},
        {"STEAM", 500, "0.17770", ""},             {"steam (saturated)", 500, "0.17770", ""},
        {"acetylene", -40, "", "0.00935"},         {"ACETYLENE", 500, "", "0.00935"}};
    auto& S = shared();
    for (const auto& r : rows) {
        at(r.medium, 100, r.degF);
        if (*r.density) { EXPECT_EQ(Format(S.DensityLbFt3, "0.00000"), r.density) << r.medium; }
        if (*r.cp) { EXPECT_EQ(Format(S.ViscCp, "0.00000"), r.cp) << r.medium; }
    }
    // A name the table lacks keeps the constants of the medium before it.
    at("ARGON", 100, 60);
    at("KRYPTON", 200, 60);
    EXPECT_EQ(std::tuple(S.SpecGravity, Format(S.DensityLbFt3, "0.00000")), std::tuple(1.379f, "1.43251"));
    EXPECT_EQ(customGasAsked, 0);
}

TEST_F(Media, TheScreenListLeavesOutAcetyleneAndPlainSteamAndEndsWithOther) {
    const auto list = gasMediaList();
    EXPECT_EQ(std::tuple(list.size(), list.back(), std::count(list.begin(), list.end(), "STEAM"),
                         std::count(list.begin(), list.end(), "ACETYLENE")),
              std::tuple(gasMedia().size() - 1, "OTHER", 0, 0));
}

// No density is computed after the dialog; the next pressure edit recomputes
// it from the gravity (0.5 at 100 psia and 60 deg F: 0.25970 lb/ft^3).
TEST_F(Media, OtherAsksForTheCustomGasAndKeepsItsValues) {
    auto& S = shared();
    S.OtherMediaFlag = true;
    hooks().showCustomGas = [this] {
        ++customGasAsked;
        shared().SpecGravity = 0.5f;
        shared().DensityLbFt3 = 0.123;
    };
    at("OTHER", 100, 60);
    EXPECT_EQ(std::tuple(customGasAsked, S.OtherMediaFlag, S.DensityLbFt3), std::tuple(1, false, 0.123));
    modCalcDensVisc();
    EXPECT_EQ(Format(S.DensityLbFt3, "0.00000"), "0.25970");
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
