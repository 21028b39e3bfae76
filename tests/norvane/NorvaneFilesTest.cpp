// The averaging-tube data file, its text report and its printed page.
#include <limits>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

const std::string kToday = "12-07-2026";
const fs::path kData = fs::path(__FILE__).parent_path() / "data";


void expectLines(const Lines& got, const Lines& want) {
    for (size_t k = 0; k < std::max(got.size(), want.size()); ++k)
        EXPECT_EQ(k < got.size() ? got[k] : "<none>", k < want.size() ? want[k] : "<none>") << "line " << k + 1;
}

// The page in print order: "x y points [b][u] |text|" for a text item, "rule"
// for a rule, which must lie below the row before it and above the next.
Lines dump(const Page& page) {
    Lines out;
    for (size_t k = 0; k < page.items.size(); ++k) {
        const PageItem& i = page.items[k];
        if (i.kind == PageItem::Kind::Line) {
            const int below = k + 1 < page.items.size() ? page.items[k + 1].y : 1 << 30;
            EXPECT_TRUE(i.y == i.y2 && k > 0 && i.y > page.items[k - 1].y + 240 && i.y < below) << i.y;
            out.push_back("rule");
        } else {
            out.push_back(std::to_string(i.x) + " " + std::to_string(i.y) + " " + General(i.pointSize) +
                          (i.bold ? " b" : "") + (i.underline ? " u" : "") + " |" + i.text + "|");
            EXPECT_EQ(i.font, "Arial");
        }
    }
    return out;
}

// The text printed at (x, y); empty when none.
std::string textAt(const Page& page, int x, int y) {
    for (const PageItem* t : page.texts())
        if (t->x == x && t->y == y) return t->text;
    return "";
}

// The start-up case of the averaging-tube screen.
class NorvaneFiles : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        makeDir();
        modnrvLoadPipeTbl();
        nrvLoadDefaults(kToday);
        nrvRecalcAll();
        shared().TubeDataFile = (dir / "tube.dat").string();
        shared().TubeTextFile = (dir / "tube.txt").string();
    }
};
using NorvaneReports = NorvaneFiles;

// ---- Data file ---------------------------------------------------------------

TEST_F(NorvaneFiles, TheStartUpFileIsItsThirtySevenLinesAndTheReportItsText) {
    ASSERT_FALSE(modnrvSaveInData() || modnrvTextFileSave(kToday));
    const std::string bytes = readFile(dir / "tube.dat");
    EXPECT_EQ(bytes.substr(bytes.size() - 9), "\r\n0.637\r\n");
    expectLines(split(bytes), {"\"Quorin Dynarel Inc.\"", "\"Norvane\"", "\" - \"", "\"12-07-2026\"",
                               "\"Quorin Norvane\"", "\" - \"", "\"AIR\"", "\"GAS\"", "6", "\"40\"", "\"CS\"",
                               "6.065", "0.28", "6.625", "\"HORIZ\"", "\"HORIZ\"", "28.964", "60", "14.696",
                               "\"ACFM\"", "1000", "1000", "1000", "70", "70", "70", "\"deg F\"", "10", "10",
                               "10", "\"PSIG\"", "1", "1", "1", "1.4", "1", "0.637"});
    EXPECT_EQ(readFile(dir / "tube.txt"), norvaneReportText(norvaneReport(), kToday));
    shared().TubeTextFile = shared().TubeDataFile = (dir / "no" / "t").string();
    EXPECT_EQ(modnrvSaveInData().text + ", " + modnrvTextFileSave(kToday).text, "Path not found, Path not found");
}

