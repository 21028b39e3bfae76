#include <limits>
#include <optional>
#include <tuple>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

struct Item {
    int x, y;
    double points;
    std::string text;
    bool operator==(const Item&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Item& i) {
    return os << '(' << i.x << ", " << i.y << ", " << i.points << "pt) \"" << i.text << '"';
}
using Items = std::vector<Item>;

// Block rows: {row, label ("" for none), value}.
struct Row {
    int k;
    std::string label, value;
};

int row(int k) { return 3744 + 360 * (k - 1); }

const std::string kCubed = kSup3, kSquared = kSup2, kDegree = kDeg;
const float kNaN = std::numeric_limits<float>::quiet_NaN();

Items texts(const Page& page) {
    Items out;
    for (const PageItem* t : page.texts()) {
        EXPECT_EQ(t->font, "Arial") << t->text;
        out.push_back({t->x, t->y, t->pointSize, t->text});
    }
    return out;
}

const PageItem* find(const Page& page, int x, int y) {
    for (const PageItem* t : page.texts())
        if (t->x == x && t->y == y) return t;
    return nullptr;
}

// The value printed at column x of row k, if any.
std::optional<std::string> at(const Page& page, int x, int k) {
    const PageItem* t = find(page, x, row(k));
    return t ? std::optional(t->text) : std::nullopt;
}

// Title, left block, right block, meter table, notes: the order of printing.
Items layout(const std::vector<Row>& left, const std::vector<Row>& right, const Items& meters) {
    Items out{{2080, 2880, 18, "Quorin Vortex Flow Meter Sizing Report"}};
    for (const auto& [block, labelX, valueX] :
         {std::tuple{&left, 0, 2016}, std::tuple{&right, 5472, 7344}})
        for (const Row& r : *block) {
            if (!r.label.empty()) out.push_back({labelX, row(r.k), 12, r.label});
            out.push_back({valueX, row(r.k), 12, r.value});
        }
    const Items header = {{2160, 10944, 12, "Recommended"},
                          {4320, 10944, 12, "              Flow Range:"},
                          {2160, 11304, 12, "Meter:"},
                          {4320, 11304, 12, "     MIN"},
                          {6480, 11304, 12, "     MAX"}};
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), meters.begin(), meters.end());
    const Items notes = {
        {0, 13104, 8, "Notes:"},
        {0, 13464, 8, "1.  Flow Range is calculated based on data entered by the user."},
        {0, 13824, 8, "2.  Meter recommendation does not constitute a guarantee of performance."}};
    out.insert(out.end(), notes.begin(), notes.end());
    return out;
}

// Checks the page frame and the footer, and returns the text items without
// the footer.
Items body(const Page& page) {
    EXPECT_EQ((std::tuple{page.originX, page.originY, page.width, page.height}),
              (std::tuple{-250, 1200, 12240, 15840}));
    std::vector<std::tuple<int, int, int, int, int>> lines;
    for (const PageItem& i : page.items)
        if (i.kind == PageItem::Kind::Line) lines.emplace_back(i.x, i.y, i.x2, i.y2, i.lineWidth);
    EXPECT_EQ(lines, (decltype(lines){{0, 3600, 10800, 3600, 5},
                                       {5040, 3600, 5040, 10800, 5},
                                       {0, 10800, 10800, 10800, 5}}));
    Items items = texts(page);
    const auto footer = std::find_if(items.begin(), items.end(),
                                     [](const Item& i) { return i.y == 15840; });
    EXPECT_NE(footer, items.end());
    if (footer == items.end()) return items;
    EXPECT_EQ((std::tuple{footer->x, footer->points}), (std::tuple{0, 8.0}));
    EXPECT_EQ(footer->text.rfind(std::string(13, ' ') + "Flow Meter Division    -    "
                                 "Quorin Dynarel Inc.    -    ", 0), 0u) << footer->text;
    items.erase(footer);
    return items;
}

