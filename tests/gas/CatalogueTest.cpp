#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Catalogue : public CoreTest {};

// The steam maximum of the insertion meter follows the gauge pressure: 7500
// ft/min up to 25 psig, 9500 up to 65 psig (the band above 60 takes the lower
// neighbour's figure), 10500 above; each call rewrites it, so the last row
// after a higher pressure falls back.
TEST_F(Catalogue, SteamInsertionMaximumFollowsTheGaugePressure) {
    const std::pair<float, float> rows[] = {{-5, 7500},  {25, 7500},     {25.001f, 9500}, {60, 9500},
                                            {60.001f, 9500}, {65, 9500}, {65.001f, 10500}, {10, 7500}};
    for (const auto& [psig, maxSteam] : rows) {
        shared().PressPsig = psig;
        modMeterSpecs();
        EXPECT_EQ(shared().MeterMaxSteam[9], maxSteam) << psig << " psig";
    }
}

}  // namespace
}  // namespace quorin::test