// Every field comes back exactly, each from its own line, and opening
// recalculates nothing.
TEST_F(NorvaneFiles, ACaseComesBackExactlyAndNothingIsRecalculated) {
    auto& S = shared();
    S.Cust = "M\u00FCller \"Br\u00FCder\" GmbH";
    S.RevNo = "B", S.FluidState = "steam (saturated)", S.FlowDir = "UP", S.PressUnit = "Kg/cm^2 G";
    S.LineSize = 0.75f, S.LineId = 0.8240001f, S.LineWall = 1.5e-5f;
    S.FlowRateMax = 1001, S.FlowRateNorm = -0.001f, S.FlowRateMin = 3.4e38f;
    S.TempMax = 71, S.TempNorm = 72, S.TempMin = 73, S.PressMax = 11, S.PressNorm = 12, S.PressMin = 13;
    S.CompMax = 0.9876543f, S.CompNorm = 0.92f, S.CompMin = 0.93f, S.FlowCoe = 0.123456789012345;
    ASSERT_FALSE(modnrvSaveInData());
    const std::string saved = norvaneDataFileBytes();
    const Lines lines = split(saved);
    EXPECT_EQ(std::tuple(lines[5], lines[12], lines[15]), std::tuple("\"B\"", "1.5E-05", "\"UP\""));
    EXPECT_EQ(Lines(lines.begin() + 20, lines.begin() + 34),
              (Lines{"1001", "-0.001", "3.4E+38", "71", "72", "73", "\"deg F\"", "11", "12", "13",
                     "\"Kg/cm^2 G\"", "0.9876543", "0.92", "0.93"}));
    S = SharedState{};
    S.TubeDataFile = (dir / "tube.dat").string();
    ASSERT_FALSE(modnrvOpenInData());
    EXPECT_EQ(std::tuple(S.Cust, S.FlowCoe), std::tuple("M\u00FCller 'Br\u00FCder' GmbH", 0.123456789012345));
    EXPECT_EQ(norvaneDataFileBytes(), saved);
    EXPECT_EQ(std::tuple(S.DpMax, S.BaseTempC, S.Bfactor), std::tuple(0.0, 0.0f, 0.0));
}

TEST_F(NorvaneFiles, AFailedOpenLeavesTheCaseAsItWasAndSaysWhy) {
    const Lines good = split(norvaneDataFileBytes());
    auto file = [&](int count, int n = 0, const std::string& text = "") {
        std::string out;
        for (int k = 0; k < count; ++k) out += (k + 1 == n ? text : good[k]) + "\r\n";
        return out;
    };
    const struct { std::string contents; const char* path; const char* message; } rows[] = {
        {file(20), "tube.dat", "62 - Input past end of file (line 21)"},
        {file(36), "tube.dat", "62 - Input past end of file (line 37)"},
        {file(37, 9, "\"6\""), "tube.dat", "13 - Type mismatch (line 9)"},
        {file(37, 20, "1000"), "tube.dat", "13 - Type mismatch (line 20)"},
        {file(37, 23, "1E+39"), "tube.dat", "6 - Overflow (line 23)"},
        {file(37, 37, "1E+309"), "tube.dat", "6 - Overflow (line 37)"},
        {"", "missing.dat", "Cannot Find File"}};
    auto& S = shared();
    S.DpNorm = 6.5;
    for (const auto& r : rows) {
        writeFile(dir / "tube.dat", r.contents);
        S.TubeDataFile = (dir / r.path).string();
        EXPECT_EQ(openFailureMessage(modnrvOpenInData()), r.message);
        EXPECT_EQ(split(norvaneDataFileBytes()), good) << r.message;
        EXPECT_EQ(S.DpNorm, 6.5);
    }
    EXPECT_FALSE(takeNorvaneDataFile(file(37, 37, "1E+300")));  // the 37th line is a double
    EXPECT_EQ(S.FlowCoe, 1e300);
}

// ---- Reports -----------------------------------------------------------------

// The start-up case against layouts written out column by column and
// position by position; the page prints a long customer whole.
TEST_F(NorvaneReports, TheStartUpCaseItemByItem) {
    const std::string text = norvaneReportText(norvaneReport(), "01-02-2027"), expected = readFile(kData / "norvane-air.txt");
    ASSERT_EQ(split(text).size(), 38u);
    expectLines(split(text), split(expected));
    EXPECT_EQ(text, expected);  // CR LF included
    shared().Cust = "Stadtwerke M\u00FCnster GmbH & Co. KG";
    shared().DateText = "01-02-2027";
    expectLines(dump(modnrvPrintResults()), split(readFile(kData / "norvane-air-page.txt")));
}