class PrintedPage : public CoreTest {
protected:
    static Page gasPage() {
        modGasSelection();
        return modPrintResults(modGasResults(), "12-06-2026");
    }
    static void sizedWater(float flow, float pipeIn, const char* unit = "GPM") {
        water(flow, pipeIn, unit);
        modLqdSelection();
    }
};

TEST_F(PrintedPage, GasCaseEveryItem) {
    // Air at 100 psig and 70 deg F, 100 ACFM in a 2.067 in line.
    airAt(100, 70, 2.067f, 100);
    const Items expected = layout(
        {{1, "Date:", "12-06-2026"}, {2, "Customer:", ""}, {3, "Tag Number:", ""},
         {4, "Flow Entered:", "100  ACFM"}, {5, "Pipe Size:", "2.067  Inches"},
         {7, "", "52.5  mm"}, {8, "", "0.0233  Area Ft" + kSquared},
         {9, "Pressure:", "100  psig"}, {11, "", "114.696  PSIA"},
         {12, "Atmo Press:", "14.696  psia"}, {14, "Temperature:", "70.0  " + kDegree + "F"},
         {15, "", "21.11  " + kDegree + "C"}, {16, "Pressure Ref:", "14.696  psia"},
         {18, "Temperature Ref:", "60.0  " + kDegree + "F"}, {19, "", "15.56  " + kDegree + "C"}},
        {{1, "Media:", "AIR"}, {2, "Density:", "0.5845  lbs/ft" + kCubed},
         {3, "Viscosity:", "1.197e-05  lbs/ft.sec"}, {4, "", "0.0178  cP"},
         {5, "", "1.781e-05  Pa.sec"}, {9, "Flow in ACFM:", "100.00"},
         {10, "Flow in SCFM:", "765.72"}, {11, "Flow in m" + kCubed + "/hr:", "169.92"},
         {12, "Flow in Nm" + kCubed + "/hr:", "1301.12"}, {13, "Flow in lbs/min:", "58.45"},
         {14, "Flow in lbs/hr:", "3506.91"}, {15, "Flow in kg/hr:", "1590.71"},
         {16, "Velocity in FPS:", "71.52"}, {17, "Velocity in FPM:", "4291.33"},
         {18, "Velocity in MPS:", "21.80"}, {19, "Flow in LPM:", "2831.26"}},
        {{2160, 11664, 10, "QWG20"}, {4320, 11664, 10, "5.0  ACFM"},
         {6480, 11664, 10, "200.0  ACFM"}});
    EXPECT_EQ(body(gasPage()), expected);
}

TEST_F(PrintedPage, LiquidCaseEveryItem) {
    // Water, 1 cP, 500 GPM in a 6 in line: the insertion meter alone.
    sizedWater(500, 6.0f);
    const Items expected = layout(
        {{1, "Date:", "12-06-2026"}, {2, "Customer:", "Quorin Dynarel Inc."},
         {3, "Tag Number:", "Quorin Vortex Flow Meter"}, {4, "Flow Entered:", "500  GPM"},
         {5, "Pipe Size:", "6  INCHES"}, {7, "", "152.4  mm"},
         {8, "", "0.1963  Area Ft" + kSquared}},
        {{1, "Media:", "WATER"}, {2, "Density:", "62.3663  lbs/ft" + kCubed},
         {3, "Viscosity:", "1.0  cP"}, {5, "Temperature:", "70.0  " + kDegree + "F"},
         {6, "", "21.11  " + kDegree + "C"}, {9, "Flow in GPM:", "500.00"},
         {10, "Flow in LPM:", "1892.71"}, {11, "Flow in ft" + kCubed + "/min:", "66.84"},
         {12, "Flow in m" + kCubed + "/hr:", "113.56"}, {13, "Velocity in FPS:", "5.67"},
         {14, "Velocity in FPM:", "340.41"}, {15, "Velocity in MPS:", "1.73"},
         {16, "Flow in lb/hr:", "250114.83"}, {17, "Flow in kg/hr:", "113446.93"}},
        {{2160, 11664, 10, "QNL"}, {4320, 11664, 10, "157.0 GPM"},
         {6480, 11664, 10, "1586.0 GPM"}});
    EXPECT_EQ(body(modLqdPrintResults(modLqdResults(), "12-06-2026")), expected);
}

