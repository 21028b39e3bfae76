// The range picture of a results screen, without geometry: one bar per
// recommended meter from its minimum to its maximum flow in the user's flow
// unit, the lowest 15 % of each bar, the entered flow, and one logarithmic
// axis shared by all bars with its 1-2-5 ticks. It is read from the results
// view as the screen shows it; the screen (or a page, or an image) only maps
// it to pixels.
#pragma once

#include <string>
#include <vector>

namespace quorin {

struct GasResultsView;
struct LiquidResultsView;

struct RangeBar {
    std::string code;
    double minFlow = 0, maxFlow = 0;
    std::string minText, maxText;  // the limits as the Min and Max lists show them
    // The lowest 15 % of the span, linear in flow: minFlow to this value, the
    // zone the lower-15 % warning speaks of.
    double lowZoneEnd = 0;
    // The range holds the entered flow; a flow exactly at either limit is held
    // (the results' range notes call only a flow below the minimum or above
    // the maximum out of range).
    bool fits = false;
};

struct RangeTick {
    double value = 0;
    std::string text;
};

struct RangePicture {
    std::vector<RangeBar> bars;  // in the order of the meter list
    double flow = 0;             // the entered flow
    std::string flowText;        // its number, as "Flow Entered" shows it
    std::string unit;            // the unit of the Min/Max columns and the axis
    // The axis runs from the 1-2-5 step at or below the smallest limit (or
    // flow) to the step at or above the largest; zero and non-finite values
    // take no part.
    double axisLow = 1, axisHigh = 10;
    std::vector<RangeTick> ticks;  // ascending, inside the axis
    std::string emptyText;         // the words shown instead of bars when no meter fits

    // Where `value` lies on the axis: 0 at axisLow, 1 at axisHigh, on a
    // logarithmic scale; values outside (zero, negative, not finite) are held
    // to the nearer end (not finite: 0).
    double axisFraction(double value) const;
    // The entered flow is a positive finite number and so has a place on the axis.
    bool flowShown() const;
};

// The picture of the gas/steam results: every slot the meter list shows that
// has a range, in catalogue order.
RangePicture gasRangePicture(const GasResultsView& view);
// The picture of the liquid results: every meter of the list.
RangePicture liquidRangePicture(const LiquidResultsView& view);

// The ticks of an axis: every 1, 2 and 5 times a power of ten from `low` to
// `high`; over more than 13 of them, the powers of ten alone.
std::vector<RangeTick> rangeTicks(double low, double high);

}  // namespace quorin
