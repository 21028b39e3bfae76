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
    // Water of the given kinematic viscosity, then Find Meter.
    static Codes sized(float flow, float pipeIn, double cSt = 1, const char* unit = "GPM") {
        water(flow, pipeIn, unit, cSt, "centistokes");
        modLqdSelection();
        return listed();
    }
};

// Hand computations: the insertion meter's Reynolds limit is 1720 x 1.076391e-5
// / 0.010417 = 1.777 ft/s, 6.0^2 x 2.448 = 88.128 GPM per ft/s; at 0.5 cSt the
// 0.889 ft/s is raised to the 1.0 ft/s floor, Round(88.128) = 88 GPM.
TEST_F(LiquidSelection, TheInsertionRangeFollowsThePipeWithAFloorOfOneFootPerSecond) {
    auto& S = shared();
    for (const auto& [cSt, minGpm] : {std::pair{1.0, 157.0f}, std::pair{0.5, 88.0f}}) {
        EXPECT_EQ(sized(500, 6.0f, cSt), Codes{"QNL"}) << cSt;
        EXPECT_EQ(std::tuple(S.MinFlowUser[32], S.MaxFlowUser[32]), std::tuple(minGpm, 1586.0f)) << cSt;
    }
}

// Hand computations: a wafer's minimum is bore^2 x 2.448 x its Reynolds number
// x the viscosity / its shedder width (QWL10: 0.875^2 x 2.448 x 3447 x
// 1.076391e-5 / 0.01558 = 4.46 GPM). Below 3 in the insertion slot keeps the
// range of its empty bore; from 3.0 in it follows the pipe: Round(22.032 x
// 1.777) = 39 to Round(22.032 x 18) = 397 GPM.
TEST_F(LiquidSelection, WaferRangesAndTheInsertionRangeBelowAndFromThreeInches) {
    auto& S = shared();
    EXPECT_EQ(sized(20, 1.049f), Codes{"QWL10"});
    EXPECT_EQ(std::tuple(Format(S.MinFlowUser[34], "0.00"), S.MaxFlowUser[34]), std::tuple("4.46", 44.0f));
    EXPECT_EQ(std::tuple(S.MinFlowUser[32], S.MaxFlowUser[32]), std::tuple(0.0f, 18.0f));
    sized(45, 3.0f);
    EXPECT_EQ(std::tuple(S.MinFlowUser[32], S.MaxFlowUser[32]), std::tuple(39.0f, 397.0f));
}

// A flow unit worth half a gallon a minute: 157 GPM is 78.5 units -> 78, 159
// GPM (at 1.0125 cSt) 79.5 -> 80, 1586.304 x 0.5 -> 793.
TEST_F(LiquidSelection, InsertionRangesRoundHalvesToEven) {
    auto& S = shared();
    modMeterSpecs();
    for (const auto& [cSt, minUser] : {std::pair{1.0, 78.0f}, std::pair{1.0125, 80.0f}}) {
        S.PipeIdIn = 6;
        S.LqdViscFt2s = cSt * 1.076391e-5;
        S.LqdFlowRateIn = 1;
        S.LqdFlowGpm = 2;
        modLqdLowCalc();
        EXPECT_EQ(std::tuple(S.MinFlowUser[32], S.MaxFlowUser[32]), std::tuple(minUser, 793.0f)) << cSt;
    }
}

// A Find Meter that fits nothing clears the models and chart figures of the
// one before; a zero flow leaves every minimum at 0.
TEST_F(LiquidSelection, EveryFindMeterStartsAfreshAndSetDefaultsClearsTheSlots) {
    auto& S = shared();
    ASSERT_EQ(sized(500, 6.0f), Codes{"QNL"});
    S.ChartMinFlowGpm[32] = S.ChartMaxFlowGpm[32] = 7;
    EXPECT_EQ(sized(0, 1.049f), Codes{});
    EXPECT_EQ(std::tuple(S.ChartMaxFlowGpm[32], S.MeterModel[8]), std::tuple(0.0f, ""));
    for (int i = 24; i < 40; ++i) EXPECT_EQ(S.MinFlowUser[i], 0) << "slot " << i + 1;
    sized(500, 6.0f);
    resetLiquidSlots();
    EXPECT_EQ(std::tuple(listed(), S.MinFlowUser[32], S.MaxFlowUser[32]), std::tuple(Codes{}, 0.0f, 0.0f));
}

