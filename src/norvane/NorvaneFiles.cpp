#include "norvane/NorvaneFiles.h"

#include <utility>

#include "norvane/NorvaneCalc.h"
#include "reports/ListFile.h"
#include "reports/PrintFile.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

namespace {

// ---- Data file -----------------------------------------------------------

// `Io` is a ListFieldWriter (with const fields) or a ListFieldReader (with
// the fields to fill).
// The 37 lines of an averaging-tube case; the three operating cases in the
// order maximum, normal, minimum.
template <typename Case, typename Io>
void tubeFields(Case& S, Io&& io) {
    io(S.Cust);
    io(S.CustRef);
    io(S.PrepBy);
    io(S.DateText);
    io(S.TagNo);
    io(S.RevNo);
    io(S.Fluid);
    io(S.FluidState);
    io(S.LineSize);
    io(S.LineSch);
    io(S.LineMat);
    io(S.LineId);
    io(S.LineWall);
    io(S.LineOd);
    io(S.LineOrient);
    io(S.FlowDir);
    io(S.MolW);
    io(S.BaseTemp);
    io(S.BasePress);
    io(S.FlowUnit);
    io(S.FlowRateMax);
    io(S.FlowRateNorm);
    io(S.FlowRateMin);
    io(S.TempMax);
    io(S.TempNorm);
    io(S.TempMin);
    io(S.TempUnitIn);
    io(S.PressMax);
    io(S.PressNorm);
    io(S.PressMin);
    io(S.PressUnit);
    io(S.CompMax);
    io(S.CompNorm);
    io(S.CompMin);
    io(S.CpCv);
    io(S.SpecGrav);
    io(S.FlowCoe);
}

// ---- Shared by both reports ----------------------------------------------

// The runtime's print form of a number printed without a format: a blank
// for the sign of a non-negative number, the general form, a blank after
// it (Str writes "Error" for a value that is not finite).
std::string printed(float value) { return Str(value) + " "; }

std::string k000(double value) { return Format(value, "0.000"); }
std::string bFactor(double value) { return Format(value, "0.00e+00"); }
std::string sg0000(float value) { return Format(value, "0.0000"); }

// The values of a flow-data row for the maximum, normal and minimum case.
struct Three {
    std::string max, norm, min;
};

Three printedThree(float max, float norm, float min) {
    return {printed(max), printed(norm), printed(min)};
}
Three printedThree(const std::array<float, 3>& v) { return printedThree(v[0], v[1], v[2]); }
template <class T>
Three k000Three(const std::array<T, 3>& v) {
    return {k000(v[0]), k000(v[1]), k000(v[2])};
}
Three k000Three(double max, double norm, double min) {
    return {k000(max), k000(norm), k000(min)};
}

// ---- Text report ---------------------------------------------------------

// Character columns of the text report.
constexpr int kLabel = 2;       // labels, rule lines
constexpr int kLeftValue = 19;
constexpr int kTitle = 27;
constexpr int kRightLabel = 47;
constexpr int kRightValue = 65;
constexpr int kUnit = 36;
constexpr int kMaxCol = 46;     // also the value of a one-value row
constexpr int kNormCol = 56;
constexpr int kMinCol = 66;

constexpr int kCustomerWidth = 25;



void rule(PrintWriter& p) { p.rule(kLabel); }

// A row of label, unit (none when empty) and three columns: the line, or
// the maximum, normal and minimum case.
void flowRow(PrintWriter& p, const char* label, const std::string& unit, const Three& v) {
    p.tab(kLabel).text(label);
    if (!unit.empty()) p.tab(kUnit).text(unit);
    p.tab(kMaxCol).text(v.max).tab(kNormCol).text(v.norm).tab(kMinCol).text(v.min).endLine();
}

// An application row with one value and no unit.
void valueRow(PrintWriter& p, const char* label, const std::string& value) {
    p.tab(kLabel).text(label).tab(kMaxCol).text(value).endLine();
}

// ---- Printed page --------------------------------------------------------

// Positions in twips from the top-left corner of the sheet.
constexpr int kPageLabel = 504;
constexpr int kPageLeftValue = 1728;
constexpr int kPageRightLabel = 5760;
constexpr int kPageRightValue = 7488;
constexpr int kPageUnit = 4824;
constexpr int kPageMax = 6264, kPageNorm = 7704, kPageMin = 9144;
// The column heads of the flow data stand a little left of the normal and
// minimum values they head.
constexpr int kHeadMax = 6264, kHeadNorm = 7614, kHeadMin = 9054;

constexpr int kHeadingY = 1944;
constexpr int kCompanyX = 1440;
// The heading's second text follows the first in the next print zone. A
// zone is 14 columns of the font's average character width: 983/2048 em of
// 14-point Arial Bold, 1881.6 twips; zones start at the left edge.
// "Quorin Dynarel INC." is 9.5015 em (2660 twips) wide and ends at 4100, in
// the third zone, so the second text starts the fourth, at 3 x 1881.6.
constexpr int kNextZoneX = 5645;

constexpr double kHeadingPt = 14, kBodyPt = 12;
constexpr int kRuleWidth = 5;
constexpr int kRuleLeft = kPageLabel, kRuleRight = 12240 - kPageLabel;
// The rules between the heading, the header block, the application rows and
// the flow data, in the gaps between them.
constexpr int kRuleBelowHeading = 2400;
constexpr int kRuleBelowHeader = 4320;
constexpr int kRuleBelowApplication = 8664;

struct Style {
    double points = kBodyPt;
    bool bold = false;
    bool underline = false;
};
constexpr Style kBody{};
constexpr Style kHeading{kHeadingPt, true, false};
constexpr Style kSection{kBodyPt, true, true};
constexpr Style kBoldRow{kBodyPt, true, false};

class TubePageWriter {
public:
    TubePageWriter() {
        page_.originX = 0;
        page_.originY = 0;
        page_.width = 12240;
        page_.height = 15840;
    }

