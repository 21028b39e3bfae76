#include <ostream>
#include <set>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Selection : public CoreTest {
protected:
    static std::set<std::string> candidates() {
        std::set<std::string> codes;
        for (int slot = 1; slot <= 24; ++slot)
            if (shared().MeterModel[slot] != "NONE") codes.insert(shared().MeterModel[slot]);
        return codes;
    }
    static void steamAt(float psig, float degF, float pipeIn, float acfm) {
        airAt(psig, degF, pipeIn, acfm);
        shared().MediaIn = kSteamSaturated;
        modMediaIn();
        modAcfmCalc();
    }
};

using Codes = std::set<std::string>;

TEST_F(Selection, WaferCaseAt100Psig) {
    airAt(100, 70, 2.067f, 100);
    modGasSelection();
    auto& S = shared();
    EXPECT_EQ(candidates(), Codes{"QWG20"});
    EXPECT_EQ(Format(S.DensityLbFt3, "0.00000"), "0.58449");
    // Re at the catalogue maximum of 200 ACFM is below the ceiling.
    S.ReyVelFps = float(200 / (kPi * std::pow(double(S.MeterBore[5]) / 2, 2)) / 60);
    S.ReyDimFt = S.ShedderWidth[5];
    modReynolds();
    EXPECT_TRUE(near(S.ReynoldsNo, 77171, 2e-5));
    EXPECT_EQ(S.MaxFlowReyAcfm[4], 200);
    EXPECT_EQ(S.FlowUnitFactor[4], 1);
    EXPECT_EQ(S.MinFlowUser[4], 5);
    EXPECT_EQ(S.MaxFlowUser[4], 200);
    EXPECT_TRUE(near(S.OperReynolds[4], 38586, 2e-5));
}

TEST_F(Selection, WaferCaseAt250PsigMeetsTheReynoldsCeiling) {
    airAt(250, 70, 2.067f, 100);
    modGasSelection();
    auto& S = shared();
    EXPECT_EQ(candidates(), Codes{"QWG20"});
    EXPECT_EQ(Format(S.DensityLbFt3, "0.00000"), "1.34888");
    EXPECT_TRUE(near(S.MaxFlowReyAcfm[4], 100000.0 / 178097 * 200, 2e-5));
    EXPECT_EQ(Format(S.MaxFlowUser[4], "0.0"), "112.3");
    EXPECT_EQ(S.MinFlowUser[4], 5);
    EXPECT_TRUE(near(S.OperReynolds[4], 89048, 2e-5));
}

TEST_F(Selection, InsertionCaseInASixInchLine) {
    airAt(100, 70, 6, 1600);
    modGasSelection();
    auto& S = shared();
    EXPECT_EQ(candidates(), (Codes{"QNG", "QNS"}));
    EXPECT_EQ(S.MeterModel[8], "QNG");
    EXPECT_EQ(S.MeterModel[9], "QNS");
    EXPECT_EQ(Format(S.PipeAreaSqFt, "0.00000"), "0.19635");
    EXPECT_EQ(Format(S.FlowUnitFactor[7], "0.00000"), "0.19635");
    EXPECT_EQ(Format(S.FlowUnitFactor[8], "0.00000"), "0.19635");
    EXPECT_EQ(Format(S.MinFlowUser[7], "0.00"), "23.56");
    EXPECT_EQ(Format(S.MaxFlowUser[7], "0.00"), "1649.34");
    EXPECT_EQ(S.MaxVelReyFpm[7], 8400);
    EXPECT_EQ(Format(S.MinFlowUser[8], "0.00"), "54.39");
    EXPECT_EQ(Format(S.MaxFlowUser[8], "0.00"), "2179.48");
    EXPECT_TRUE(near(S.OperReynolds[7], 69105, 2e-5));
    EXPECT_TRUE(near(S.OperReynolds[8], 51524, 2e-5));
    S.ReyVelFps = 8400.0f / 60;
    S.ReyDimFt = S.ShedderWidth[8];
    modReynolds();
    EXPECT_TRUE(near(S.ReynoldsNo, 71235, 2e-5));
}

struct BandCase {
    const char* name;
    float pipeIn;
    float acfm;
    bool steam;
    Codes codes;
};

std::ostream& operator<<(std::ostream& os, const BandCase& c) { return os << c.name; }

class DiameterBands : public Selection, public ::testing::WithParamInterface<BandCase> {};

