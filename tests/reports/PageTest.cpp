#include <optional>
#include <tuple>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using Item = std::tuple<int, int, double, std::string>;  // x, y, points, text
using Items = std::vector<Item>;
using Values = std::vector<std::pair<int, std::string>>;  // row, value
using Text = std::optional<std::string>;

int row(int k) { return 3744 + 360 * (k - 1); }

const std::string kCubed = kSup3, kSquared = kSup2, kDegree = kDeg;

// The room a long text has before the next column or rule: meter lines (10
// pt) to the next column or the end of the rules, block values to the middle
// rule or the end of the rules; labels, headings and notes have no limit.
int room(const PageItem& t) {
    if (t.pointSize == 10) return t.x == 6480 ? 4320 : 2016;
    return t.pointSize != 12 ? 0 : t.x == 2016 ? 2880 : t.x == 7344 ? 3456 : 0;
}

// The values of both blocks (12 pt at x 2016 and 7344) and the meter lines
// (10 pt) in the order of printing; every text is checked for its font and
// room. The labels, headings and notes are the page's fixed texts.
Items values(const Page& page) {
    Items out;
    for (const PageItem* t : page.texts()) {
        EXPECT_TRUE(t->font == "Arial" && t->maxWidth == room(*t)) << t->text << " " << t->maxWidth;
        if (t->pointSize == 10 || t->x == 2016 || t->x == 7344)
            out.emplace_back(t->x, t->y, t->pointSize, t->text);
    }
    return out;
}

// The texts printed at column x of rows `ks`, if any.
std::vector<Text> at(const Page& page, int x, std::initializer_list<int> ks) {
    std::vector<Text> out(ks.size());
    for (const PageItem* t : page.texts())
        for (size_t n = 0; n < ks.size(); ++n)
            if (t->x == x && t->y == row(ks.begin()[n])) out[n] = t->text;
    return out;
}

