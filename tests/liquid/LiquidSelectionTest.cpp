#include <cmath>
#include <ostream>
#include <vector>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using Codes = std::vector<std::string>;

class LiquidSelection : public CoreTest {
protected:
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
    static Codes sized(float gpm, float pipeIn, double cSt = 1, const char* unit = "GPM", float degF = 70) {
        water(gpm, pipeIn, unit, cSt, "centistokes", degF);
        return findMeter();
    }
};

// Hand computations: the insertion meter's Reynolds limit is 1720 x
// 1.076391e-5 / 0.010417 = 1.777 ft/s, and 6.0^2 x 2.448 = 88.128 GPM per ft/s.
TEST_F(LiquidSelection, WaterAt500GpmInASixInchLineFitsTheInsertionMeterOnly) {
    water(500, 6.0f);
    EXPECT_EQ(findMeter(), Codes{"QNL"});
    auto& S = shared();
    EXPECT_EQ(S.RangeMinGpm[32], 157);
    EXPECT_TRUE(near(S.RangeMinVelFps[32], 157 / 88.128, 1e-6));
    EXPECT_EQ(std::tuple(S.MinFlowUser[32], S.MaxFlowUser[32], S.FlowUnitFactor[32]), std::tuple(157, 1586, 1));
    // The full-bore meters keep their ranges but fail the flow test (500 > 440).
    EXPECT_EQ(Format(S.MinFlowUser[37], "0.00"), "39.29");
    EXPECT_EQ(S.MaxFlowUser[37], 400);

    // At 0.5 cP the Reynolds-limited 0.889 ft/s is raised to the 1.0 ft/s
    // floor: Round(88.128) = 88 GPM.
    water(500, 6.0f, "GPM", 0.5);
    EXPECT_EQ(findMeter(), Codes{"QNL"});
    EXPECT_EQ(std::tuple(S.RangeMinGpm[32], S.MinFlowUser[32], S.MaxFlowUser[32]), std::tuple(88, 88, 1586));
    EXPECT_TRUE(near(S.RangeMinVelFps[32], 88 / 88.128, 1e-6));
}

// Hand computations: a wafer's minimum is bore^2 x 2.448 x its Reynolds
// number x the viscosity / its shedder width (QWL10: 0.875^2 x 2.448 x 3447
// x 1.076391e-5 / 0.01558 = 4.46 GPM).
TEST_F(LiquidSelection, TwentyGpmInAOneInchLineFitsQwl10Only) {
    water(20, 1.049f);
    EXPECT_EQ(findMeter(), Codes{"QWL10"});
    auto& S = shared();
    EXPECT_EQ(Format(S.MinFlowUser[34], "0.00"), "4.46");
    EXPECT_EQ(Format(S.MinFlowUser[36], "0.00"), "17.86");
    EXPECT_EQ(std::tuple(S.MaxFlowUser[34], S.MaxFlowUser[36]), std::tuple(44, 175));
    // Below 3 in the insertion slot keeps the range of its empty bore; from
    // 3.0 in it follows the pipe: 22.032 GPM per ft/s, Round(22.032 x 1.777)
    // = 39 to Round(22.032 x 18) = 397 GPM.
    EXPECT_EQ(std::tuple(S.MinFlowUser[32], S.MaxFlowUser[32]), std::tuple(0, 18));
    water(45, 3.0f);
    modLqdSelection();
    EXPECT_EQ(std::tuple(S.MinFlowUser[32], S.MaxFlowUser[32]), std::tuple(39, 397));
}

