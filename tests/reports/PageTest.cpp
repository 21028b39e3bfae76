#include <limits>
#include <optional>
#include <tuple>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using Item = std::tuple<int, int, double, std::string>;  // x, y, points, text
using Items = std::vector<Item>;
using Row = std::tuple<int, std::string, std::string>;   // row, label ("" for none), value
using Text = std::optional<std::string>;

int row(int k) { return 3744 + 360 * (k - 1); }

const std::string kCubed = kSup3, kSquared = kSup2, kDegree = kDeg;
const float kNaN = std::numeric_limits<float>::quiet_NaN();

// The room a long text has before the next column or rule: meter lines (10
// pt) to the next column or the end of the rules, block values to the middle
// rule or the end of the rules; labels, headings and notes have no limit.
int room(const PageItem& t) {
    if (t.pointSize == 10) return t.x == 6480 ? 4320 : 2016;
    return t.pointSize != 12 ? 0 : t.x == 2016 ? 2880 : t.x == 7344 ? 3456 : 0;
}

// Every text item, each checked for its font and room.
Items texts(const Page& page) {
    Items out;
    for (const PageItem* t : page.texts()) {
        EXPECT_TRUE(t->font == "Arial" && t->maxWidth == room(*t)) << t->text << " " << t->maxWidth;
        out.emplace_back(t->x, t->y, t->pointSize, t->text);
    }
    return out;
}

// The text printed at column x of row k, if any.
Text at(const Page& page, int x, int k) {
    for (const PageItem* t : page.texts())
        if (t->x == x && t->y == row(k)) return t->text;
    return std::nullopt;
}

// The whole page in the order of printing: frame, rules, title, both blocks,
// the meter table, the notes and the footer.
void expectPage(const Page& page, const std::vector<Row>& left, const std::vector<Row>& right, const Items& meters) {
    EXPECT_EQ(std::tuple(page.originX, page.originY, page.width, page.height), std::tuple(-250, 1200, 12240, 15840));
    std::vector<std::tuple<int, int, int, int, int>> rules;
    for (const PageItem& i : page.items)
        if (i.kind == PageItem::Kind::Line) rules.emplace_back(i.x, i.y, i.x2, i.y2, i.lineWidth);
    EXPECT_EQ(rules, (decltype(rules){{0, 3600, 10800, 3600, 5}, {5040, 3600, 5040, 10800, 5}, {0, 10800, 10800, 10800, 5}}));
    Items want{{2080, 2880, 18, "Quorin Vortex Flow Meter Sizing Report"}};
    for (const auto& [block, labelX, valueX] : {std::tuple{&left, 0, 2016}, std::tuple{&right, 5472, 7344}})
        for (const auto& [k, label, value] : *block) {
            if (!label.empty()) want.emplace_back(labelX, row(k), 12, label);
            want.emplace_back(valueX, row(k), 12, value);
        }
    want.insert(want.end(), {{2160, 10944, 12, "Recommended"}, {4320, 10944, 12, "              Flow Range:"},
                             {2160, 11304, 12, "Meter:"}, {4320, 11304, 12, "     MIN"}, {6480, 11304, 12, "     MAX"}});
    want.insert(want.end(), meters.begin(), meters.end());
    want.insert(want.end(), {{0, 13104, 8, "Notes:"},
                             {0, 13464, 8, "1.  Flow Range is calculated based on data entered by the user."},
                             {0, 13824, 8, "2.  Meter recommendation does not constitute a guarantee of performance."}});
    Items got = texts(page);
    ASSERT_FALSE(got.empty());
    const auto [x, y, points, footer] = got.back();
    got.pop_back();
    EXPECT_EQ(got, want);
    EXPECT_EQ(std::tuple(x, y, points), std::tuple(0, 15840, 8.0));
    EXPECT_EQ(footer.rfind(std::string(13, ' ') + "Flow Meter Division    -    Quorin Dynarel Inc.    -    ", 0), 0u);
}

class PrintedPage : public CoreTest {
protected:
    static Page gasPage() {
        modGasSelection();
        return modPrintResults(modGasResults(), "12-06-2026");
    }
    static Page liquidPage() {
        modLqdSelection();
        return modLqdPrintResults(modLqdResults(), "12-06-2026");
    }
};

