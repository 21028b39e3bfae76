// The averaging-tube data file, its text report and its printed page.
#include <limits>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

const std::string kToday = "12-07-2026";
const fs::path kData = fs::path(__FILE__).parent_path() / "data";
const fs::path kSeeds = fs::path(__FILE__).parent_path() / ".." / ".." / "fuzz" / "corpus";

// The page in print order: "x y points [b][u] |text|" for a text item, "rule"
// for a rule, which must lie below the row before it and above the next.
Lines dump(const Page& page) {
    Lines out;
    for (size_t k = 0; k < page.items.size(); ++k) {
        const PageItem& i = page.items[k];
        const int below = k + 1 < page.items.size() ? page.items[k + 1].y : 1 << 30;
        if (i.kind == PageItem::Kind::Line)
            EXPECT_TRUE(i.y == i.y2 && k > 0 && i.y > page.items[k - 1].y + 240 && i.y < below) << i.y;
        else
            EXPECT_EQ(i.font, "Arial");
        out.push_back(i.kind == PageItem::Kind::Line ? "rule"
                      : std::to_string(i.x) + " " + std::to_string(i.y) + " " + General(i.pointSize) +
                            (i.bold ? " b" : "") + (i.underline ? " u" : "") + " |" + i.text + "|");
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

// The start-up case is the seed file of the readers' fuzzing; every field of
// an edited case comes back exactly, each from its own line (numbers in their
// shortest form, a double quote as a single quote), and opening recalculates
// nothing.
TEST_F(NorvaneFiles, TheStartUpFileAndACaseThatComesBackExactly) {
    auto& S = shared();
    ASSERT_FALSE(modnrvSaveInData());
    EXPECT_EQ(readFile(dir / "tube.dat"), readFile(kSeeds / "norvane-start-up.dat"));
    S.Cust = "M\u00FCller \"Br\u00FCder\" GmbH", S.RevNo = "B", S.FlowDir = "UP", S.PressUnit = "Kg/cm^2 G";
    S.LineWall = 1.5e-5f, S.FlowRateMax = 1001, S.FlowRateNorm = -0.001f, S.FlowRateMin = 3.4e38f;
    S.TempMax = 71, S.TempNorm = 72, S.TempMin = 73, S.PressMax = 11, S.PressNorm = 12, S.PressMin = 13;
    S.CompMax = 0.9876543f, S.CompNorm = 0.92f, S.CompMin = 0.93f, S.FlowCoe = 0.123456789012345;
    ASSERT_FALSE(modnrvSaveInData());
    const std::string saved = norvaneDataFileBytes();
    const Lines lines = split(saved);
    EXPECT_EQ(std::tuple(lines[5], lines[12], lines[15]), std::tuple("\"B\"", "1.5E-05", "\"UP\""));
    EXPECT_EQ(Lines(lines.begin() + 20, lines.begin() + 34),
              (Lines{"1001", "-0.001", "3.4E+38", "71", "72", "73", "\"deg F\"", "11", "12", "13", "\"Kg/cm^2 G\"", "0.9876543",
                     "0.92", "0.93"}));
    S = SharedState{};
    S.TubeDataFile = (dir / "tube.dat").string();
    ASSERT_FALSE(modnrvOpenInData());
    EXPECT_EQ(std::tuple(S.Cust, S.FlowCoe), std::tuple("M\u00FCller 'Br\u00FCder' GmbH", 0.123456789012345));
    EXPECT_EQ(norvaneDataFileBytes(), saved);
    EXPECT_EQ(std::tuple(S.DpMax, S.BaseTempC, S.Bfactor), std::tuple(0.0, 0.0f, 0.0));
    S.TubeTextFile = S.TubeDataFile = (dir / "no" / "t").string();
    EXPECT_EQ(modnrvSaveInData().text + ", " + modnrvTextFileSave(kToday).text, "Path not found, Path not found");
}

// The 37th line is a double: 1E+300 reads, 1E+309 overflows.
TEST_F(NorvaneFiles, AFailedOpenLeavesTheCaseAsItWasAndSaysWhy) {
    const Lines good = split(norvaneDataFileBytes());
    auto file = [&](int count, int n = 0, const std::string& text = "") {
        std::string out;
        for (int k = 0; k < count; ++k) out += (k + 1 == n ? text : good[k]) + "\r\n";
        return out;
    };
    const struct { std::string contents; const char* path; const char* message; } rows[] = {
        {file(20), "tube.dat", "62 - Input past end of file (line 21)"},
        {file(37, 9, "\"6\""), "tube.dat", "13 - Type mismatch (line 9)"},
        {file(37, 37, "1E+309"), "tube.dat", "6 - Overflow (line 37)"},
        {"", "missing.dat", "Cannot Find File"}};
    auto& S = shared();
    S.DpNorm = 6.5;
    for (const auto& r : rows) {
        writeFile(dir / "tube.dat", r.contents);
        S.TubeDataFile = (dir / r.path).string();
        EXPECT_EQ(openFailureMessage(modnrvOpenInData()), r.message);
        EXPECT_TRUE(split(norvaneDataFileBytes()) == good && S.DpNorm == 6.5) << r.message;
    }
    EXPECT_FALSE(takeNorvaneDataFile(file(37, 37, "1E+300")));
    EXPECT_EQ(S.FlowCoe, 1e300);
}

// ---- Reports -----------------------------------------------------------------

// The start-up case against layouts written out column by column and
// position by position; the page prints a long customer whole.
TEST_F(NorvaneReports, TheStartUpCaseItemByItem) {
    EXPECT_EQ(norvaneReportText(norvaneReport(), "01-02-2027"), readFile(kData / "norvane-air.txt"));
    shared().Cust = "Stadtwerke M\u00FCnster GmbH & Co. KG", shared().DateText = "01-02-2027";
    EXPECT_EQ(dump(modnrvPrintResults()), split(readFile(kData / "norvane-air-page.txt")));
}

// Rows a fluid state has not are empty lines of the text (line 26 is always
// empty) and left off the page; the others keep their place.
TEST_F(NorvaneReports, FluidStatesBlankTheirRows) {
    const struct { const char* state; float size, flow; std::vector<int> empty, blank; std::string line, label; } cases[] = {
        {"LIQUID", 4, 100, {20, 21, 34, 36}, {6552, 6912, 10584, 11304},
         " Liquid Density:" + std::string(29, ' ') + "62.371", "Liquid Density: "},
        {"Steam", 6, 0, {23}, {7632},
         " Molecular Weight(MW):" + std::string(23, ' ') + "18.015", "Molecular Weight(MW): "}};
    auto& S = shared();
    for (const auto& c : cases) {
        S.FluidState = c.state;
        nrvFluidStateChanged();
        S.LineSize = c.size;
        if (c.flow) S.FlowRateMax = S.FlowRateNorm = S.FlowRateMin = c.flow;
        modnrvPipeTbl();
        nrvRecalcAll();
        const Lines lines = split(norvaneReportText(norvaneReport(), kToday));
        ASSERT_EQ(lines.size(), 38u) << c.state;
        EXPECT_EQ(lines[21], c.line) << c.state;
        for (int n = 19; n <= 38; ++n)
            EXPECT_EQ(lines[n - 1].empty(), n == 26 || std::count(c.empty.begin(), c.empty.end(), n)) << c.state << n;
        const Page page = modnrvPrintResults();
        EXPECT_EQ(textAt(page, 504, 7272), c.label);
        for (int y = 5112; y <= 12024; y += y == 8352 ? 792 : 360)
            EXPECT_EQ(textAt(page, 504, y).empty() && textAt(page, 6264, y).empty(),
                      std::count(c.blank.begin(), c.blank.end(), y) == 1) << c.state << y;
    }
}

// Maximum, normal and minimum in their columns, on paper and in the text (the
// reference case has the same figures in all three).
TEST_F(NorvaneReports, EachCaseInItsOwnColumn) {
    auto& S = shared();
    S.FlowRateNorm = 800, S.FlowRateMin = 300, S.TempNorm = 150, S.TempMin = 300;
    S.PressNorm = 50, S.PressMin = 100, S.CompNorm = 0.98f, S.CompMin = 0.95f;
    nrvRecalcAll();
    const struct { int line, y; Lines want; } rows[] = {
        {30, 9144, {"1000", "800", "300"}},
        {38, 12024, {Format(S.DpMax, "0.000"), Format(S.DpNorm, "0.000"), Format(S.DpMin, "0.000")}}};
    const Lines lines = split(norvaneReportText(norvaneReport(), kToday));
    const Page page = modnrvPrintResults();
    for (const auto& r : rows) {
        EXPECT_TRUE(r.want[0] != r.want[1] && r.want[1] != r.want[2]) << "line " << r.line << " tells no case apart";
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(Trim(lines[r.line - 1].substr(45 + 10 * k, 10)), r.want[k]) << "line " << r.line;
            EXPECT_EQ(Trim(textAt(page, 6264 + 1440 * k, r.y)), r.want[k]) << r.y;
        }
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