// Pipe-diameter bands, both ends included, limits as 32-bit values (the
// half-inch meter is never offered, not even in its own line); the flow lies
// between the Reynolds-limited minimum and the upper limit, both included
// (velocity for the insertion meter).
TEST_F(LiquidSelection, PipeBandsAndFlowLimits) {
    const struct { float pipeIn, flow; Codes codes; const char* unit = "GPM"; } rows[] = {
        {0.546f, 5, {}}, {0.69f, 20, {}}, {0.7f, 20, {"QWL10"}}, {1.25f, 20, {"QWL10"}}, {1.255f, 20, {}},
        {1.26f, 20, {"QWL15"}}, {1.75f, 20, {"QWL15"}}, {1.76f, 20, {"QWL20"}}, {2.2499f, 45, {"QWL20"}},
        {2.25f, 45, {"QWL20", "QWL30"}}, {2.2501f, 45, {"QWL30"}}, {2.999f, 45, {"QWL30"}},
        {3.0f, 45, {"QNL", "QWL30"}}, {3.25f, 100, {"QNL", "QWL30"}}, {3.26f, 100, {"QNL"}},
        {1.0f, 49, {"QWL10"}}, {1.0f, 49.01f, {}}, {2.5f, 440, {"QWL30"}}, {2.5f, 440.01f, {}},
        {6.0f, 18, {"QNL"}, "FPS"}, {6.0f, 18.01f, {}, "FPS"}, {6.0f, 157, {"QNL"}}, {6.0f, 156.99f, {}}};
    for (const auto& r : rows)
        EXPECT_EQ(sized(r.flow, r.pipeIn, 1, r.unit), r.codes) << r.flow << " " << r.unit << " " << r.pipeIn;
    sized(100, 1.0f);
    const float minimum = shared().RangeMinGpm[34];
    EXPECT_EQ(sized(minimum, 1.0f), Codes{"QWL10"});
    EXPECT_EQ(sized(std::nextafter(minimum, 0.0f), 1.0f), Codes{});
}

// Set directly: a Reynolds-limited minimum at or above its limit rules the
// meter out whatever the flow; the half-inch and insertion slots (up to 32)
// end at 200 deg F, the others at 300 deg F, both ends included.
TEST_F(LiquidSelection, ReynoldsAndTemperatureLimits) {
    auto& S = shared();
    const struct { int slot; const char* code; float limit; } rows[] = {{33, "QNL", 16}, {35, "QWL10", 33}};
    for (const auto& r : rows)
        for (const float minimum : {std::nextafter(r.limit, 0.0f), r.limit}) {
            resetLiquidSlots();
            S.RangeMinVelFps[r.slot - 1] = S.RangeMinGpm[r.slot - 1] = minimum;
            S.LqdVelFps = S.LqdFlowGpm = r.limit;
            modLqdFlowSel();
            EXPECT_EQ(S.MeterModel[r.slot] == r.code, minimum < r.limit) << r.code << " " << minimum;
        }
    const struct { float degF; bool low, high; } temps[] = {
        {200, true, true}, {200.01f, false, true}, {300, false, true}, {300.01f, false, false}};
    for (const auto& t : temps) {
        for (int slot = 25; slot <= 40; ++slot) S.MeterModel[slot] = "X";
        S.TempDegF = t.degF;
        modLqdTempSel();
        for (int slot = 25; slot <= 40; ++slot)
            EXPECT_EQ(S.MeterModel[slot] == "X", slot <= 32 ? t.low : t.high) << slot << " " << t.degF;
    }
}

}  // namespace
}  // namespace quorin::test