TEST_P(DiameterBands, OfferTheModelsOfTheLine) {
    const BandCase& c = GetParam();
    if (c.steam) steamAt(100, 400, c.pipeIn, c.acfm);
    else airAt(100, 70, c.pipeIn, c.acfm);
    modGasSelection();
    EXPECT_EQ(candidates(), c.codes) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, DiameterBands,
    ::testing::Values(
        BandCase{"Below05", 0.399f, 8, false, {}}, BandCase{"Low05", 0.4f, 8, false, {"QWG05"}},
        BandCase{"High05", 0.64f, 8, false, {"QWG05"}}, BandCase{"Gap05to10", 0.75f, 8, false, {}},
        BandCase{"Low10", 0.85f, 8, false, {"QWG10"}}, BandCase{"High10", 1.24f, 8, false, {"QWG10"}},
        BandCase{"Low15", 1.25f, 8, false, {"QWG15"}}, BandCase{"Gap15to20", 1.745f, 8, false, {}},
        BandCase{"Low20", 1.75f, 8, false, {"QWG20"}}, BandCase{"High30", 3.24f, 20, false, {"QWG30", "QNG"}},
        BandCase{"Low40", 3.25f, 20, false, {"QWG40", "QNG"}},
        BandCase{"FourInch", 4.0f, 100, false, {"QWG40", "QNG"}},
        BandCase{"High40", 4.25f, 100, false, {"QWG40", "QNG"}},
        BandCase{"Gap40to50", 4.5f, 100, false, {"QNG"}},
        BandCase{"FiveInch", 5.0f, 100, false, {"QNG", "QNS"}},
        BandCase{"SteamThreeAndAHalf", 3.5f, 100, true, {"QWS40"}},
        BandCase{"SteamFiveInch", 5.0f, 100, true, {"QNS"}},
        BandCase{"SteamHalfInch", 0.5f, 8, true, {"QWS05"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct WindowCase {
    const char* name;
    float pipeIn;
    float acfm;
    bool steam;
    bool kept;
};

std::ostream& operator<<(std::ostream& os, const WindowCase& c) { return os << c.name; }

class FlowWindows : public Selection, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(FlowWindows, AreInclusive) {
    const WindowCase& c = GetParam();
    if (c.steam) steamAt(100, 400, c.pipeIn, c.acfm);
    else airAt(100, 70, c.pipeIn, c.acfm);
    modGasSelection();
    EXPECT_EQ(!candidates().empty(), c.kept) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, FlowWindows,
    ::testing::Values(
        WindowCase{"Gas05Min", 0.5f, 0.4f, false, true}, WindowCase{"Gas05BelowMin", 0.5f, 0.399f, false, false},
        WindowCase{"Gas05Max", 0.5f, 16, false, true}, WindowCase{"Gas05AboveMax", 0.5f, 16.01f, false, false},
        WindowCase{"Steam05Max", 0.5f, 10, true, true}, WindowCase{"Steam05AboveMax", 0.5f, 10.01f, true, false},
        WindowCase{"Gas10Max", 1, 45, false, true}, WindowCase{"Steam10AboveMax", 1, 35.01f, true, false},
        WindowCase{"Gas15Min", 1.5f, 2.5f, false, true}, WindowCase{"Gas15BelowMin", 1.5f, 2.49f, false, false},
        WindowCase{"Steam20Max", 2, 160, true, true}, WindowCase{"Steam20AboveMax", 2, 160.1f, true, false},
        WindowCase{"Gas30Max", 2.5f, 400, false, true}, WindowCase{"Steam30AboveMax", 2.5f, 321, true, false},
        WindowCase{"Steam40Max", 3.5f, 480, true, true}, WindowCase{"Steam40AboveMax", 3.5f, 481, true, false},
        WindowCase{"InsertionGasMin", 4.5f, 6.0f, false, true},
        WindowCase{"InsertionGasBelowMin", 4.5f, 5.99f, false, false},
        WindowCase{"InsertionSteamMin", 6, 37.8f, true, true},
        WindowCase{"InsertionSteamBelowMin", 6, 37.7f, true, false},
        WindowCase{"InsertionSteamHuge", 6, 1e6f, true, true},
        WindowCase{"ZeroFlow", 6, 0, false, false}, WindowCase{"NegativeFlow", 2, -50, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Selection, GasInsertionMeterTemperatureLimitsAreInclusive) {
    const struct { float degF; bool kept; } rows[] = {{300, true}, {301, false}, {-40, true}, {-41, false}};
    for (const auto& r : rows) {
        airAt(100, r.degF, 6, 1600);
        modGasSelection();
        EXPECT_EQ(shared().MeterModel[8] == "QNG", r.kept) << r.degF;
        EXPECT_EQ(shared().MeterModel[9], "QNS") << r.degF;
    }
}

TEST_F(Selection, DigesterGasCarriesTheBiogasCodes) {
    const struct { float pipeIn; float acfm; const char* code; int slot; } rows[] = {
        {0.5f, 8, "QWBG05", 1},   {1.0f, 8, "QWBG10", 3},   {1.5f, 8, "QWBG15", 4},
        {2.0f, 100, "QWBG20", 5}, {3.0f, 100, "QWBG30", 6}, {4.0f, 100, "QWBG40", 7}};
    for (const auto& r : rows) {
        airAt(100, 70, r.pipeIn, r.acfm);
        shared().MediaIn = "DIGESTER GAS 60/40";
        modMediaIn();
        modGasSelection();
        EXPECT_EQ(shared().MeterModel[r.slot], r.code);
    }
    // The gas windows hold: 200 ACFM fits the 2-inch body as for air.
    airAt(100, 70, 2, 200);
    shared().MediaIn = "DIGESTER GAS 60/40";
    modMediaIn();
    modGasSelection();
    EXPECT_EQ(candidates(), Codes{"QWBG20"});
}

TEST_F(Selection, HalfInchBodiesHaveTheLowerReynoldsCeiling) {
    const struct { const char* medium; const char* code; } rows[] = {
        {"AIR", "QWG05"}, {"DIGESTER GAS 60/40", "QWBG05"}, {kSteamSaturated, "QWS05"}};
    for (const auto& r : rows) {
        airAt(100, 70, 0.5f, 8);
        auto& S = shared();
        S.MediaIn = r.medium;
        modMediaIn();
        modGasSelection();
        ASSERT_EQ(S.MeterModel[1], r.code);
        const double max = S.MediaIn == kSteamSaturated ? 10 : 16;
        S.ReyVelFps = float(max / (kPi * std::pow(double(S.MeterBore[1]) / 2, 2)) / 60);
        S.ReyDimFt = S.ShedderWidth[1];
        modReynolds();
        ASSERT_GT(S.ReynoldsNo, 50000) << r.code;
        EXPECT_FLOAT_EQ(S.MaxFlowReyAcfm[0], float(50000 / double(S.ReynoldsNo) * max)) << r.code;
    }
}

TEST_F(Selection, RangesComeOutInTheUsersFlowUnit) {
    airAt(100, 70, 2.067f, 100);
    modGasSelection();
    const float acfmMax = shared().MaxFlowUser[4];
    const double density = shared().DensityLbFt3;
    const float pph = float(100 * density * 60);
    airAt(100, 70, 2.067f, pph, "lbs/Hr");
    modGasSelection();
    auto& S = shared();
    EXPECT_EQ(candidates(), Codes{"QWG20"});
    EXPECT_TRUE(near(S.MinFlowUser[4], 5 * density * 60, 1e-5));
    EXPECT_TRUE(near(S.MaxFlowUser[4], acfmMax * density * 60, 1e-5));
}

TEST_F(Selection, SteamUsesTheSteamLimits) {
    steamAt(40, 287, 6, 1000);
    modGasSelection();
    auto& S = shared();
    EXPECT_EQ(candidates(), Codes{"QNS"});
    EXPECT_TRUE(near(S.MinFlowUser[8], 300 * S.PipeAreaSqFt, 1e-6));
    EXPECT_LE(S.MaxVelReyFpm[8], 9500);
}

TEST_F(Selection, ANonFiniteFlowFitsNoMeter) {
    airAt(100, 70, 6, 3600, "lbs/Hr");
    shared().DensityLbFt3 = 0;
    modAcfmCalc();
    ASSERT_FALSE(std::isfinite(shared().FlowAcfm));
    modGasSelection();
    EXPECT_TRUE(candidates().empty());
    for (float v : shared().MinFlowUser) EXPECT_EQ(v, 0);
}

TEST_F(Selection, ResetClearsTheFlagsAndTheRanges) {
    auto& S = shared();
    airAt(100, 70, 2.067f, 100);
    modGasSelection();
    S.FlowRangeFlag = S.PressRangeFlag = S.TempRangeFlag = S.ReyRangeFlag = 1;
    S.FlowRateIn = 0;  // nothing fits now
    modAcfmCalc();
    modGasSelection();
    EXPECT_TRUE(candidates().empty());
    EXPECT_EQ(S.MinFlowUser[4], 0);
    EXPECT_EQ(S.MaxFlowUser[4], 0);
    EXPECT_EQ(S.MaxFlowReyAcfm[4], 0);
    EXPECT_EQ(S.FlowRangeFlag + S.PressRangeFlag + S.TempRangeFlag + S.ReyRangeFlag, 0);
    for (int slot = 10; slot <= 24; ++slot) EXPECT_EQ(S.MeterModel[slot], "NONE");
    EXPECT_EQ(S.MeterModel[25], "");
}

TEST_F(Selection, EmptySlotsCopyTheOperatingReynoldsNumberBeforeThem) {
    airAt(100, 70, 2.067f, 100);
    modGasSelection();
    auto& S = shared();
    for (int slot = 6; slot <= 24; ++slot) EXPECT_EQ(S.OperReynolds[slot - 1], S.OperReynolds[4]);
}

}  // namespace
}  // namespace quorin::test
