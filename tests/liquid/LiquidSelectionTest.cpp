#include <cmath>
#include <ostream>
#include <vector>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using Codes = std::vector<std::string>;

class LiquidSelection : public CoreTest {
protected:
    // A liquid of specific gravity 1 in a pipe given by its inside diameter
    // in inches, with every conversion of the input screen run.
    static void liquid(float flow, float pipeIn, double viscosity = 1,
                       const char* viscUnit = "centipoise", float degF = 70,
                       const char* flowUnit = "GPM") {
        auto& S = shared();
        loadLiquidDefaults(false);
        S.LqdFlowRateIn = flow;
        S.LqdFlowUnit = flowUnit;
        S.PipeSizeIn = pipeIn;
        S.TempIn = degF;
        S.LqdViscIn = viscosity;
        S.LqdViscUnit = viscUnit;
        modLqdRecalc();
    }
    // The model codes the results list, in catalogue order.
    static Codes listed() {
        Codes codes;
        for (int slot = 25; slot <= 40; ++slot)
            if (shared().MeterModel[slot] != "NONE") codes.push_back(shared().MeterModel[slot]);
        return codes;
    }
    static Codes findMeter() {
        modLqdSelection();
        return listed();
    }
};

TEST_F(LiquidSelection, WaterAt500GpmInASixInchLineFitsTheInsertionMeterOnly) {
    liquid(500, 6.0f);
    EXPECT_EQ(findMeter(), Codes{"QNL"});
    auto& S = shared();
    EXPECT_EQ(Format(S.LqdVelFps, "0.00"), "5.67");
    // 1720 x 1.076391e-5 / 0.010417 = 1.777 ft/s over 6.0^2 x 2.448 = 88.128 GPM per ft/s.
    EXPECT_EQ(S.RangeMinGpm[32], 157);
    EXPECT_TRUE(near(S.RangeMinVelFps[32], 157 / 88.128, 1e-6));
    EXPECT_EQ(S.MinFlowUser[32], 157);
    EXPECT_EQ(S.MaxFlowUser[32], 1586);
    EXPECT_EQ(S.FlowUnitFactor[32], 1);
    // The full-bore meters keep their ranges but fail the flow test (500 > 440).
    EXPECT_EQ(Format(S.MinFlowUser[37], "0.00"), "39.29");
    EXPECT_EQ(S.MaxFlowUser[37], 400);
}

TEST_F(LiquidSelection, TheInsertionMeterNeverStartsBelowOneFootPerSecond) {
    liquid(500, 6.0f, 0.5);
    EXPECT_EQ(findMeter(), Codes{"QNL"});
    auto& S = shared();
    // Reynolds-limited 0.889 ft/s, raised to 1.0: Round(88.128) = 88 GPM.
    EXPECT_EQ(S.RangeMinGpm[32], 88);
    EXPECT_EQ(S.MinFlowUser[32], 88);
    EXPECT_TRUE(near(S.RangeMinVelFps[32], 88 / 88.128, 1e-6));
    EXPECT_EQ(S.MaxFlowUser[32], 1586);
}

TEST_F(LiquidSelection, TwentyGpmInAOneInchLineFitsQwl10Only) {
    liquid(20, 1.049f);
    EXPECT_EQ(findMeter(), Codes{"QWL10"});
    auto& S = shared();
    EXPECT_EQ(Format(S.MinFlowUser[34], "0.00"), "4.46");
    EXPECT_EQ(Format(S.MinFlowUser[35], "0.00"), "9.82");
    EXPECT_EQ(Format(S.MinFlowUser[36], "0.00"), "17.86");
    EXPECT_EQ(Format(S.MinFlowUser[37], "0.00"), "39.29");
    EXPECT_EQ(S.MaxFlowUser[34], 44);
    EXPECT_EQ(S.MaxFlowUser[35], 100);
    EXPECT_EQ(S.MaxFlowUser[36], 175);
    // Below 3 in the insertion slot keeps the range of its empty bore.
    EXPECT_EQ(S.MinFlowUser[32], 0);
    EXPECT_EQ(S.MaxFlowUser[32], 18);
}

TEST_F(LiquidSelection, RangesComeOutInTheUsersFlowUnit) {
    auto& S = shared();
    // 20 GPM entered as cubic metres per hour: 1 m^3/hr = 4.40287 GPM.
    liquid(float(20 / 4.402867), 1.049f, 1, "centipoise", 70, "m^3/Hr");
    EXPECT_EQ(findMeter(), Codes{"QWL10"});
    EXPECT_TRUE(near(S.MinFlowUser[34], 4.46346 / 4.402867, 2e-5));
    EXPECT_TRUE(near(S.MaxFlowUser[34], 44 / 4.402867, 2e-5));
    // The insertion meter in ft/s: whole units, 157 GPM / 88.128 = 1.78 -> 2.
    liquid(float(500 / 88.128), 6.0f, 1, "centipoise", 70, "FPS");
    EXPECT_EQ(findMeter(), Codes{"QNL"});
    EXPECT_EQ(S.MinFlowUser[32], 2);
    EXPECT_EQ(S.MaxFlowUser[32], 18);
}

