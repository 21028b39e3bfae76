#include <set>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using Codes = std::set<std::string>;

class Selection : public CoreTest {
protected:
    static Codes candidates() {
        Codes codes;
        for (int slot = 1; slot <= 24; ++slot)
            if (shared().MeterModel[slot] != "NONE") codes.insert(shared().MeterModel[slot]);
        return codes;
    }
    // Air at `psig` and `degF`, or saturated steam, sized.
    static Codes sized(bool steam, float pipeIn, float acfm, float psig = 100, float degF = 70,
                       const char* medium = "AIR") {
        airAt(psig, steam ? 400 : degF, pipeIn, acfm);
        if (steam || std::string(medium) != "AIR") {
            shared().MediaIn = steam ? kSteamSaturated : medium;
            modMediaIn();
            modAcfmCalc();
        }
        modGasSelection();
        return candidates();
    }
    // The Reynolds number at `acfm` through the bore of `slot`.
    static double reynoldsAt(double acfm, int slot) {
        auto& S = shared();
        S.ReyVelFps = float(acfm / (kPi * std::pow(double(S.MeterBore[slot]) / 2, 2)) / 60);
        S.ReyDimFt = S.ShedderWidth[slot];
        modReynolds();
        return S.ReynoldsNo;
    }
};

// Hand computations for air at 70 deg F in a 2.067 in line, 100 ACFM through
// QWG20 (1.75 in bore): at 100 psig the Reynolds number at the catalogue
// maximum of 200 ACFM (77171) lies below the 100000 ceiling; at 250 psig it
// is 178097, so the maximum drops to 100000 / 178097 x 200 = 112.3 ACFM.
TEST_F(Selection, WaferCasesMeetTheReynoldsCeiling) {
    const struct { float psig; const char *density, *maxFlow; double operReynolds, reynoldsAtMax; } rows[] = {
        {100, "0.58449", "200.0", 38586, 77171}, {250, "1.34888", "112.3", 89048, 178097}};
    auto& S = shared();
    for (const auto& r : rows) {
        SCOPED_TRACE(r.psig);
        EXPECT_EQ(sized(false, 2.067f, 100, r.psig), Codes{"QWG20"});
        EXPECT_EQ(Format(S.DensityLbFt3, "0.00000"), r.density);
        EXPECT_EQ(std::tuple(S.FlowUnitFactor[4], S.MinFlowUser[4]), std::tuple(1, 5));
        EXPECT_EQ(Format(S.MaxFlowUser[4], "0.0"), r.maxFlow);
        EXPECT_TRUE(near(S.OperReynolds[4], r.operReynolds, 2e-5));
        // Empty slots copy the operating Reynolds number before them.
        EXPECT_EQ(S.OperReynolds[23], S.OperReynolds[4]);
        EXPECT_TRUE(near(reynoldsAt(200, 5), r.reynoldsAtMax, 2e-5));
    }
}

// Hand computations: 1600 ACFM of air at 100 psig in a 6 in line (0.19635
// ft^2): the ranges are the velocity limits times the area, QNG 120 to 8400
// ft/min, QNS 277 to 11100 ft/min cut by its Reynolds ceiling.
TEST_F(Selection, InsertionCaseInASixInchLine) {
    EXPECT_EQ(sized(false, 6, 1600), (Codes{"QNG", "QNS"}));
    auto& S = shared();
    EXPECT_EQ(std::tuple(S.MeterModel[8], S.MeterModel[9]), std::tuple("QNG", "QNS"));
    EXPECT_EQ(Format(S.FlowUnitFactor[8], "0.00000"), "0.19635");
    EXPECT_EQ(Format(S.MinFlowUser[7], "0.00"), "23.56");
    EXPECT_EQ(Format(S.MaxFlowUser[7], "0.00"), "1649.34");
    EXPECT_EQ(Format(S.MinFlowUser[8], "0.00"), "54.39");
    EXPECT_EQ(Format(S.MaxFlowUser[8], "0.00"), "2179.48");
    EXPECT_TRUE(near(S.OperReynolds[7], 69105, 2e-5));
    EXPECT_TRUE(near(S.OperReynolds[8], 51524, 2e-5));
}

// Diameter bands, both ends included, limits as 32-bit values.
TEST_F(Selection, DiameterBandsOfferTheModelsOfTheLine) {
    const struct { float pipeIn, acfm; bool steam; Codes codes; } rows[] = {
        {0.399f, 8, false, {}},          {0.4f, 8, false, {"QWG05"}},            {0.64f, 8, false, {"QWG05"}},
        {0.75f, 8, false, {}},           {0.85f, 8, false, {"QWG10"}},           {1.24f, 8, false, {"QWG10"}},
        {1.25f, 8, false, {"QWG15"}},    {1.745f, 8, false, {}},                 {1.75f, 8, false, {"QWG20"}},
        {3.24f, 20, false, {"QWG30", "QNG"}},  {3.25f, 20, false, {"QWG40", "QNG"}},
        {4.25f, 100, false, {"QWG40", "QNG"}}, {4.5f, 100, false, {"QNG"}},     {5.0f, 100, false, {"QNG", "QNS"}},
        {3.5f, 100, true, {"QWS40"}},    {5.0f, 100, true, {"QNS"}},             {0.5f, 8, true, {"QWS05"}}};
    for (const auto& r : rows)
        EXPECT_EQ(sized(r.steam, r.pipeIn, r.acfm), r.codes) << (r.steam ? "steam, " : "air, ") << r.pipeIn << " in";
}