TEST_F(LiquidSelection, RangesComeOutInTheUsersFlowUnit) {
    auto& S = shared();
    // 20 GPM entered as cubic metres per hour: 1 m^3/hr = 4.40287 GPM.
    water(float(20 / 4.402867), 1.049f, "m^3/Hr");
    EXPECT_EQ(findMeter(), Codes{"QWL10"});
    EXPECT_TRUE(near(S.MinFlowUser[34], 4.46346 / 4.402867, 2e-5));
    EXPECT_TRUE(near(S.MaxFlowUser[34], 44 / 4.402867, 2e-5));
    // The insertion meter in ft/s: whole units, 157 GPM / 88.128 = 1.78 -> 2.
    water(float(500 / 88.128), 6.0f, "FPS");
    EXPECT_EQ(findMeter(), Codes{"QNL"});
    EXPECT_EQ(std::tuple(S.MinFlowUser[32], S.MaxFlowUser[32]), std::tuple(2, 18));
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
    water(0, 1.049f);
    EXPECT_EQ(findMeter(), Codes{});
    auto& S = shared();
    for (int slot = 25; slot <= 40; ++slot)
        EXPECT_TRUE(S.MinFlowUser[slot - 1] == 0 && std::isnan(S.FlowUnitFactor[slot - 1])) << slot;
    EXPECT_TRUE(std::isnan(S.MaxFlowUser[34]));
    water(0, 6.0f);
    EXPECT_EQ(findMeter(), Codes{});
    EXPECT_EQ(S.MinFlowUser[32], 0);
}

TEST_F(LiquidSelection, TheHalfInchSlotGetsARangeButIsNeverOffered) {
    water(5, 0.546f);
    EXPECT_EQ(findMeter(), Codes{});
    auto& S = shared();
    EXPECT_EQ(Format(S.MinFlowUser[24], "0.000"), "1.336");
    EXPECT_EQ(S.MaxFlowUser[24], 15);
    for (int slot : {26, 32, 34, 39, 40})
        EXPECT_TRUE(S.MinFlowUser[slot - 1] == 0 && S.MaxFlowUser[slot - 1] == 0 && S.MeterModel[slot] == "NONE")
            << slot;
}

TEST_F(LiquidSelection, EveryFindMeterStartsAfresh) {
    auto& S = shared();
    water(500, 6.0f);
    ASSERT_EQ(findMeter(), Codes{"QNL"});
    S.ChartMinFlowGpm[32] = S.ChartMaxFlowGpm[32] = 7;
    water(500, 6.0f, "GPM", 1, "centipoise", 301);
    EXPECT_EQ(findMeter(), Codes{});
    EXPECT_EQ(std::tuple(S.ChartMinFlowGpm[32], S.ChartMaxFlowGpm[32]), std::tuple(0, 0));
    for (int slot = 25; slot <= 40; ++slot) EXPECT_EQ(S.MeterModel[slot], "NONE") << slot;
    EXPECT_EQ(S.MeterModel[8], "");  // the gas slots are left alone
    // Set Defaults clears the models and the ranges the same way.
    water(500, 6.0f);
    ASSERT_EQ(findMeter(), Codes{"QNL"});
    resetLiquidSlots();
    EXPECT_EQ(listed(), Codes{});
    EXPECT_EQ(S.RangeMinVelFps[32] + S.MinFlowUser[32] + S.MaxFlowUser[32], 0);
}

// Pipe-diameter bands, both ends included, limits as 32-bit values. At 20
// GPM every full-bore meter but QWL30 passes the flow test; at 45 and 100
// GPM QWL30 does too, and from 3 in the insertion meter.
TEST_F(LiquidSelection, PipeBandsOfferTheModelsOfTheLine) {
    const struct { float pipeIn, gpm; Codes codes; } rows[] = {
        {0.69f, 20, {}},           {0.7f, 20, {"QWL10"}},     {1.25f, 20, {"QWL10"}},
        {1.255f, 20, {}},          {1.26f, 20, {"QWL15"}},    {1.75f, 20, {"QWL15"}},
        {1.76f, 20, {"QWL20"}},    {2.2499f, 45, {"QWL20"}},
        {2.25f, 45, {"QWL20", "QWL30"}},                      {2.2501f, 45, {"QWL30"}},
        {2.999f, 45, {"QWL30"}},   {3.0f, 45, {"QNL", "QWL30"}},
        {3.25f, 100, {"QNL", "QWL30"}},                       {3.26f, 100, {"QNL"}}};
    for (const auto& r : rows) EXPECT_EQ(sized(r.gpm, r.pipeIn), r.codes) << r.gpm << " GPM in " << r.pipeIn << " in";
}