// Air at 100 psig and 70 deg F, 100 ACFM in a 2.067 in line; the figures are
// those of the saved text report tests/reports/data/gas-wafer.txt.
TEST_F(PrintedPage, GasCaseEveryItem) {
    airAt(100, 70, 2.067f, 100);
    expectPage(gasPage(),
        {{1, "Date:", "12-06-2026"}, {2, "Customer:", ""}, {3, "Tag Number:", ""}, {4, "Flow Entered:", "100  ACFM"},
         {5, "Pipe Size:", "2.067  Inches"}, {7, "", "52.5  mm"}, {8, "", "0.0233  Area Ft" + kSquared},
         {9, "Pressure:", "100  psig"}, {11, "", "114.696  PSIA"}, {12, "Atmo Press:", "14.696  psia"},
         {14, "Temperature:", "70.0  " + kDegree + "F"}, {15, "", "21.11  " + kDegree + "C"},
         {16, "Pressure Ref:", "14.696  psia"}, {18, "Temperature Ref:", "60.0  " + kDegree + "F"},
         {19, "", "15.56  " + kDegree + "C"}},
        {{1, "Media:", "AIR"}, {2, "Density:", "0.5845  lbs/ft" + kCubed}, {3, "Viscosity:", "1.197e-05  lbs/ft.sec"},
         {4, "", "0.0178  cP"}, {5, "", "1.781e-05  Pa.sec"}, {9, "Flow in ACFM:", "100.00"},
         {10, "Flow in SCFM:", "765.72"}, {11, "Flow in m" + kCubed + "/hr:", "169.92"},
         {12, "Flow in Nm" + kCubed + "/hr:", "1301.12"}, {13, "Flow in lbs/min:", "58.45"},
         {14, "Flow in lbs/hr:", "3506.91"}, {15, "Flow in kg/hr:", "1590.71"}, {16, "Velocity in FPS:", "71.52"},
         {17, "Velocity in FPM:", "4291.33"}, {18, "Velocity in MPS:", "21.80"}, {19, "Flow in LPM:", "2831.26"}},
        {{2160, 11664, 10, "QWG20"}, {4320, 11664, 10, "5.0  ACFM"}, {6480, 11664, 10, "200.0  ACFM"}});
}

// Water, 1 cP, 500 GPM in a 6 in line: the insertion meter alone; the figures
// are those of the saved text report tests/reports/data/liquid-500gpm.txt.
TEST_F(PrintedPage, LiquidCaseEveryItem) {
    water(500, 6.0f);
    expectPage(liquidPage(),
        {{1, "Date:", "12-06-2026"}, {2, "Customer:", "Quorin Dynarel Inc."}, {3, "Tag Number:", "Quorin Vortex Flow Meter"},
         {4, "Flow Entered:", "500  GPM"}, {5, "Pipe Size:", "6  INCHES"}, {7, "", "152.4  mm"},
         {8, "", "0.1963  Area Ft" + kSquared}},
        {{1, "Media:", "WATER"}, {2, "Density:", "62.3663  lbs/ft" + kCubed}, {3, "Viscosity:", "1.0  cP"},
         {5, "Temperature:", "70.0  " + kDegree + "F"}, {6, "", "21.11  " + kDegree + "C"},
         {9, "Flow in GPM:", "500.00"}, {10, "Flow in LPM:", "1892.71"}, {11, "Flow in ft" + kCubed + "/min:", "66.84"},
         {12, "Flow in m" + kCubed + "/hr:", "113.56"}, {13, "Velocity in FPS:", "5.67"},
         {14, "Velocity in FPM:", "340.41"}, {15, "Velocity in MPS:", "1.73"}, {16, "Flow in lb/hr:", "250114.83"},
         {17, "Flow in kg/hr:", "113446.93"}},
        {{2160, 11664, 10, "QNL"}, {4320, 11664, 10, "157.0 GPM"}, {6480, 11664, 10, "1586.0 GPM"}});
}

// The pipe in inches (row 6), in mm (row 7), the pressure in psig (row 10) and
// the atmosphere in psia (row 13) are printed unless entered so.
TEST_F(PrintedPage, RowsThatRepeatTheEnteredUnitAreLeftOut) {
    airAt(100, 70, 2.067f, 100);
    auto& S = shared();
    S.PipeSizeIn = 52.5f, S.PipeUnitIn = "Millimeters", S.PressUnitIn = "psia";
    S.AtmoPressIn = 1.01325f, S.AtmoPressUnitIn = "bar A";
    recompute();
    const Page page = gasPage();
    EXPECT_EQ((std::vector{at(page, 2016, 6), at(page, 2016, 7), at(page, 2016, 10), at(page, 2016, 13)}),
              (std::vector<Text>{"2.1  Inches", {}, "85.3039  PSIG", "14.696  PSIA"}));
}

