#include "reports/Page.h"

#include <utility>

#include "gas/Results.h"
#include "liquid/Results.h"
#include "state/Text.h"

namespace quorin {

namespace {

// ---- Layout (twips) ------------------------------------------------------
constexpr int kOriginX = -250, kOriginY = 1200;
constexpr int kLeftLabel = 0, kLeftValue = 2016;
constexpr int kRightLabel = 5472, kRightValue = 7344;
constexpr int kModelX = 2160, kMinX = 4320, kMaxX = 6480;
// Rules: across the page above and below the data blocks, and down the
// middle between them.
constexpr int kTopRule = 3600, kBottomRule = 10800, kMiddleRule = 5040, kRuleEnd = 10800;
constexpr int kRuleWidth = 5;
constexpr double kTitlePt = 18, kBodyPt = 12, kMeterPt = 10, kNotePt = 8;

// Row 22 + n holds meter line n; row 30 is the last row of the page.
constexpr int kMeterLines = 8;

// Room of the values that can be long (entered texts, ranges): up to a tenth
// of an inch before the next column or the middle rule, or to the end of the
// rules for the right-hand columns.
constexpr int kGap = 144;
constexpr int kLeftValueRoom = kMiddleRule - kLeftValue - kGap;
constexpr int kRightValueRoom = kRuleEnd - kRightValue;
constexpr int kModelRoom = kMinX - kModelX - kGap;
constexpr int kMinRoom = kMaxX - kMinX - kGap;
constexpr int kMaxRoom = kRuleEnd - kMaxX;

const std::string kError = "Error";
const std::string kCubed = kSup3;
const std::string kSquared = kSup2;
const std::string kDegree = kDeg;

// Rows at a quarter-inch pitch from 2.6 in; the footer row sits at the foot
// of the page.
int row(int k) { return k >= 30 ? 15840 : 3744 + 360 * (k - 1); }

// The text of a value, or "Error" in its place (unit and all) when the value
// is not finite.
std::string shown(double value, const std::string& text) {
    return isShowable(value) ? text : kError;
}

class PageWriter {
public:
    PageWriter() {
        page_.originX = kOriginX;
        page_.originY = kOriginY;
    }

    void size(double points) { points_ = points; }

    void text(int x, int y, std::string text, int maxWidth = 0) {
        PageItem item;
        item.x = x;
        item.y = y;
        item.text = std::move(text);
        item.pointSize = points_;
        item.maxWidth = maxWidth;
        page_.items.push_back(std::move(item));
    }
    void at(int x, int k, std::string text, int maxWidth = 0) {
        this->text(x, row(k), std::move(text), maxWidth);
    }

    // A block row: the label (if any) and its value.
    void left(int k, const std::string& label, std::string value) {
        if (!label.empty()) at(kLeftLabel, k, label);
        at(kLeftValue, k, std::move(value), kLeftValueRoom);
    }
    void right(int k, const std::string& label, std::string value) {
        if (!label.empty()) at(kRightLabel, k, label);
        at(kRightValue, k, std::move(value), kRightValueRoom);
    }
    // Meter line n: the model, with or without its range.
    void meter(int n, const std::string& model) { at(kModelX, 22 + n, model, kModelRoom); }
    void meter(int n, const std::string& model, std::string lo, std::string hi) {
        meter(n, model);
        at(kMinX, 22 + n, std::move(lo), kMinRoom);
        at(kMaxX, 22 + n, std::move(hi), kMaxRoom);
    }

    void line(int x1, int y1, int x2, int y2) {
        page_.items.push_back(PageItem::line(x1, y1, x2, y2, kRuleWidth));
    }