// Rows a fluid state has not are empty lines of the text and left off the
// page; the others keep their place.
TEST_F(NorvaneReports, FluidStatesBlankTheirRows) {
    const struct { const char* state; float size, flow; std::vector<int> empty, blank; Lines lines; } cases[] = {
        {"LIQUID", 4, 100, {20, 21, 34, 36}, {6552, 6912, 10584, 11304},
         {" Liquid Density:" + std::string(29, ' ') + "62.371",
          " Differential Pressure(DP):        IN W.C.   2.827     2.827     2.827"}},
        {"Steam", 6, 0, {23}, {7632},
         {" Cp/Cv(k):" + std::string(35, ' ') + " 1.3 ", " Molecular Weight(MW):" + std::string(23, ' ') + "18.015",
          " Compressibility(Z):" + std::string(25, ' ') + " 1         1         1 "}}};
    auto& S = shared();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        S.FluidState = c.state;
        nrvFluidStateChanged();
        S.LineSize = c.size;
        if (c.flow) S.FlowRateMax = S.FlowRateNorm = S.FlowRateMin = c.flow;
        modnrvPipeTbl();
        nrvRecalcAll();
        const Lines lines = split(norvaneReportText(norvaneReport(), kToday));
        ASSERT_EQ(lines.size(), 38u);
        for (int n = 19; n <= 38; ++n)
            EXPECT_EQ(lines[n - 1].empty(), n == 26 || std::count(c.empty.begin(), c.empty.end(), n)) << n;
        for (const std::string& line : c.lines) EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
        const Page page = modnrvPrintResults();
        for (int y = 5112; y <= 12024; y += y == 8352 ? 792 : 360) {
            const bool blank = std::count(c.blank.begin(), c.blank.end(), y);
            EXPECT_EQ(textAt(page, 504, y).empty() && textAt(page, 6264, y).empty(), blank) << y;
        }
        EXPECT_EQ(textAt(page, 504, 7272), c.state[0] == 'L' ? "Liquid Density: " : "Molecular Weight(MW): ");
    }
}

// Maximum, normal and minimum in their columns, on paper and in the text.
TEST_F(NorvaneReports, EachCaseInItsOwnColumn) {
    auto& S = shared();
    S.FlowRateNorm = 800, S.FlowRateMin = 300, S.TempNorm = 150, S.TempMin = 300;
    S.PressNorm = 50, S.PressMin = 100, S.CompNorm = 0.98f, S.CompMin = 0.95f;
    nrvRecalcAll();
    using Get = double (*)(NrvCaseFields&);
    const struct { int line, y; bool formatted; Get get; } rows[] = {
        {30, 9144, false, [](NrvCaseFields& c) { return double(c.flowRate); }},
        {31, 9504, false, [](NrvCaseFields& c) { return double(c.temp); }},
        {32, 9864, false, [](NrvCaseFields& c) { return double(c.press); }},
        {33, 10224, true, [](NrvCaseFields& c) { return c.dens; }},
        {34, 10584, false, [](NrvCaseFields& c) { return double(c.comp); }},
        {35, 10944, true, [](NrvCaseFields& c) { return c.thermExpCor; }},
        {36, 11304, true, [](NrvCaseFields& c) { return c.gasExpCor; }},
        {37, 11664, true, [](NrvCaseFields& c) { return double(c.vel); }},
        {38, 12024, true, [](NrvCaseFields& c) { return c.dp; }}};
    const Lines lines = split(norvaneReportText(norvaneReport(), kToday));
    const Page page = modnrvPrintResults();
    const NrvCase order[] = {NrvCase::Max, NrvCase::Norm, NrvCase::Min};
    for (const auto& r : rows) {
        Lines want;
        for (int k = 0; k < 3; ++k) {
            NrvCaseFields c = nrvCase(S, order[k]);
            want.push_back(r.formatted ? Format(r.get(c), "0.000") : General(float(r.get(c))));
            EXPECT_EQ(Trim(lines[r.line - 1].substr(45 + 10 * k, 10)), want[k]) << "line " << r.line;
            EXPECT_EQ(Trim(textAt(page, 6264 + 1440 * k, r.y)), want[k]) << r.y;
        }
        EXPECT_NE(want[0], want[2]) << "line " << r.line << " does not tell the cases apart";
    }
}

TEST_F(NorvaneReports, LongNamesAreCutAndValuesThatAreNotFiniteReadError) {
    auto& S = shared();
    S.Cust = "Stadtwerke M\u00FCnster GmbH & Co. KG";
    S.DpNorm = std::numeric_limits<double>::infinity();
    const Lines lines = split(norvaneReportText(norvaneReport(), kToday));
    EXPECT_EQ(lines[6], " Customer:" + std::string(8, ' ') + "Stadtwerke M\xFCnster GmbH &   Date:" +
                            std::string(13, ' ') + kToday);
    EXPECT_EQ(lines[37].substr(45), "6.425     Error     6.425");
    EXPECT_EQ(textAt(modnrvPrintResults(), 7704, 12024), "Error");
}

}  // namespace
}  // namespace quorin::test
