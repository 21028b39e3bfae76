#include "reports/RangePicture.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "gas/Results.h"
#include "liquid/Results.h"
#include "state/Text.h"

namespace quorin {

namespace {

// Room for the rounding of a float limit read as a double.
constexpr double kSlack = 1e-9;
constexpr double kMantissas[] = {1, 2, 5, 10};

double decade(double value) { return std::pow(10.0, std::floor(std::log10(value))); }

// The largest 1-2-5 step at or below a positive value.
double stepAtOrBelow(double value) {
    const double d = decade(value);
    double step = d;
    for (double m : kMantissas)
        if (m * d <= value * (1 + kSlack)) step = m * d;
    return step;
}

// The smallest 1-2-5 step at or above a positive value.
double stepAtOrAbove(double value) {
    const double d = decade(value);
    for (double m : kMantissas)
        if (m * d >= value * (1 - kSlack)) return m * d;
    return 10 * d;
}

bool onAxis(double value) { return std::isfinite(value) && value > 0; }

RangeBar bar(const std::string& code, float minFlow, float maxFlow, const std::string& minText,
             const std::string& maxText) {
    RangeBar b;
    b.code = code;
    b.minFlow = minFlow;
    b.maxFlow = maxFlow;
    b.minText = minText;
    b.maxText = maxText;
    return b;
}

// The flow, the unit and the axis over the bars' limits and the flow.
void finish(RangePicture& p, double flow, const std::string& unit) {
    p.flow = flow;
    p.flowText = General(flow);
    p.unit = unit;
    double low = std::numeric_limits<double>::infinity(), high = 0;
    auto take = [&](double value) {
        if (!onAxis(value)) return;
        low = std::min(low, value);
        high = std::max(high, value);
    };
    take(flow);
    for (RangeBar& b : p.bars) {
        take(b.minFlow);
        take(b.maxFlow);
        b.lowZoneEnd = b.minFlow + 0.15 * (b.maxFlow - b.minFlow);
        b.fits = flow >= b.minFlow && flow <= b.maxFlow;
    }
    if (high > 0) {
        p.axisLow = stepAtOrBelow(low);
        p.axisHigh = stepAtOrAbove(high);
        // A single value still gets an axis around it.
        if (p.axisHigh <= p.axisLow) p.axisHigh = stepAtOrAbove(p.axisLow * 1.5);
    }
    p.ticks = rangeTicks(p.axisLow, p.axisHigh);
    if (p.bars.empty()) p.emptyText = "No meters fit parameters";
}

}  // namespace

double RangePicture::axisFraction(double value) const {
    if (std::isnan(value) || value <= axisLow) return 0;
    if (value >= axisHigh) return 1;
    return std::log(value / axisLow) / std::log(axisHigh / axisLow);
}

bool RangePicture::flowShown() const { return onAxis(flow); }

std::vector<RangeTick> rangeTicks(double low, double high) {
    std::vector<RangeTick> ticks;
    if (!onAxis(low) || !onAxis(high) || high < low) return ticks;
    const int first = int(std::floor(std::log10(low))), last = int(std::ceil(std::log10(high)));
    for (bool decadesOnly : {false, true}) {
        ticks.clear();
        for (int e = first; e <= last; ++e)
            for (double m : {1.0, 2.0, 5.0}) {
                const double value = m * std::pow(10.0, e);
                if (decadesOnly && m != 1) continue;
                if (value >= low * (1 - kSlack) && value <= high * (1 + kSlack))
                    ticks.push_back({value, General(value)});
            }
        if (ticks.size() <= 13) break;
    }
    return ticks;
}

RangePicture gasRangePicture(const GasResultsView& view) {
    // The limits' texts as the range lists show them: one row per slot with
    // a range.
    const GasResultsScreen shown = gasResultsScreen(view, {});
    RangePicture p;
    size_t row = 0;
    for (const GasMeterSlot& slot : view.meterSlots) {
        if (!slot.ranged()) continue;
        if (slot.listed() && row < shown.flowLow.size() && row < shown.flowHi.size())
            p.bars.push_back(
                bar(slot.code, slot.minFlow, slot.maxFlow, shown.flowLow[row], shown.flowHi[row]));
        ++row;
    }
    finish(p, view.FlowRateIn, shown.minUnit);
    return p;
}

RangePicture liquidRangePicture(const LiquidResultsView& view) {
    const LiquidResultsScreen shown = liquidResultsScreen(view, {});
    RangePicture p;
    for (size_t k = 0; k < view.meters.size(); ++k) {
        const LiquidMeterRange& m = view.meters[k];
        p.bars.push_back(bar(m.code, m.minFlow, m.maxFlow, shown.flowLow[k], shown.flowHi[k]));
    }
    finish(p, view.LqdFlowRateIn, shown.minUnit);
    return p;
}

}  // namespace quorin
