#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Catalogue : public CoreTest {};

// The steam maximum of the insertion meter follows the gauge pressure, and
// each call rewrites it.
TEST_F(Catalogue, SteamInsertionMaximumFollowsTheGaugePressure) {
    const std::pair<float, float> rows[] = {{-5, 7500},    {0, 7500},   {25, 7500},      {25.001f, 9500},
                                            {60, 9500},    {60.001f, 9500}, {62, 9500},  {65, 9500},
                                            {65.001f, 10500}, {66, 10500}, {600, 10500}, {10, 7500}};
    for (const auto& [psig, maxSteam] : rows) {
        shared().PressPsig = psig;
        modMeterSpecs();
        EXPECT_EQ(shared().MeterMaxSteam[9], maxSteam) << psig << " psig";
    }
}

TEST_F(Catalogue, GasAndSteamSlots) {
    const struct {
        int slot;
        const char* code;
        double boreIn, shedderIn;
        float minFlow, maxFlow, minSteam, maxSteam;
    } rows[] = {
        {1, "QWG05", 0.5, 0.095, 0.4f, 16, 0.4f, 10},
        {3, "QWG10", 0.875, 0.095, 1.25f, 45, 1.25f, 35},
        {4, "QWG15", 1.375, 0.095, 2.5f, 100, 3, 100},
        {5, "QWG20", 1.75, 0.095, 5, 200, 5, 160},
        {6, "QWG30", 2.75, 0.11, 10, 400, 13, 320},
        {7, "QWG40", 3.75, 0.11, 20, 600, 23, 480},
        {8, "QNG", 0, 0.125, 120, 8400, 0, 0},
        {9, "QNS", 0, 0.0932, 277, 11100, 300, 9500},
    };
    auto& S = shared();
    S.PressPsig = 40;
    modMeterSpecs();
    for (const auto& r : rows) {
        SCOPED_TRACE(r.code);
        EXPECT_EQ(S.MeterCode[r.slot], r.code);
        EXPECT_EQ(S.MeterBore[r.slot], float(r.boreIn / 12));
        EXPECT_EQ(S.ShedderWidth[r.slot], r.shedderIn / 12);
        EXPECT_EQ(std::tuple(S.MeterMinFlow[r.slot], S.MeterMaxFlow[r.slot], S.MeterMinSteam[r.slot], S.MeterMaxSteam[r.slot]),
                  std::tuple(r.minFlow, r.maxFlow, r.minSteam, r.maxSteam));
    }
    EXPECT_EQ(Format(S.MeterBore[1], "0.000000"), "0.041667");
    for (int slot : {1, 3, 4, 5}) EXPECT_EQ(Format(S.ShedderWidth[slot], "0.0000000"), "0.0079167");
}

TEST_F(Catalogue, LiquidSlotsKeepTheirOddValues) {
    auto& S = shared();
    modMeterSpecs();
    EXPECT_EQ(S.MeterMinFlow[37], 19.999f);  // not 20
    EXPECT_EQ(S.MeterBore[33], 0);           // the insertion meter has no bore
    EXPECT_EQ(S.MeterBore[25], 0.546f);      // inches, not feet
    EXPECT_EQ(S.ShedderWidth[25], 0.0076667);  // feet as given
    EXPECT_EQ(S.MeterMaxSteam[35], 0);
}

TEST_F(Catalogue, EmptySlotsStayEmpty) {
    auto& S = shared();
    S.PressPsig = 100;
    modMeterSpecs();
    int filled = 0;
    for (int slot = 0; slot <= kSlots; ++slot) {
        if (!S.MeterCode[slot].empty()) {
            ++filled;
            continue;
        }
        EXPECT_EQ(std::tuple(S.MeterBore[slot], S.ShedderWidth[slot], S.MeterMinFlow[slot], S.MeterMaxFlow[slot],
                             S.MeterMaxSteam[slot], S.MeterLqdRey[slot]),
                  std::tuple(0, 0, 0, 0, 0, 0))
            << slot;
    }
    EXPECT_EQ(filled, 14);
    EXPECT_EQ(S.MeterCode[2], "");
}

}  // namespace
}  // namespace quorin::test