    void style(Style s) { style_ = s; }

    // A text item; an empty text (a blank in the runtime's Print) prints
    // nothing and is left out.
    void text(int x, int y, std::string text) {
        if (text.empty()) return;
        PageItem item;
        item.x = x;
        item.y = y;
        item.text = std::move(text);
        item.pointSize = style_.points;
        item.bold = style_.bold;
        item.underline = style_.underline;
        page_.items.push_back(std::move(item));
    }

    // A row of the header block: a label and its value on each side.
    void header(int y, const char* leftLabel, const std::string& left, const char* rightLabel,
                const std::string& right) {
        text(kPageLabel, y, leftLabel);
        text(kPageLeftValue, y, left);
        text(kPageRightLabel, y, rightLabel);
        text(kPageRightValue, y, right);
    }

    // A row of label, unit (empty: none) and up to three values.
    void row(int y, const std::string& label, const std::string& unit, const Three& v) {
        text(kPageLabel, y, label);
        text(kPageUnit, y, unit);
        text(kPageMax, y, v.max);
        text(kPageNorm, y, v.norm);
        text(kPageMin, y, v.min);
    }

    void rule(int y) {
        page_.items.push_back(PageItem::line(kRuleLeft, y, kRuleRight, y, kRuleWidth));
    }

    Page take() { return std::move(page_); }

private:
    Page page_;
    Style style_;
};

}  // namespace

// ---- Data file -----------------------------------------------------------

std::string norvaneDataFileBytes() {
    ListWriter out;
    tubeFields(static_cast<const SharedState&>(shared()), ListFieldWriter{out});
    return out.bytes();
}

FileError takeNorvaneDataFile(std::string bytes) {
    ListReader in(std::move(bytes));
    SharedState copy = shared();
    tubeFields(copy, ListFieldReader{in});
    if (in.failed()) return runtimeError(in.errorNumber(), in.line());
    shared() = std::move(copy);
    return {};
}

FileError modnrvSaveInData() {
    return replaceFile(shared().TubeDataFile, norvaneDataFileBytes());
}

FileError modnrvOpenInData() {
    std::string bytes;
    if (FileError error = readWholeFile(shared().TubeDataFile, bytes)) return error;
    return takeNorvaneDataFile(std::move(bytes));
}

// ---- Report data ---------------------------------------------------------