TEST_F(PrintedPage, ValuesHaveTheRoomUpToTheNextColumnOrRule) {
    airAt(100, 70, 2.067f, 100);
    const Page page = gasPage();
    // Labels and headings have no limit.
    const struct { int x, y, room; } rows[] = {
        {0, row(2), 0},       {2016, row(2), 2880},  {5472, row(1), 0},
        {7344, row(1), 3456}, {2160, row(23), 2016}, {4320, row(23), 2016},
        {6480, row(23), 4320}, {2160, row(21), 0},   {2080, 2880, 0}};
    for (const auto& r : rows) {
        const PageItem* t = find(page, r.x, r.y);
        ASSERT_NE(t, nullptr) << r.x << ", " << r.y;
        EXPECT_EQ(t->maxWidth, r.room) << t->text;
    }
}

TEST_F(PrintedPage, RowsThatRepeatTheEnteredUnitAreLeftOut) {
    const struct {
        const char* pipeUnit;
        float pipe;
        const char* pressUnit;
        float atmo;
        const char* atmoUnit;
        std::optional<std::string> row6, row7, row10, row13;
    } cases[] = {
        {"Inches", 2.067f, "psig", 14.696f, "psia", {}, "52.5  mm", {}, {}},
        {"Millimeters", 52.5f, "psia", 1.01325f, "bar A", "2.1  Inches", {}, "85.3039  PSIG",
         "14.696  PSIA"},
        {"Meters", 0.0525f, "PSIG", 14.696f, "PSIA", "2.1  Inches", "52.5  mm", {}, {}},
    };
    for (const auto& c : cases) {
        airAt(100, 70, 2.067f, 100);
        auto& S = shared();
        std::tie(S.PipeSizeIn, S.PipeUnitIn) = std::tuple{c.pipe, c.pipeUnit};
        S.PressUnitIn = c.pressUnit;
        std::tie(S.AtmoPressIn, S.AtmoPressUnitIn) = std::tuple{c.atmo, c.atmoUnit};
        recompute();
        const Page page = gasPage();
        EXPECT_EQ(at(page, 2016, 6), c.row6) << c.pipeUnit;
        EXPECT_EQ(at(page, 2016, 7), c.row7) << c.pipeUnit;
        EXPECT_EQ(at(page, 2016, 10), c.row10) << c.pressUnit;
        EXPECT_EQ(at(page, 2016, 13), c.row13) << c.atmoUnit;
    }
}

TEST_F(PrintedPage, RemarksFollowTheFlags) {
    // The flags the results computation sets, end to end.
    airAt(250.1f, 70, 2.067f, 100);
    const Page page = gasPage();
    EXPECT_EQ(at(page, 2160, 27), "Pressure is out of Range");
    EXPECT_EQ(at(page, 2160, 26), std::nullopt);
    EXPECT_EQ(at(page, 6480, 26), std::nullopt);
    EXPECT_EQ(at(page, 6480, 27), std::nullopt);

    GasResultsView view = modGasResults();
    bool* const flags[] = {&view.flowOutOfRange, &view.tempOutOfRange, &view.pressOutOfRange,
                           &view.reynoldsOutOfRange};
    const Item remarks[] = {{2160, row(26), 8, "Meter out of Flow Range"},
                            {6480, row(26), 8, "Temperature is out of Range"},
                            {2160, row(27), 8, "Pressure is out of Range"},
                            {6480, row(27), 8, "Reynolds is out of Range"}};
    for (bool* f : flags) *f = true;
    Items printed = texts(modPrintResults(view, ""));
    EXPECT_EQ(Items(printed.end() - 4, printed.end()), Items(remarks, remarks + 4));
    *flags[2] = false;
    printed = texts(modPrintResults(view, ""));
    EXPECT_EQ(Items(printed.end() - 3, printed.end()),
              (Items{remarks[0], remarks[1], remarks[3]}));
}