TEST_F(PrintedPage, RemarksFollowTheFlags) {
    airAt(250.1f, 70, 2.067f, 100);  // the pressure flag, end to end
    const Page page = gasPage();
    EXPECT_EQ((std::vector{at(page, 2160, 26), at(page, 6480, 26), at(page, 2160, 27), at(page, 6480, 27)}),
              (std::vector<Text>{{}, {}, "Pressure is out of Range", {}}));
    GasResultsView view = modGasResults();
    view.flowOutOfRange = view.tempOutOfRange = view.reynoldsOutOfRange = true;
    const Items printed = texts(modPrintResults(view, ""));
    EXPECT_EQ(Items(printed.end() - 4, printed.end()),
              (Items{{2160, row(26), 8, "Meter out of Flow Range"}, {6480, row(26), 8, "Temperature is out of Range"},
                     {2160, row(27), 8, "Pressure is out of Range"}, {6480, row(27), 8, "Reynolds is out of Range"}}));
}

// Ten listed meters: eight lines, the last on the footer's row; a meter
// without a range shows its model only, a range without a model nothing.
TEST_F(PrintedPage, AtMostEightMeterLinesAndAZeroRangeShowsTheModelOnly) {
    airAt(100, 70, 2.067f, 100);
    auto& S = shared();
    for (int slot = 1; slot <= 24; ++slot) S.MeterModel[slot] = "NONE";
    for (int slot = 11; slot <= 20; ++slot)
        S.MeterModel[slot] = "M" + std::to_string(slot), S.MinFlowUser[slot - 1] = float(slot),
        S.MaxFlowUser[slot - 1] = slot == 12 ? 0 : 100.5f;
    S.MinFlowUser[0] = S.MaxFlowUser[0] = 7;
    Items meters;
    for (const Item& i : texts(modPrintResults(modGasResults(), "")))
        if (std::get<2>(i) == 10) meters.push_back(i);
    ASSERT_EQ(meters.size(), 8u * 3 - 2);
    EXPECT_EQ(Items(meters.begin(), meters.begin() + 5),
              (Items{{2160, row(23), 10, "M11"}, {4320, row(23), 10, "11.0  ACFM"}, {6480, row(23), 10, "100.5  ACFM"},
                     {2160, row(24), 10, "M12"}, {2160, row(25), 10, "M13"}}));
    EXPECT_EQ(meters.back(), (Item{6480, 15840, 10, "100.5  ACFM"}));
}

// A mass flow without a density: no flow can be worked out and no meter fits.
// Liquid ranges print number, blank, unit, zero ends included. A gas row with
// a unit prints "Error" alone.
TEST_F(PrintedPage, ValuesThatAreNotFinitePrintErrorAndLiquidRangesTheirZeros) {
    auto& S = shared();
    water(3600, 6.0f, "lbs/Hr");
    S.LqdDensityIn = 0;
    modLqdRecalc();
    Page page = liquidPage();
    for (int k = 9; k <= 17; ++k) EXPECT_EQ(at(page, 7344, k), "Error") << "row " << k;
    EXPECT_EQ((std::vector{at(page, 7344, 2), at(page, 2160, 23)}), (std::vector<Text>{"0.0  lbs/ft" + kCubed, {}}));
    S.MeterModel[25] = "QNL", S.MinFlowUser[24] = 0, S.MaxFlowUser[24] = 12345.678f;
    S.MeterModel[30] = "QWL10", S.MinFlowUser[29] = kNaN;
    page = modLqdPrintResults(modLqdResults(), "");
    EXPECT_EQ((std::vector{at(page, 4320, 23), at(page, 6480, 23), at(page, 2160, 24), at(page, 4320, 24)}),
              (std::vector<Text>{"0.0 lbs/Hr", "12345.68 lbs/Hr", "QWL10", "Error"}));
    airAt(100, 70, 2.067f, 100);
    S.TempDegC = kNaN;
    page = gasPage();
    EXPECT_EQ((std::vector{at(page, 2016, 14), at(page, 2016, 15)}), (std::vector<Text>{"70.0  " + kDegree + "F", "Error"}));
}

}  // namespace
}  // namespace quorin::test