    Page take() { return std::move(page_); }

private:
    Page page_;
    double points_ = kBodyPt;
};

// Title and the three rules around the data blocks; leaves the body size set.
void heading(PageWriter& w) {
    w.size(kTitlePt);
    w.text(2080, 2880, "Quorin Vortex Flow Meter Sizing Report");
    w.line(0, kTopRule, kRuleEnd, kTopRule);
    w.line(kMiddleRule, kTopRule, kMiddleRule, kBottomRule);
    w.line(0, kBottomRule, kRuleEnd, kBottomRule);
    w.size(kBodyPt);
}

// Rows 1 to 8 of the left block: date, customer, tag, the entered flow and
// the pipe.
void caseRows(PageWriter& w, const ResultsCase& S, const std::string& today,
              const std::string& flowEntered) {
    w.left(1, "Date:", today);
    w.left(2, "Customer:", S.CustomerIn);
    w.left(3, "Tag Number:", S.TagNoIn);
    w.left(4, "Flow Entered:", flowEntered);
    w.left(5, "Pipe Size:", shown(S.PipeSizeIn, General(S.PipeSizeIn) + "  " + S.PipeUnitIn));
    if (!unitIs(S.PipeUnitIn, "INCHES"))
        w.left(6, "", shown(S.PipeIdIn, Format(S.PipeIdIn, "0.0") + "  Inches"));
    if (!unitIs(S.PipeUnitIn, "MILLIMETERS"))
        w.left(7, "", shown(S.PipeIdMm, Format(S.PipeIdMm, "0.0") + "  mm"));
    w.left(8, "", shown(S.PipeAreaSqFt, Format(S.PipeAreaSqFt, "0.0###") + "  Area Ft" + kSquared));
}

std::string degrees(double value, const char* letter) {
    return shown(value, Format(value, "0.0#") + "  " + kDegree + letter);
}

void meterHeader(PageWriter& w) {
    w.size(kBodyPt);
    w.at(kModelX, 21, "Recommended");
    w.at(kMinX, 21, std::string(14, ' ') + "Flow Range:");
    w.at(kModelX, 22, "Meter:");
    w.at(kMinX, 22, "     MIN");
    w.at(kMaxX, 22, "     MAX");
    w.size(kMeterPt);
}

void notes(PageWriter& w) {
    w.size(kNotePt);
    w.at(0, 27, "Notes:");
    w.at(0, 28, "1.  Flow Range is calculated based on data entered by the user.");
    w.at(0, 29, "2.  Meter recommendation does not constitute a guarantee of performance.");
    const std::string gap = "    -    ";
    w.at(0, 30, std::string(13, ' ') + "Flow Meter Division" + gap + kMaker.name + gap +
                    kMaker.street + ", " + kMaker.town + gap + "Tel. " + kMaker.telephone);
}

// ---- Gas/steam -------------------------------------------------------------

std::string gasFlowEntered(const GasResultsView& S) {
    std::string unit = "  " + S.FlowUnitIn;
    if (unitIs(S.FlowUnitIn, "M^3/HR")) unit = "  m" + kCubed + "/hr";
    if (unitIs(S.FlowUnitIn, "NM^3/HR")) unit = "  Nm" + kCubed + "/hr";
    return shown(S.FlowRateIn, General(S.FlowRateIn) + unit);
}

// Rows 9 to 19 of the left block: operating and reference conditions.
void gasConditions(PageWriter& w, const GasResultsView& S) {
    w.left(9, "Pressure:", shown(S.PressIn, General(S.PressIn) + "  " + S.PressUnitIn));
    if (!unitIs(S.PressUnitIn, "PSIG"))
        w.left(10, "", shown(S.PressPsig, Format(S.PressPsig, "0.0###") + "  PSIG"));
    w.left(11, "", shown(S.PressPsia, Format(S.PressPsia, "0.0##") + "  PSIA"));
    w.left(12, "Atmo Press:",
           shown(S.AtmoPressIn, Format(S.AtmoPressIn, "0.0##") + "  " + S.AtmoPressUnitIn));
    if (!unitIs(S.AtmoPressUnitIn, "PSIA"))
        w.left(13, "", shown(S.AtmoPressPsia, Format(S.AtmoPressPsia, "0.0##") + "  PSIA"));
    w.left(14, "Temperature:", degrees(S.TempDegF, "F"));
    w.left(15, "", degrees(S.TempDegC, "C"));
    w.left(16, "Pressure Ref:",
           shown(S.PressRefIn, Format(S.PressRefIn, "0.0##") + "  " + S.PressRefUnitIn));
    if (!unitIs(S.PressRefUnitIn, "PSIA"))
        w.left(17, "", shown(S.PressRefPsia, Format(S.PressRefPsia, "0.0##") + "  PSIA"));
    w.left(18, "Temperature Ref:", degrees(S.TempRefDegF, "F"));
    w.left(19, "", degrees((double(S.TempRefDegF) - 32) / 1.8, "C"));
}

void gasRightBlock(PageWriter& w, const GasResultsView& S) {
    w.right(1, "Media:", S.MediaIn);
    w.right(2, "Density:",
            shown(S.DensityLbFt3, Format(S.DensityLbFt3, "0.0###") + "  lbs/ft" + kCubed));
    w.right(3, "Viscosity:",
            shown(S.ViscLbFtSec, Format(S.ViscLbFtSec, "0.000e+00") + "  lbs/ft.sec"));
    w.right(4, "", shown(S.ViscCp, Format(S.ViscCp, "0.0###") + "  cP"));
    const double paSec = S.ViscCp * 0.001;
    w.right(5, "", shown(paSec, Format(paSec, "0.000e+00") + "  Pa.sec"));

    // Format writes "Error" for a value that is not finite.
    const struct {
        std::string label;
        float value;
    } flows[] = {
        {"Flow in ACFM:", S.FlowAcfm},
        {"Flow in SCFM:", S.FlowScfm},
        {"Flow in m" + kCubed + "/hr:", S.FlowCuMtrHr},
        {"Flow in Nm" + kCubed + "/hr:", S.FlowNmCuMtrHr},
        {"Flow in lbs/min:", S.FlowPpm},
        {"Flow in lbs/hr:", S.FlowPph},
        {"Flow in kg/hr:", S.FlowKgHr},
        {"Velocity in FPS:", S.VelFps},
        {"Velocity in FPM:", S.VelFpm},
        {"Velocity in MPS:", S.VelMps},
        {"Flow in LPM:", S.FlowLpm},
    };
    int k = 9;
    for (const auto& f : flows) w.right(k++, f.label, Format(f.value, "0.00"));
}

// One line per listed meter, in catalogue order; its range beside it when
// both ends are non-zero.
void gasMeters(PageWriter& w, const GasResultsView& v) {
    const std::string unit = "  " + v.FlowUnitIn;
    int n = 0;
    for (const GasMeterSlot& slot : v.meterSlots) {
        if (!slot.listed()) continue;
        if (++n > kMeterLines) break;
        const float lo = slot.minFlow, hi = slot.maxFlow;
        if (slot.ranged())
            w.meter(n, slot.code, shown(lo, Format(lo, "0.0#") + unit),
                    shown(hi, Format(hi, "0.0#") + unit));
        else
            w.meter(n, slot.code);
    }
}

void gasRemarks(PageWriter& w, const GasResultsView& v) {
    w.size(kNotePt);
    if (v.flowOutOfRange) w.at(kModelX, 26, "Meter out of Flow Range");
    if (v.tempOutOfRange) w.at(kMaxX, 26, "Temperature is out of Range");
    if (v.pressOutOfRange) w.at(kModelX, 27, "Pressure is out of Range");
    if (v.reynoldsOutOfRange) w.at(kMaxX, 27, "Reynolds is out of Range");
}

// ---- Liquid ----------------------------------------------------------------

void liquidRightBlock(PageWriter& w, const LiquidResultsView& S) {
    w.right(1, "Media:", S.MediaIn);
    w.right(2, "Density:",
            shown(S.DensityLbFt3, Format(S.DensityLbFt3, "0.0###") + "  lbs/ft" + kCubed));
    w.right(3, "Viscosity:", shown(S.ViscCp, Format(S.ViscCp, "0.0###") + "  cP"));
    w.right(5, "Temperature:", degrees(S.TempDegF, "F"));
    w.right(6, "", degrees(S.TempDegC, "C"));

    // Format writes "Error" for a value that is not finite.
    const std::string flows[] = {
        Format(S.LqdFlowGpm, "0.00"), Format(S.lpm, "0.00"),       Format(S.cfm, "0.00"),
        Format(S.cuMtrHr, "0.00"),    Format(S.LqdVelFps, "0.00"), Format(S.fpm, "0.00"),
        Format(S.mps, "0.00"),        Format(S.lbHr, "0.00"),      Format(S.kgHr, "0.00"),
    };
    const std::string labels[] = {
        "Flow in GPM:",     "Flow in LPM:",     "Flow in ft" + kCubed + "/min:",
        "Flow in m" + kCubed + "/hr:", "Velocity in FPS:", "Velocity in FPM:",
        "Velocity in MPS:", "Flow in lb/hr:",   "Flow in kg/hr:",
    };
    for (int k = 0; k < 9; ++k) w.right(9 + k, labels[k], flows[k]);
}

// Every listed meter with its range, zero ends included; the number and the
// unit are separated by one blank.
void liquidMeters(PageWriter& w, const LiquidResultsView& v) {
    int n = 0;
    for (const LiquidMeterRange& m : v.meters) {
        if (++n > kMeterLines) break;
        w.meter(n, m.code, shown(m.minFlow, Format(m.minFlow, "0.0# ") + v.LqdFlowUnit),
                shown(m.maxFlow, Format(m.maxFlow, "0.0# ") + v.LqdFlowUnit));
    }
}

}  // namespace

std::vector<const PageItem*> Page::texts() const {
    std::vector<const PageItem*> out;
    for (const PageItem& item : items)
        if (item.kind == PageItem::Kind::Text) out.push_back(&item);
    return out;
}

Page modPrintResults(const GasResultsView& view, const std::string& today) {
    PageWriter w;
    heading(w);
    caseRows(w, view, today, gasFlowEntered(view));
    gasConditions(w, view);
    gasRightBlock(w, view);
    meterHeader(w);
    gasMeters(w, view);
    notes(w);
    gasRemarks(w, view);
    return w.take();
}

Page modLqdPrintResults(const LiquidResultsView& view, const std::string& today) {
    PageWriter w;
    heading(w);
    caseRows(w, view, today,
             shown(view.LqdFlowRateIn, General(view.LqdFlowRateIn) + "  " + view.LqdFlowUnit));
    liquidRightBlock(w, view);
    meterHeader(w);
    liquidMeters(w, view);
    notes(w);
    return w.take();
}

}  // namespace quorin