NorvaneReport norvaneReport() {
    auto& S = shared();
    NorvaneReport r;
    r.Cust = S.Cust;
    r.CustRef = S.CustRef;
    r.PrepBy = S.PrepBy;
    r.DateText = S.DateText;
    r.TagNo = S.TagNo;
    r.RevNo = S.RevNo;
    r.FluidState = S.FluidState;
    r.Fluid = S.Fluid;
    const NrvState state = nrvState(S.FluidState);
    r.liquid = state == NrvState::Liquid;
    r.steam = state == NrvState::Steam;
    r.LineSize = S.LineSize;
    r.LineSch = S.LineSch;
    r.LineMat = S.LineMat;
    r.LineId = S.LineId;
    r.LineWall = S.LineWall;
    r.LineOd = S.LineOd;
    r.LineOrient = S.LineOrient;
    r.FlowDir = S.FlowDir;
    r.FlowCoe = S.FlowCoe;
    r.Bfactor = S.Bfactor;
    r.CpCv = S.CpCv;
    r.MolW = S.MolW;
    r.SpecGrav = S.SpecGrav;
    r.BaseTemp = S.BaseTemp;
    r.BasePress = S.BasePress;
    r.FlowUnit = S.FlowUnit;
    r.TempUnit = S.TempUnitIn;
    r.PressUnit = S.PressUnit;
    const NrvCase order[] = {NrvCase::Max, NrvCase::Norm, NrvCase::Min};
    for (int k = 0; k < 3; ++k) {
        const NrvCaseFields c = nrvCase(S, order[k]);
        r.flowRate[k] = c.flowRate;
        r.temp[k] = c.temp;
        r.press[k] = c.press;
        r.comp[k] = c.comp;
        r.vel[k] = c.vel;
        r.dens[k] = c.dens;
        r.thermExpCor[k] = c.thermExpCor;
        r.gasExpCor[k] = c.gasExpCor;
        r.dp[k] = c.dp;
    }
    return r;
}

// ---- Text report ---------------------------------------------------------

std::string norvaneReportText(const NorvaneReport& S, const std::string& today) {
    const bool liquid = S.liquid, steam = S.steam;
    PrintWriter p;

    for (int k = 0; k < 4; ++k) p.endLine();
    p.tab(kTitle).text("Quorin Norvane Sizing Report").endLine();
    rule(p);
    p.tab(kLabel).text("Customer:").tab(kLeftValue).text(firstChars(S.Cust, kCustomerWidth));
    p.tab(kRightLabel).text("Date:").tab(kRightValue).text(today).endLine();
    p.tab(kLabel).text("Cust. Ref:").tab(kLeftValue).text(firstChars(S.CustRef, kCustomerWidth));
    p.tab(kRightLabel).text("Tag No.:").tab(kRightValue).text(S.TagNo).endLine();
    p.tab(kLabel).text("Prep. By:").tab(kLeftValue).text(S.PrepBy);
    p.tab(kRightLabel).text("Rev No.:").tab(kRightValue).text(S.RevNo).endLine();
    p.endLine();
    p.tab(kLabel).text("Fluid State:").tab(kLeftValue).text(S.FluidState);
    p.tab(kRightLabel).text("Fluid:").tab(kRightValue).text(S.Fluid).endLine();
    p.endLine();

    rule(p);
    p.tab(kLabel).text("Application Specifications").endLine();
    rule(p);
    flowRow(p, "Line Size/Schedule/Material:", "INCHES",
            {printed(S.LineSize), S.LineSch, S.LineMat});
    flowRow(p, "Internal Diameter(D)/Wall/OD:", "INCHES",
            printedThree(S.LineId, S.LineWall, S.LineOd));
    p.tab(kLabel).text("Line Orientation/FLowDirection:");
    p.tab(kMaxCol).text(S.LineOrient).tab(kNormCol).text(S.FlowDir).endLine();
    valueRow(p, "Flow Coeffecient(K):", k000(S.FlowCoe));
    if (liquid) p.endLine();
    else valueRow(p, "B Factor(B):", bFactor(S.Bfactor));
    if (liquid) p.endLine();
    else valueRow(p, "Cp/Cv(k):", printed(S.CpCv));
    valueRow(p, liquid ? "Liquid Density:" : "Molecular Weight(MW):", k000(S.MolW));
    if (steam) p.endLine();
    else valueRow(p, "Specific Gravity(SG): ", sg0000(S.SpecGrav));
    p.tab(kLabel).text("Base Temperature(Tb):").tab(kUnit).text("deg F");
    p.tab(kMaxCol).text(printed(S.BaseTemp)).endLine();
    p.tab(kLabel).text("Base Pressure(Pb):").tab(kUnit).text("PSIA");
    p.tab(kMaxCol).text(printed(S.BasePress)).endLine();
    p.endLine();

    rule(p);
    flowRow(p, "Flow Data", "", {"Maximum", "Normal", "Minimum"});
    rule(p);
    flowRow(p, "Flow Rate(Q):", S.FlowUnit,
            printedThree(S.flowRate));
    flowRow(p, "Temperature(T):", S.TempUnit, printedThree(S.temp));
    flowRow(p, "Pressure(P):", S.PressUnit, printedThree(S.press));
    flowRow(p, "Density(SW):", "lb/ft^3", k000Three(S.dens));
    if (liquid) p.endLine();
    else flowRow(p, "Compressibility(Z):", "", printedThree(S.comp));
    flowRow(p, "Thermal Expansion Correction(CE):", "",
            k000Three(S.thermExpCor));
    if (liquid) p.endLine();
    else flowRow(p, "Gas Expansion Correction(CY):", "",
                 k000Three(S.gasExpCor));
    flowRow(p, "Velocity(V):", "ft/sec", k000Three(S.vel));
    flowRow(p, "Differential Pressure(DP):", "IN W.C.", k000Three(S.dp));
    return p.bytes();
}