// The three rules and every value of the page (PdfTest checks its size and origin).
void expectPage(const Page& page, const Values& left, const Values& right, const Items& meters) {
    std::vector<std::tuple<int, int, int, int, int>> rules;
    for (const PageItem& i : page.items)
        if (i.kind == PageItem::Kind::Line) rules.emplace_back(i.x, i.y, i.x2, i.y2, i.lineWidth);
    EXPECT_EQ(rules, (decltype(rules){{0, 3600, 10800, 3600, 5},
                                      {5040, 3600, 5040, 10800, 5},
                                      {0, 10800, 10800, 10800, 5}}));
    Items want;
    for (const auto& [k, value] : left) want.emplace_back(2016, row(k), 12, value);
    for (const auto& [k, value] : right) want.emplace_back(7344, row(k), 12, value);
    want.insert(want.end(), meters.begin(), meters.end());
    EXPECT_EQ(values(page), want);
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

// Air at 100 psig and 70 deg F, 100 ACFM in a 2.067 in line, then water, 1 cP,
// 500 GPM in a 6 in line (the insertion meter alone); the figures are those of
// the saved text reports tests/reports/data/gas-wafer.txt and liquid-500gpm.txt.
TEST_F(PrintedPage, EveryValueOfAGasAndALiquidCase) {
    airAt(100, 70, 2.067f, 100);
    expectPage(gasPage(),
        {{1, "12-06-2026"}, {2, ""}, {3, ""}, {4, "100  ACFM"}, {5, "2.067  Inches"}, {7, "52.5  mm"},
         {8, "0.0233  Area Ft" + kSquared}, {9, "100  psig"}, {11, "114.696  PSIA"}, {12, "14.696  psia"},
         {14, "70.0  " + kDegree + "F"}, {15, "21.11  " + kDegree + "C"}, {16, "14.696  psia"},
         {18, "60.0  " + kDegree + "F"}, {19, "15.56  " + kDegree + "C"}},
        {{1, "AIR"}, {2, "0.5845  lbs/ft" + kCubed}, {3, "1.197e-05  lbs/ft.sec"}, {4, "0.0178  cP"},
         {5, "1.781e-05  Pa.sec"}, {9, "100.00"}, {10, "765.72"}, {11, "169.92"}, {12, "1301.12"},
         {13, "58.45"}, {14, "3506.91"}, {15, "1590.71"}, {16, "71.52"}, {17, "4291.33"}, {18, "21.80"},
         {19, "2831.26"}},
        {{2160, 11664, 10, "QWG20"}, {4320, 11664, 10, "5.0  ACFM"}, {6480, 11664, 10, "200.0  ACFM"}});
    water(500, 6.0f);
    expectPage(liquidPage(),
        {{1, "12-06-2026"}, {2, "Quorin Dynarel Inc."}, {3, "Quorin Vortex Flow Meter"}, {4, "500  GPM"},
         {5, "6  INCHES"}, {7, "152.4  mm"}, {8, "0.1963  Area Ft" + kSquared}},
        {{1, "WATER"}, {2, "62.3663  lbs/ft" + kCubed}, {3, "1.0  cP"}, {5, "70.0  " + kDegree + "F"},
         {6, "21.11  " + kDegree + "C"}, {9, "500.00"}, {10, "1892.71"}, {11, "66.84"}, {12, "113.56"},
         {13, "5.67"}, {14, "340.41"}, {15, "1.73"}, {16, "250114.83"}, {17, "113446.93"}},
        {{2160, 11664, 10, "QNL"}, {4320, 11664, 10, "157.0 GPM"}, {6480, 11664, 10, "1586.0 GPM"}});
}

// The pipe in inches (row 6), in mm (row 7), the pressure in psig (row 10) and
// the atmosphere in psia (row 13) are printed unless entered so; a value with
// a unit that is not finite prints "Error" alone (row 15).
TEST_F(PrintedPage, RowsThatRepeatTheEnteredUnitAreLeftOutAndErrorStandsAlone) {
    airAt(100, 70, 2.067f, 100);
    auto& S = shared();
    S.PipeSizeIn = 52.5f;
    S.PipeUnitIn = "Millimeters";
    S.PressUnitIn = "psia";
    S.AtmoPressIn = 1.01325f;
    S.AtmoPressUnitIn = "bar A";
    recompute();
    S.TempDegC = NAN;
    EXPECT_EQ(at(gasPage(), 2016, {6, 7, 10, 13, 15}),
              (std::vector<Text>{"2.1  Inches", {}, "85.3039  PSIG", "14.696  PSIA", "Error"}));
}

// Each flag set prints its remark; the temperature's, clear, prints nothing
// (gas-250psig.txt shows the selection setting a flag).
TEST_F(PrintedPage, RemarksFollowTheFlags) {
    airAt(100, 70, 2.067f, 100);
    GasResultsView view = modGasResults();
    view.flowOutOfRange = view.pressOutOfRange = view.reynoldsOutOfRange = true;
    const Page page = modPrintResults(view, "");
    EXPECT_EQ(at(page, 2160, {26, 27}),
              (std::vector<Text>{"Meter out of Flow Range", "Pressure is out of Range"}));
    EXPECT_EQ(at(page, 6480, {26, 27}), (std::vector<Text>{{}, "Reynolds is out of Range"}));
}

// Ten listed meters: eight lines, the last on the footer's row; a meter
// without a range shows its model only, a range without a model nothing.
TEST_F(PrintedPage, AtMostEightMeterLinesAndAZeroRangeShowsTheModelOnly) {
    airAt(100, 70, 2.067f, 100);
    auto& S = shared();
    for (int slot = 1; slot <= 24; ++slot) S.MeterModel[slot] = "NONE";
    for (int slot = 11; slot <= 20; ++slot) {
        S.MeterModel[slot] = "M" + std::to_string(slot);
        S.MinFlowUser[slot - 1] = float(slot);
        S.MaxFlowUser[slot - 1] = slot == 12 ? 0 : 100.5f;
    }
    S.MinFlowUser[0] = S.MaxFlowUser[0] = 7;
    Items meters = values(modPrintResults(modGasResults(), ""));
    std::erase_if(meters, [](const Item& i) { return std::get<2>(i) != 10; });
    ASSERT_EQ(meters.size(), 8u * 3 - 2);
    EXPECT_EQ(Items(meters.begin(), meters.begin() + 5),
              (Items{{2160, row(23), 10, "M11"},
                     {4320, row(23), 10, "11.0  ACFM"},
                     {6480, row(23), 10, "100.5  ACFM"},
                     {2160, row(24), 10, "M12"},
                     {2160, row(25), 10, "M13"}}));
    EXPECT_EQ(meters.back(), (Item{6480, 15840, 10, "100.5  ACFM"}));
}

// A mass flow without a density: no flow can be worked out, every flow row
// reads "Error". Liquid ranges print number, blank, unit, zero ends included.
TEST_F(PrintedPage, ValuesThatAreNotFinitePrintErrorAndLiquidRangesTheirZeros) {
    auto& S = shared();
    water(3600, 6.0f, "lbs/Hr");
    S.LqdDensityIn = 0;
    modLqdRecalc();
    EXPECT_EQ(at(liquidPage(), 7344, {9, 10, 11, 12, 13, 14, 15, 16, 17}), std::vector<Text>(9, "Error"));
    S.MeterModel[25] = "QNL";
    S.MinFlowUser[24] = 0;
    S.MaxFlowUser[24] = 12345.678f;
    S.MeterModel[30] = "QWL10";
    S.MinFlowUser[29] = NAN;
    const Page page = modLqdPrintResults(modLqdResults(), "");
    EXPECT_EQ(at(page, 4320, {23, 24}), (std::vector<Text>{"0.0 lbs/Hr", "Error"}));
    EXPECT_EQ(at(page, 6480, {23}), std::vector<Text>{"12345.68 lbs/Hr"});
}

}  // namespace
}  // namespace quorin::test
