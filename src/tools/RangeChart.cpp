// The standard meter range chart: two fixed charts and the liquid chart
// computed from the catalogue for the entered case.
#include "tools/RangeChart.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <span>

#include "gas/GasCalc.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

namespace {

// One row of a fixed chart; `separated` adds a blank row after it, and a
// second description line, when there is one, takes a row of its own.
struct FixedRow {
    const char *meter, *description, *minFlow, *maxFlow, *sizeIn, *sizeMm;
    bool separated;
    const char* descriptionLine2 = nullptr;
};

constexpr const char* kGasRef = "Based on 60 degF and 14.7 psia";
constexpr FixedRow kGasChart[] = {
    {"QWG05", "Gas Wafer", "0.40 ACFM", "16 ACFM", "0.5 inches", "13.0 mm", false},
    {"QWBG05", "Biogas Wafer", "0.40 ACFM", "16 ACFM", "0.5 inches", "13.0 mm", false},
    {"QWS05", "Steam Wafer", "0.40 ACFM", "10 ACFM", "0.5 inches", "13.0 mm", true},
    {"QWG10", "Gas Wafer", "1.25 ACFM", "45 ACFM", "1.0 inch", "25.0 mm", false},
    {"QWBG10", "Biogas Wafer", "1.25 ACFM", "45 ACFM", "1.0 inch", "25.0 mm", false},
    {"QWS10", "Steam Wafer", "1.25 ACFM", "35 ACFM", "1.0 inch", "25.0 mm", true},
    {"QWG15", "Gas Wafer", "2.50 ACFM", "100 ACFM", "1.5 inches", "38.0 mm", false},
    {"QWBG15", "Biogas Wafer", "2.50 ACFM", "100 ACFM", "1.5 inches", "38.0 mm", false},
    {"QWS15", "Steam Wafer", "3.0 ACFM", "100 ACFM", "1.5 inches", "38.0 mm", true},
    {"QWG20", "Gas Wafer", "5.00 ACFM", "200 ACFM", "2.0 inches", "51.0 mm", false},
    {"QWBG20", "Biogas Wafer", "5.00 ACFM", "200 ACFM", "2.0 inches", "51.0 mm", false},
    {"QWS20", "Steam Wafer", "5.00 ACFM", "160 ACFM", "2.0 inches", "51.0 mm", true},
    {"QWG30", "Gas Wafer", "10.00 ACFM", "400 ACFM", "3.0 inches", "76.0 mm", false},
    {"QWBG30", "Biogas Wafer", "10.00 ACFM", "400 ACFM", "3.0 inches", "76.0 mm", false},
    {"QWS30", "Steam Wafer", "13.00 ACFM", "320 ACFM", "3.0 inches", "76.0 mm", true},
    {"QWG40", "Gas Wafer", "20.00 ACFM", "600 ACFM", "4.0 inches", "102.0 mm", false},
    {"QWBG40", "Biogas Wafer", "20.00 ACFM", "600 ACFM", "4.0 inches", "102.0 mm", false},
    {"QWS40", "Steam Wafer", "23.00 ACFM", "480 ACFM", "4.0 inches", "102.0 mm", true},
    {"QNG", "Insertion Gas", "120.00 FPM", "8400 FPM", "6.0 inches or greater",
     "152 mm or greater", true},
    {"QNS", "Insertion Steam", "300.00 FPM", "7500 FPM", "6.0 inches or greater",
     "152 mm or greater", true},
    {"QNS", "Insertion Steam", "277.00 FPM", "11100 FPM", "6.0 inches or greater",
     "152 mm or greater", true, "in gas applications"},
};

constexpr const char* kLiquidRef = "Based on 50 degF and 1 cSt";
constexpr FixedRow kLiquidChart[] = {
    {"QWL10", "Wafer", "5 GPM", "44 GPM", "1.0 inch", "25.0 mm", true},
    {"QWL15", "Wafer", "11 GPM", "100 GPM", "1.5 inches", "38.0 mm", true},
    {"QWL20", "Wafer", "20 GPM", "175 GPM", "2.0 inches", "51.0 mm", true},
    {"QWL30", "Wafer", "44 GPM", "400 GPM", "3.0 inches", "76.0 mm", true},
    {"QNL", "Insertion Liquid", "2 FPS", "18 FPS", "3.0 inches or greater", "76 mm or greater",
     true},
};

// The computed chart lists slots 25..38 but never these codes, nor a slot
// without a model.
constexpr int kFirstSlot = 25, kLastSlot = 38;
constexpr int kInsertionSlot = 33;  // QNL: its range follows the pipe
constexpr const char* kNeverListed[] = {"", "J", "QL4404"};
constexpr float kInsertionMinVelFps = 1.0f;
constexpr float kInsertionMaxVelFps = 20.0f;
constexpr float kInsertionFromPipeIn = 3.0f;
constexpr double kGpmPerIn2Fps = 0.0408;  // x 60: bore in inches, ft/s -> GPM

void addRow(RangeChartView& v, std::string meter, std::string description, std::string minFlow,
            std::string maxFlow, std::string sizeIn, std::string sizeMm) {
    v.meter.push_back(std::move(meter));
    v.description.push_back(std::move(description));
    v.minFlow.push_back(std::move(minFlow));
    v.maxFlow.push_back(std::move(maxFlow));
    v.sizeIn.push_back(std::move(sizeIn));
    v.sizeMm.push_back(std::move(sizeMm));
}

void fixedChart(RangeChartView& v, const char* ref, std::span<const FixedRow> rows) {
    v.ref = ref;
    for (const FixedRow& r : rows) {
        addRow(v, r.meter, r.description, r.minFlow, r.maxFlow, r.sizeIn, r.sizeMm);
        if (r.descriptionLine2) addRow(v, "", r.descriptionLine2, "", "", "", "");
        if (r.separated) addRow(v, "", "", "", "", "", "");
    }
}

// One step of the computed chart: stores a 64-bit result in its 32-bit
// field. A result that is not a finite 32-bit number (a division by zero,
// an overflow) fails the step, which is skipped: the field keeps its value.
bool step(float& field, double value) {
    if (overflowsSingle(value)) return false;
    field = single(value);
    return true;
}

// A minimum that is not positive is no minimum.
void positiveOrZero(float& field) {
    if (!(field > 0)) field = 0;
}

void computedLiquidChart(RangeChartView& v) {
    auto& S = shared();
    v.ref = "Based on " + General(S.TempDegF) + " degF " + General(S.ViscCp) + " Cp";
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        const std::string& code = S.MeterCode[slot];
        if (std::find(std::begin(kNeverListed), std::end(kNeverListed), code) !=
            std::end(kNeverListed))
            continue;
        const int i = slot - 1;
        float& minVel = S.RangeMinVelFps[i];
        float& minFlow = S.ChartMinFlowGpm[i];
        float& maxFlow = S.ChartMaxFlowGpm[i];
        // Every figure is built afresh: a failed step leaves 0, never the
        // figure of an earlier selection.
        minVel = minFlow = maxFlow = 0;

        const double reynoldsVel = S.MeterLqdRey[slot] * S.LqdViscFt2s / S.ShedderWidth[slot];
        const bool velocityKnown = step(minVel, reynoldsVel);
        step(minFlow, std::pow(double(S.MeterBore[slot]), 2.0) * kGpmPerIn2Fps * minVel * 60);
        positiveOrZero(minFlow);
        step(maxFlow, S.MeterMaxFlow[slot]);

        // The insertion meter covers the whole pipe: its range follows the
        // pipe's area, at no less than 1 ft/s and up to 20 ft/s. A velocity
        // that cannot be computed gets no floor, so no minimum is claimed.
        const bool insertion = slot == kInsertionSlot;
        if (insertion) {
            const double pipe2 = std::pow(double(S.PipeIdIn), 2.0);
            if (velocityKnown && minVel < kInsertionMinVelFps) minVel = kInsertionMinVelFps;
            step(minFlow, pipe2 * kGpmPerIn2Fps * minVel * 60);
            positiveOrZero(minFlow);
            step(maxFlow, pipe2 * kGpmPerIn2Fps * kInsertionMaxVelFps * 60);
        }

        // Two rows per slot in every column; a figure not shown is blank.
        const bool shown = !insertion || S.PipeIdIn >= kInsertionFromPipeIn;
        std::string minText, maxText, inText, mmText;
        if (shown && minFlow != 0) minText = Format(minFlow, "0.0") + "  GPM";
        if (shown && maxFlow != 0) maxText = Str(maxFlow) + "  GPM";
        if (shown && S.MeterNomSizeIn[slot] != 0) {
            inText = Format(insertion ? S.PipeIdIn : S.MeterNomSizeIn[slot], "0.0#");
            mmText = Format(insertion ? S.PipeIdMm : S.MeterNomSizeMm[slot], "0.0#");
        }
        addRow(v, code, "", minText, maxText, inText, mmText);
        addRow(v, "", "", "", "", "", "");
    }
    S.SizingType = "LIQUID";
}

}  // namespace

RangeChartView modStdMeterRange() {
    RangeChartView v;
    modMeterSpecs();
    const std::string mode = upper(shared().SizingType);
    if (mode == "GAS") fixedChart(v, kGasRef, kGasChart);
    else if (mode == "LIQUID") fixedChart(v, kLiquidRef, kLiquidChart);
    else if (mode == "ALL LIQUID") computedLiquidChart(v);
    return v;
}

}  // namespace quorin