TEST_F(LiquidSelection, InsertionRangesRoundHalvesToEven) {
    // A flow unit worth half a gallon a minute puts 157 GPM at 78.5 units.
    auto& S = shared();
    modMeterSpecs();
    const struct { double cSt; float minUser; } rows[] = {{1.0, 78}, {1.0125, 80}};
    for (const auto& r : rows) {
        S.PipeIdIn = 6;
        S.LqdViscFt2s = r.cSt * 1.076391e-5;
        S.LqdFlowRateIn = 1;
        S.LqdFlowGpm = 2;
        modLqdLowCalc();
        ASSERT_EQ(S.FlowUnitFactor[32], 0.5f);
        EXPECT_EQ(S.MinFlowUser[32], r.minUser) << r.cSt << " cSt, " << S.RangeMinGpm[32] << " GPM";
        EXPECT_EQ(S.MaxFlowUser[32], 793) << r.cSt;  // Round(1586.304 x 0.5)
    }
    EXPECT_EQ(S.RangeMinGpm[32], 159);  // the second row: 159 x 0.5 = 79.5 -> 80
}

TEST_F(LiquidSelection, ZeroFlowFitsNothingAndLeavesEveryMinimumAtZero) {
    liquid(0, 1.049f);
    EXPECT_EQ(findMeter(), Codes{});
    auto& S = shared();
    for (int slot = 25; slot <= 40; ++slot) {
        EXPECT_EQ(S.MinFlowUser[slot - 1], 0) << slot;
        EXPECT_TRUE(std::isnan(S.FlowUnitFactor[slot - 1])) << slot;
    }
    EXPECT_TRUE(std::isnan(S.MaxFlowUser[34]));
    liquid(0, 6.0f);
    EXPECT_EQ(findMeter(), Codes{});
    EXPECT_EQ(S.MinFlowUser[32], 0);
}

TEST_F(LiquidSelection, AMassFlowWithoutADensityFitsNothing) {
    liquid(3600, 6.0f, 1, "centistokes", 70, "lbs/Hr");
    shared().LqdDensityIn = 0;
    modLqdRecalc();
    ASSERT_FALSE(std::isfinite(shared().LqdFlowGpm));
    EXPECT_EQ(findMeter(), Codes{});
}

TEST_F(LiquidSelection, TheHalfInchSlotGetsARangeButIsNeverOffered) {
    liquid(5, 0.546f);
    EXPECT_EQ(findMeter(), Codes{});
    auto& S = shared();
    EXPECT_EQ(Format(S.MinFlowUser[24], "0.000"), "1.336");
    EXPECT_EQ(S.MaxFlowUser[24], 15);
    for (int slot : {26, 32, 34, 39, 40}) {
        EXPECT_EQ(S.MinFlowUser[slot - 1], 0) << slot;
        EXPECT_EQ(S.MaxFlowUser[slot - 1], 0) << slot;
        EXPECT_EQ(S.MeterModel[slot], "NONE") << slot;
    }
}

TEST_F(LiquidSelection, EveryFindMeterStartsAfresh) {
    auto& S = shared();
    liquid(500, 6.0f);
    ASSERT_EQ(findMeter(), Codes{"QNL"});
    S.ChartMinFlowGpm[32] = S.ChartMaxFlowGpm[32] = 7;
    liquid(500, 6.0f, 1, "centipoise", 301);
    EXPECT_EQ(findMeter(), Codes{});
    EXPECT_EQ(S.ChartMinFlowGpm[32], 0);
    EXPECT_EQ(S.ChartMaxFlowGpm[32], 0);
    for (int slot = 25; slot <= 40; ++slot) EXPECT_EQ(S.MeterModel[slot], "NONE") << slot;
    // The gas slots are left alone.
    EXPECT_EQ(S.MeterModel[8], "");
    // Set Defaults clears the models and the ranges the same way.
    liquid(500, 6.0f);
    ASSERT_EQ(findMeter(), Codes{"QNL"});
    resetLiquidSlots();
    EXPECT_EQ(listed(), Codes{});
    EXPECT_EQ(S.RangeMinVelFps[32] + S.MinFlowUser[32] + S.MaxFlowUser[32], 0);
}

// ---- Pipe-diameter bands (both ends included, limits as 32-bit values) ----

struct BandCase {
    const char* name;
    float pipeIn;
    float gpm;
    Codes codes;
};