// The flow windows are inclusive; a flow of 0 or below fits nothing.
TEST_F(Selection, FlowWindows) {
    const struct { float pipeIn, acfm; bool steam, kept; } rows[] = {
        {0.5f, 0.4f, false, true},  {0.5f, 0.399f, false, false}, {0.5f, 16, false, true},
        {0.5f, 16.01f, false, false}, {0.5f, 10, true, true},     {0.5f, 10.01f, true, false},
        {1, 45, false, true},       {1, 35.01f, true, false},     {1.5f, 2.49f, false, false},
        {2, 160, true, true},       {2, 160.1f, true, false},     {2.5f, 400, false, true},
        {2.5f, 321, true, false},   {3.5f, 480, true, true},      {3.5f, 481, true, false},
        {4.5f, 6.0f, false, true},  {4.5f, 5.99f, false, false},  // insertion gas
        {6, 37.8f, true, true},     {6, 37.7f, true, false},      {6, 1e6f, true, true},  // insertion steam
        {6, 0, false, false},       {2, -50, false, false}};
    for (const auto& r : rows)
        EXPECT_EQ(!sized(r.steam, r.pipeIn, r.acfm).empty(), r.kept)
            << (r.steam ? "steam, " : "air, ") << r.pipeIn << " in, " << r.acfm << " ACFM";
}

TEST_F(Selection, GasInsertionMeterTemperatureLimitsAreInclusive) {
    const struct { float degF; bool kept; } rows[] = {{300, true}, {301, false}, {-40, true}, {-41, false}};
    for (const auto& r : rows) {
        sized(false, 6, 1600, 100, r.degF);
        EXPECT_EQ(shared().MeterModel[8] == "QNG", r.kept) << r.degF;
        EXPECT_EQ(shared().MeterModel[9], "QNS") << r.degF;
    }
}

// Digester gas takes the biogas codes and the gas windows.
TEST_F(Selection, DigesterGasCarriesTheBiogasCodes) {
    const struct { float pipeIn; float acfm; const char* code; int slot; } rows[] = {
        {0.5f, 8, "QWBG05", 1},   {1.0f, 8, "QWBG10", 3},   {1.5f, 8, "QWBG15", 4},
        {3.0f, 100, "QWBG30", 6}, {4.0f, 100, "QWBG40", 7}, {2.0f, 200, "QWBG20", 5}};
    for (const auto& r : rows) {
        sized(false, r.pipeIn, r.acfm, 100, 70, "DIGESTER GAS 60/40");
        EXPECT_EQ(shared().MeterModel[r.slot], r.code) << r.pipeIn << " in";
    }
    EXPECT_EQ(candidates(), Codes{"QWBG20"});
}

// The half-inch bodies cap their range at a Reynolds number of 50000.
TEST_F(Selection, HalfInchBodiesHaveTheLowerReynoldsCeiling) {
    const struct { const char* medium; const char* code; double max; } rows[] = {
        {"AIR", "QWG05", 16}, {"DIGESTER GAS 60/40", "QWBG05", 16}, {kSteamSaturated, "QWS05", 10}};
    for (const auto& r : rows) {
        airAt(100, 70, 0.5f, 8);
        auto& S = shared();
        S.MediaIn = r.medium;
        modMediaIn();
        modGasSelection();
        ASSERT_EQ(S.MeterModel[1], r.code);
        const double reynolds = reynoldsAt(r.max, 1);
        ASSERT_GT(reynolds, 50000) << r.code;
        EXPECT_FLOAT_EQ(S.MaxFlowReyAcfm[0], float(50000 / reynolds * r.max)) << r.code;
    }
}

TEST_F(Selection, RangesComeOutInTheUsersFlowUnit) {
    sized(false, 2.067f, 100);
    const float acfmMax = shared().MaxFlowUser[4];
    const double density = shared().DensityLbFt3;
    airAt(100, 70, 2.067f, float(100 * density * 60), "lbs/Hr");
    modGasSelection();
    auto& S = shared();
    EXPECT_EQ(candidates(), Codes{"QWG20"});
    EXPECT_TRUE(near(S.MinFlowUser[4], 5 * density * 60, 1e-5));
    EXPECT_TRUE(near(S.MaxFlowUser[4], acfmMax * density * 60, 1e-5));
}

// Saturated steam at 40 psig: QNS from 300 ft/min, at most 9500 ft/min.
TEST_F(Selection, SteamUsesTheSteamLimits) {
    airAt(40, 287, 6, 1000);
    shared().MediaIn = kSteamSaturated;
    modMediaIn();
    modAcfmCalc();
    modGasSelection();
    auto& S = shared();
    EXPECT_EQ(candidates(), Codes{"QNS"});
    EXPECT_TRUE(near(S.MinFlowUser[8], 300 * S.PipeAreaSqFt, 1e-6));
    EXPECT_LE(S.MaxVelReyFpm[8], 9500);
}

TEST_F(Selection, ResetClearsTheFlagsAndTheRanges) {
    auto& S = shared();
    sized(false, 2.067f, 100);
    S.FlowRangeFlag = S.PressRangeFlag = S.TempRangeFlag = S.ReyRangeFlag = 1;
    S.FlowRateIn = 0;  // nothing fits now
    modAcfmCalc();
    modGasSelection();
    EXPECT_TRUE(candidates().empty());
    EXPECT_EQ(std::tuple(S.MinFlowUser[4], S.MaxFlowUser[4], S.MaxFlowReyAcfm[4]), std::tuple(0, 0, 0));
    EXPECT_EQ(S.FlowRangeFlag + S.PressRangeFlag + S.TempRangeFlag + S.ReyRangeFlag, 0);
    EXPECT_EQ(S.MeterModel[24], "NONE");
    EXPECT_EQ(S.MeterModel[25], "");
}

}  // namespace
}  // namespace quorin::test