// The upper flow limits (inclusive) lie about 10 % above the catalogue
// maxima; a Reynolds-limited minimum at or above 33 / 75 / 130 / 300 GPM (16
// ft/s for the insertion meter) rules the meter out whatever the flow.
TEST_F(LiquidSelection, FlowLimits) {
    const struct { float flow; const char* unit; float pipeIn; double cSt; Codes codes; } rows[] = {
        {49, "GPM", 1.0f, 1, {"QWL10"}},   {49.01f, "GPM", 1.0f, 1, {}},
        {110, "GPM", 1.5f, 1, {"QWL15"}},  {110.01f, "GPM", 1.5f, 1, {}},
        {195, "GPM", 2.0f, 1, {"QWL20"}},  {195.01f, "GPM", 2.0f, 1, {}},
        {440, "GPM", 2.5f, 1, {"QWL30"}},  {440.01f, "GPM", 2.5f, 1, {}},
        {18, "FPS", 6.0f, 1, {"QNL"}},     {18.01f, "FPS", 6.0f, 1, {}},
        // QWL10: 4.4635 GPM per cSt -> 31.2 GPM at 7 cSt, 35.7 at 8 cSt.
        {40, "GPM", 1.0f, 7, {"QWL10"}},   {40, "GPM", 1.0f, 8, {}},
        // QNL: 1.777 ft/s per cSt -> 15.1 ft/s at 8.5 cSt, 16.2 at 9.1 cSt.
        {17, "FPS", 6.0f, 8.5, {"QNL"}},   {17, "FPS", 6.0f, 9.1, {}}};
    for (const auto& r : rows)
        EXPECT_EQ(sized(r.flow, r.pipeIn, r.cSt, r.unit), r.codes)
            << r.flow << " " << r.unit << " in " << r.pipeIn << " in, " << r.cSt << " cSt";
}

TEST_F(LiquidSelection, AFlowExactlyAtTheReynoldsMinimumIsOffered) {
    const struct { float pipeIn; int slot; const char* code; } rows[] = {
        {1.0f, 35, "QWL10"}, {1.5f, 36, "QWL15"}, {2.0f, 37, "QWL20"}, {2.5f, 38, "QWL30"}};
    for (const auto& r : rows) {
        sized(100, r.pipeIn);
        const float minimum = shared().RangeMinGpm[r.slot - 1];
        EXPECT_EQ(sized(minimum, r.pipeIn), Codes{r.code}) << r.code;
        EXPECT_EQ(sized(std::nextafter(minimum, 0.0f), r.pipeIn), Codes{}) << r.code;
    }
    // The insertion meter at its rounded minimum of 157 GPM (velocity 1.7815).
    EXPECT_EQ(sized(157, 6.0f), Codes{"QNL"});
    EXPECT_EQ(sized(156.99f, 6.0f), Codes{});
}

TEST_F(LiquidSelection, AReynoldsMinimumAtTheLimitRulesTheMeterOut) {
    // Minimum and flow set directly: the flow always lies within the range.
    const struct { int slot; const char* code; float limit; } rows[] = {
        {33, "QNL", 16}, {35, "QWL10", 33}, {36, "QWL15", 75}, {37, "QWL20", 130}, {38, "QWL30", 300}};
    auto& S = shared();
    for (const auto& r : rows) {
        for (const float minimum : {std::nextafter(r.limit, 0.0f), r.limit}) {
            resetLiquidSlots();
            S.RangeMinVelFps[r.slot - 1] = S.RangeMinGpm[r.slot - 1] = minimum;
            S.LqdVelFps = S.LqdFlowGpm = r.limit;
            modLqdFlowSel();
            EXPECT_EQ(S.MeterModel[r.slot] == r.code, minimum < r.limit) << r.code << " " << minimum;
        }
    }
}

// Both ends included: the half-inch and insertion slots (up to 32) end at
// 200 deg F, the others at 300 deg F.
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