std::ostream& operator<<(std::ostream& os, const BandCase& c) {
    return os << c.gpm << " GPM in " << c.pipeIn << " in";
}

class LiquidPipeBands : public LiquidSelection, public ::testing::WithParamInterface<BandCase> {};

TEST_P(LiquidPipeBands, OfferTheModelsOfTheLine) {
    const BandCase& c = GetParam();
    liquid(c.gpm, c.pipeIn);
    EXPECT_EQ(findMeter(), c.codes) << c;
}

// At 20 GPM every full-bore meter but QWL30 passes the flow test; at 45 and
// 100 GPM QWL30 does too, and from 3 in the insertion meter.
INSTANTIATE_TEST_SUITE_P(
    Boundaries, LiquidPipeBands,
    ::testing::Values(
        BandCase{"BelowQwl10", 0.69f, 20, {}}, BandCase{"Qwl10Low", 0.7f, 20, {"QWL10"}},
        BandCase{"Qwl10High", 1.25f, 20, {"QWL10"}}, BandCase{"GapQwl10ToQwl15", 1.255f, 20, {}},
        BandCase{"Qwl15Low", 1.26f, 20, {"QWL15"}}, BandCase{"Qwl15High", 1.75f, 20, {"QWL15"}},
        BandCase{"GapQwl15ToQwl20", 1.755f, 20, {}}, BandCase{"Qwl20Low", 1.76f, 20, {"QWL20"}},
        BandCase{"Qwl20JustBelowTheSharedEnd", 2.2499f, 45, {"QWL20"}},
        BandCase{"SharedEndGivesQwl20AndQwl30", 2.25f, 45, {"QWL20", "QWL30"}},
        BandCase{"Qwl30JustAboveTheSharedEnd", 2.2501f, 45, {"QWL30"}},
        BandCase{"JustBelowTheInsertionMeter", 2.999f, 45, {"QWL30"}},
        BandCase{"InsertionLow", 3.0f, 45, {"QNL", "QWL30"}},
        BandCase{"Qwl30High", 3.25f, 100, {"QNL", "QWL30"}},
        BandCase{"AboveQwl30", 3.26f, 100, {"QNL"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Flow test -------------------------------------------------------------

struct FlowLimitCase {
    const char* name;
    float flow;
    const char* flowUnit;
    float pipeIn;
    double cSt;
    Codes codes;
};

std::ostream& operator<<(std::ostream& os, const FlowLimitCase& c) {
    return os << c.flow << " " << c.flowUnit << " in " << c.pipeIn << " in, " << c.cSt << " cSt";
}

class LiquidFlowLimits : public LiquidSelection,
                         public ::testing::WithParamInterface<FlowLimitCase> {};

TEST_P(LiquidFlowLimits, AreInclusive) {
    const FlowLimitCase& c = GetParam();
    liquid(c.flow, c.pipeIn, c.cSt, "centistokes", 70, c.flowUnit);
    EXPECT_EQ(findMeter(), c.codes) << c;
}

// The upper limits lie about 10 % above the catalogue maxima; a Reynolds-
// limited minimum at or above 33 / 75 / 130 / 300 GPM (16 ft/s for the
// insertion meter) rules the meter out whatever the flow.
INSTANTIATE_TEST_SUITE_P(
    Boundaries, LiquidFlowLimits,
    ::testing::Values(
        FlowLimitCase{"Qwl10Max", 49, "GPM", 1.0f, 1, {"QWL10"}},
        FlowLimitCase{"Qwl10AboveMax", 49.01f, "GPM", 1.0f, 1, {}},
        FlowLimitCase{"Qwl15Max", 110, "GPM", 1.5f, 1, {"QWL15"}},
        FlowLimitCase{"Qwl15AboveMax", 110.01f, "GPM", 1.5f, 1, {}},
        FlowLimitCase{"Qwl20Max", 195, "GPM", 2.0f, 1, {"QWL20"}},
        FlowLimitCase{"Qwl20AboveMax", 195.01f, "GPM", 2.0f, 1, {}},
        FlowLimitCase{"Qwl30Max", 440, "GPM", 2.5f, 1, {"QWL30"}},
        FlowLimitCase{"Qwl30AboveMax", 440.01f, "GPM", 2.5f, 1, {}},
        FlowLimitCase{"QnlMaxVelocity", 18, "FPS", 6.0f, 1, {"QNL"}},
        FlowLimitCase{"QnlAboveMaxVelocity", 18.01f, "FPS", 6.0f, 1, {}},
        // QWL10: 4.4635 GPM per cSt -> 31.2 GPM at 7 cSt, 35.7 at 8 cSt.
        FlowLimitCase{"Qwl10MinimumBelow33", 40, "GPM", 1.0f, 7, {"QWL10"}},
        FlowLimitCase{"Qwl10MinimumAbove33", 40, "GPM", 1.0f, 8, {}},
        // QNL: 1.777 ft/s per cSt -> 15.1 ft/s at 8.5 cSt, 16.2 at 9.1 cSt.
        FlowLimitCase{"QnlMinimumBelow16", 17, "FPS", 6.0f, 8.5, {"QNL"}},
        FlowLimitCase{"QnlMinimumAbove16", 17, "FPS", 6.0f, 9.1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LiquidSelection, AFlowExactlyAtTheReynoldsMinimumIsOffered) {
    const struct { float pipeIn; int slot; const char* code; } rows[] = {
        {1.0f, 35, "QWL10"}, {1.5f, 36, "QWL15"}, {2.0f, 37, "QWL20"}, {2.5f, 38, "QWL30"}};
    auto& S = shared();
    for (const auto& r : rows) {
        liquid(100, r.pipeIn);
        modLqdSelection();
        const float minimum = S.RangeMinGpm[r.slot - 1];
        liquid(minimum, r.pipeIn);
        EXPECT_EQ(findMeter(), Codes{r.code}) << r.code;
        liquid(std::nextafter(minimum, 0.0f), r.pipeIn);
        EXPECT_EQ(findMeter(), Codes{}) << r.code;
    }
    // The insertion meter at its rounded minimum of 157 GPM (velocity 1.7815).
    liquid(157, 6.0f);
    EXPECT_EQ(findMeter(), Codes{"QNL"});
    liquid(156.99f, 6.0f);
    EXPECT_EQ(findMeter(), Codes{});
}

TEST_F(LiquidSelection, AReynoldsMinimumAtTheLimitRulesTheMeterOut) {
    // Minimum and flow set directly: the flow always lies within the range.
    const struct { int slot; const char* code; float limit; } rows[] = {
        {33, "QNL", 16}, {35, "QWL10", 33}, {36, "QWL15", 75}, {37, "QWL20", 130},
        {38, "QWL30", 300}};
    auto& S = shared();
    for (const auto& r : rows) {
        for (const float minimum : {std::nextafter(r.limit, 0.0f), r.limit}) {
            resetLiquidSlots();
            S.RangeMinVelFps[r.slot - 1] = S.RangeMinGpm[r.slot - 1] = minimum;
            S.LqdVelFps = S.LqdFlowGpm = r.limit;
            modLqdFlowSel();
            EXPECT_EQ(S.MeterModel[r.slot] == r.code, minimum < r.limit)
                << r.code << " " << minimum;
        }
    }
}

TEST_F(LiquidSelection, TheInsertionRangeFollowsThePipeFromThreeInches) {
    // 3.0 in: 22.032 GPM per ft/s, Round(22.032 x 1.777) = 39 to
    // Round(22.032 x 18) = 397 GPM. Below, the empty bore gives 0 to 18.
    auto& S = shared();
    liquid(45, 3.0f);
    modLqdSelection();
    EXPECT_EQ(S.MinFlowUser[32], 39);
    EXPECT_EQ(S.MaxFlowUser[32], 397);
    liquid(45, 2.999f);
    modLqdSelection();
    EXPECT_EQ(S.MinFlowUser[32], 0);
    EXPECT_TRUE(near(S.MaxFlowUser[32], 18, 1e-6));
}

// ---- Temperature test ----------------------------------------------------

TEST_F(LiquidSelection, AboveThreeHundredDegreesNoMeterFits) {
    const struct { float degF; float gpm; float pipeIn; Codes codes; } rows[] = {
        {300, 500, 6.0f, {"QNL"}},   {301, 500, 6.0f, {}},
        {300, 20, 1.049f, {"QWL10"}}, {300.01f, 20, 1.049f, {}},
        {-40, 45, 3.0f, {"QNL", "QWL30"}}};
    for (const auto& r : rows) {
        liquid(r.gpm, r.pipeIn, 1, "centipoise", r.degF);
        EXPECT_EQ(findMeter(), r.codes) << r.degF << " deg F";
    }
}

TEST_F(LiquidSelection, TheHalfInchSlotsHaveTheLowerTemperatureLimit) {
    const struct { float degF; bool lowKept, highKept; } rows[] = {
        {200, true, true}, {200.01f, false, true}, {300, false, true}, {300.01f, false, false}};
    auto& S = shared();
    for (const auto& r : rows) {
        for (int slot = 25; slot <= 40; ++slot) S.MeterModel[slot] = "X";
        S.TempDegF = r.degF;
        modLqdTempSel();
        for (int slot = 25; slot <= 40; ++slot)
            EXPECT_EQ(S.MeterModel[slot] == "X", slot <= 32 ? r.lowKept : r.highKept)
                << "slot " << slot << " at " << r.degF << " deg F";
    }
}

}  // namespace
}  // namespace quorin::test