TEST_F(PrintedPage, AtMostEightMeterLinesAndAZeroRangeShowsTheModelOnly) {
    airAt(100, 70, 2.067f, 100);
    auto& S = shared();
    for (int slot = 1; slot <= 24; ++slot) S.MeterModel[slot] = "NONE";
    for (int slot = 11; slot <= 20; ++slot) {
        S.MeterModel[slot] = "M" + std::to_string(slot);
        S.MinFlowUser[slot - 1] = float(slot);
        S.MaxFlowUser[slot - 1] = slot == 12 ? 0 : 100.5f;
    }
    S.MinFlowUser[0] = S.MaxFlowUser[0] = 7;  // a range without a model prints nothing
    Items meters;
    for (const Item& i : texts(modPrintResults(modGasResults(), "")))
        if (i.points == 10) meters.push_back(i);
    ASSERT_EQ(meters.size(), 8u * 3 - 2);
    EXPECT_EQ(meters[0], (Item{2160, row(23), 10, "M11"}));
    EXPECT_EQ(meters[1], (Item{4320, row(23), 10, "11.0  ACFM"}));
    EXPECT_EQ(meters[2], (Item{6480, row(23), 10, "100.5  ACFM"}));
    EXPECT_EQ(meters[3], (Item{2160, row(24), 10, "M12"}));
    EXPECT_EQ(meters[4], (Item{2160, row(25), 10, "M13"}));
    EXPECT_EQ(meters.back(), (Item{6480, 15840, 10, "100.5  ACFM"}));
    EXPECT_EQ(meters[meters.size() - 3].text, "M18");
}

TEST_F(PrintedPage, LiquidRangesPrintNumberBlankUnitZerosIncluded) {
    sizedWater(500, 6.0f, "Kg/Hr");
    auto& S = shared();
    S.MeterModel[25] = "QNL";
    S.MinFlowUser[24] = 0;
    S.MaxFlowUser[24] = 12345.678f;
    S.MeterModel[30] = "QWL10";
    S.MinFlowUser[29] = kNaN;
    const Page page = modLqdPrintResults(modLqdResults(), "");
    EXPECT_EQ(at(page, 4320, 23), "0.0 Kg/Hr");
    EXPECT_EQ(at(page, 6480, 23), "12345.68 Kg/Hr");
    EXPECT_EQ(at(page, 2160, 24), "QWL10");
    EXPECT_EQ(at(page, 4320, 24), "Error");
}

TEST_F(PrintedPage, ValuesThatAreNotFinitePrintError) {
    // A mass flow without a density: no flow can be worked out.
    sizedWater(3600, 6.0f, "lbs/Hr");
    shared().LqdDensityIn = 0;
    modLqdRecalc();
    modLqdSelection();
    Page page = modLqdPrintResults(modLqdResults(), "");
    for (int k = 9; k <= 17; ++k) EXPECT_EQ(at(page, 7344, k), "Error") << "row " << k;
    EXPECT_EQ(at(page, 7344, 2), "0.0  lbs/ft" + kCubed);
    EXPECT_EQ(at(page, 2160, 23), std::nullopt);

    airAt(100, 70, 6, 3600, "lbs/Hr");
    shared().DensityLbFt3 = 0;
    modAcfmCalc();
    shared().TempDegC = kNaN;  // a row with a unit prints "Error" alone
    page = gasPage();
    for (int k = 9; k <= 19; ++k) EXPECT_EQ(at(page, 7344, k), "Error") << "row " << k;
    EXPECT_EQ(at(page, 2016, 15), "Error");
    EXPECT_EQ(at(page, 2016, 14), "70.0  " + kDegree + "F");
}

}  // namespace
}  // namespace quorin::test