FileError modnrvTextFileSave(const std::string& today) {
    return replaceFile(shared().TubeTextFile, norvaneReportText(norvaneReport(), today));
}

// ---- Printed page --------------------------------------------------------

Page norvanePage(const NorvaneReport& S) {
    const bool liquid = S.liquid, steam = S.steam;
    TubePageWriter w;

    w.style(kHeading);
    w.text(kCompanyX, kHeadingY, "Quorin Dynarel INC.");
    w.text(kNextZoneX, kHeadingY, "Norvane Calculations");
    w.rule(kRuleBelowHeading);

    // The customer is printed whole: the page has the room the text file's
    // 25 characters lack.
    w.style(kBody);
    w.header(2592, "Customer: ", S.Cust, "DATE: ", S.DateText);
    w.header(2880, "Cust. Ref.: ", S.CustRef, "Tag No.: ", S.TagNo);
    w.header(3168, "Prep. By: ", S.PrepBy, "Rev. No.: ", S.RevNo);
    w.header(3744, "Fluid State: ", S.FluidState, "Fluid: ", S.Fluid);
    w.rule(kRuleBelowHeader);

    w.style(kSection);
    w.text(kPageLabel, 4680, "Application Specifications");

    // A blank row (a value the fluid state has not) prints nothing.
    w.style(kBody);
    w.row(5112, "Line Size/Schedule/Material: ", "INCHES",
          {printed(S.LineSize), S.LineSch, S.LineMat});
    w.row(5472, "Internal Diameter(D)/Wall/OD: ", "INCHES",
          k000Three(S.LineId, S.LineWall, S.LineOd));
    w.row(5832, "Line Orientation/Flow Direction: ", "", {S.LineOrient, S.FlowDir, ""});
    w.row(6192, "Flow Coeffecient(K): ", "", {k000(S.FlowCoe), "", ""});
    if (!liquid) {
        w.row(6552, "B Factor(B): ", "", {bFactor(S.Bfactor), "", ""});
        w.row(6912, "Cp/Cv(k): ", "", {printed(S.CpCv), "", ""});
    }
    w.row(7272, liquid ? "Liquid Density: " : "Molecular Weight(MW): ", "", {k000(S.MolW), "", ""});
    if (!steam) w.row(7632, "Specific Gravity(SG): ", "", {sg0000(S.SpecGrav), "", ""});
    w.row(7992, "Base Temperature(Tb): ", "deg F", {printed(S.BaseTemp), "", ""});
    w.row(8352, "Base Pressure(Pb): ", "PSIA", {printed(S.BasePress), "", ""});
    w.rule(kRuleBelowApplication);

    w.style(kSection);
    w.text(kPageLabel, 8712, "Flow Data");
    w.text(kHeadMax, 8712, "Maximum");
    w.text(kHeadNorm, 8712, "Normal");
    w.text(kHeadMin, 8712, "Minimum");

    w.style(kBody);
    w.row(9144, "Flow Rate(Q): ", S.FlowUnit,
          printedThree(S.flowRate));
    w.row(9504, "Temperature(T): ", S.TempUnit, printedThree(S.temp));
    w.row(9864, "Pressure(P): ", S.PressUnit, printedThree(S.press));
    w.row(10224, "Density(SW): ", "lb/ft", k000Three(S.dens));
    if (!liquid)
        w.row(10584, "Compressibility(Z): ", "", printedThree(S.comp));
    w.row(10944, "Thermal Expansion Correction(CE): ", "",
          k000Three(S.thermExpCor));
    if (!liquid)
        w.row(11304, "Gas Expansion Correction(CY): ", "",
              k000Three(S.gasExpCor));
    w.row(11664, "Velocity(V): ", "ft/sec ", k000Three(S.vel));

    w.style(kBoldRow);
    w.row(12024, "DIFFERENTIAL PRESSURE (DP): ", "IN WC", k000Three(S.dp));
    return w.take();
}

Page modnrvPrintResults() { return norvanePage(norvaneReport()); }

}  // namespace quorin
