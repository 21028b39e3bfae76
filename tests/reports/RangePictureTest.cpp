// The range picture's data read from the results views. The ranges are those
// of the worked results files: air at 100 psig and 70 deg F in a 6 in line
// lists QNG 23.56 to 1649.34 ACFM and QNS 54.39 to 2179.48 ACFM
// (tests/reports/data/gas-insertion.txt).
#include "reports/RangePicture.h"
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class RangePictureData : public CoreTest {
protected:
    static RangePicture gasAt(float flow) {
        loadGasDefaults();
        airAt(100, 70, 6, flow);
        modGasSelection();
        return gasRangePicture(modGasResults());
    }
    static std::string codes(const RangePicture& p) {
        std::string text;
        for (const RangeBar& b : p.bars) text += b.code + (b.fits ? "+ " : "- ");
        return text;
    }
};

std::string tickTexts(const std::vector<RangeTick>& ticks) {
    std::string text;
    for (const RangeTick& t : ticks) text += t.text + " ";
    return text;
}

// Bars in list order, "+" for a range that holds the flow. The axis runs from
// the 1-2-5 step under the smallest figure to the one over the largest; the
// flow sits at ln(flow / 20) / ln(5000 / 20) on the 20 to 5000 axis.
TEST_F(RangePictureData, GasBarsFitsAndAxis) {
    const struct {
        float flow;
        const char* codes;
        double low, high, flowFraction;
    } cases[] = {
        {1600, "QNG+ QNS+ ", 20, 5000, 0.7936354},
        {1700, "QNG- QNS+ ", 20, 5000, 0.8046152},
        {20, "QNG- ", 20, 2000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flow);
        const RangePicture p = gasAt(c.flow);
        EXPECT_EQ(codes(p), c.codes);
        EXPECT_EQ(std::tuple(p.axisLow, p.axisHigh, p.unit), std::tuple(c.low, c.high, "ACFM"));
        EXPECT_NEAR(p.axisFraction(p.flow), c.flowFraction, 1e-6);
    }
    const RangePicture p = gasAt(1600);
    const RangeBar& qng = p.bars[0];
    EXPECT_EQ(std::tuple(qng.minText, qng.maxText, p.flowText, p.emptyText),
              std::tuple("23.56", "1649.34", "1600", ""));
    EXPECT_TRUE(near(qng.lowZoneEnd, 23.56 + 0.15 * (1649.34 - 23.56), 1e-5));
    EXPECT_EQ(tickTexts(p.ticks), "20 50 100 200 500 1000 2000 5000 ");
}

// A flow exactly at either limit is held, as the range notes have it; the
// next float beyond is not.
TEST_F(RangePictureData, FlowAtTheLimitsIsHeld) {
    gasAt(1600);
    GasResultsView view = modGasResults();
    const float min = view.meterSlots[7].minFlow, max = view.meterSlots[7].maxFlow;
    const struct { float flow; bool fits; } cases[] = {
        {min, true},
        {std::nextafter(min, 0.0f), false},
        {max, true},
        {std::nextafter(max, 1e9f), false},
    };
    for (const auto& c : cases) {
        view.FlowRateIn = c.flow;
        EXPECT_EQ(gasRangePicture(view).bars[0].fits, c.fits) << c.flow;
    }
}

// 1, 2 and 5 times each power of ten inside the axis; past 13 ticks the powers
// of ten alone. Zero and figures that are not finite go to the nearer end.
TEST(RangePictureTicks, OneTwoFiveStepsAndTheEnds) {
    const struct { double low, high; const char* texts; } cases[] = {
        {0.5, 20, "0.5 1 2 5 10 20 "},
        {0.002, 0.05, "0.002 0.005 0.01 0.02 0.05 "},
        {1, 1e6, "1 10 100 1000 10000 100000 1000000 "},
    };
    for (const auto& c : cases) EXPECT_EQ(tickTexts(rangeTicks(c.low, c.high)), c.texts) << c.low;
    RangePicture p;
    EXPECT_EQ(std::tuple(p.axisFraction(0), p.axisFraction(NAN), p.axisFraction(INFINITY)),
              std::tuple(0.0, 0.0, 1.0));
}

// Without a meter the picture has the words instead of bars.
TEST(RangePictureEmpty, SaysNoMeterFits) {
    GasResultsView none;
    none.FlowRateIn = 100;
    const RangePicture empty = gasRangePicture(none);
    EXPECT_EQ(std::tuple(empty.bars.size(), empty.emptyText, empty.axisLow, empty.axisHigh),
              std::tuple(size_t(0), "No meters fit parameters", 100.0, 200.0));
}

}  // namespace
}  // namespace quorin::test
