// The averaging-tube data file, its text report and its printed page.
#include <limits>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

const std::string kToday = "12-07-2026";
const fs::path kData = fs::path(__FILE__).parent_path() / "data";

// The page in print order: "x y points [b][u] |text|" for a text item, "rule"
// for a rule, which must lie in the gap between the rows on either side.
Lines dump(const Page& page) {
    Lines out;
    for (size_t k = 0; k < page.items.size(); ++k) {
        const PageItem& i = page.items[k];
        if (i.kind == PageItem::Kind::Line) {
            EXPECT_TRUE(k > 0 && i.y > page.items[k - 1].y + 240 && i.y < page.items.at(k + 1).y) << i.y;
            out.push_back("rule");
            continue;
        }
        out.push_back(std::to_string(i.x) + " " + std::to_string(i.y) + " " + General(i.pointSize) +
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
        nrvLoadDefaults(kToday);
        nrvRecalcAll();
        shared().TubeDataFile = (dir / "tube.dat").string();
    }
};

// The start-up case is the seed file of the readers' fuzzing; an edited case
// comes back exactly, each field from its own line, and opening recalculates
// nothing.
TEST_F(NorvaneFiles, TheStartUpFileAndACaseThatComesBackExactly) {
    auto& S = shared();
    ASSERT_FALSE(modnrvSaveInData());
    EXPECT_EQ(readFile(dir / "tube.dat"),
              readFile(kData.parent_path() / "../../fuzz/corpus/norvane-start-up.dat"));
    S.RevNo = "B";
    S.FlowDir = "UP";
    S.FlowRateNorm = 800;
    S.FlowRateMin = 300;
    S.TempNorm = 72;
    S.TempMin = 73;
    S.PressNorm = 12;
    S.PressMin = 13;
    S.CompNorm = 0.92f;
    S.CompMin = 0.93f;
    S.FlowCoe = 0.123456789012345;
    ASSERT_FALSE(modnrvSaveInData());
    const Lines lines = split(norvaneDataFileBytes());
    EXPECT_EQ(Lines({lines[5], lines[15]}), Lines({"\"B\"", "\"UP\""}));
    EXPECT_EQ(Lines(lines.begin() + 20, lines.begin() + 34),
              Lines({"1000", "800", "300", "70", "72", "73", "\"deg F\"", "10", "12", "13", "\"PSIG\"",
                     "1", "0.92", "0.93"}));
    S = SharedState{};
    S.TubeDataFile = (dir / "tube.dat").string();
    ASSERT_FALSE(modnrvOpenInData());
    EXPECT_EQ(std::tuple(split(norvaneDataFileBytes()), S.FlowCoe, S.DpMax, S.Bfactor),
              std::tuple(lines, 0.123456789012345, 0.0, 0.0));
    S.TubeTextFile = S.TubeDataFile = (dir / "no" / "t").string();
    EXPECT_EQ(modnrvSaveInData().text + ", " + modnrvTextFileSave(kToday).text,
              "Path not found, Path not found");
}

// Opening is all or nothing: a file that ends early, a value of the wrong
// type, a double that overflows (the 37th line), a missing file.
TEST_F(NorvaneFiles, AFailedOpenLeavesTheCaseAsItWasAndSaysWhy) {
    const Lines good = split(norvaneDataFileBytes());
    const struct { int count, n; const char* text; const char* message; } rows[] = {
        {20, 0, "", "62 - Input past end of file (line 21)"}, {37, 9, "\"6\"", "13 - Type mismatch (line 9)"},
        {37, 37, "1E+309", "6 - Overflow (line 37)"},           {0, 0, "", "Cannot Find File"}};
    const double dpNorm = shared().DpNorm;
    for (const auto& r : rows) {
        std::string bytes;
        for (int k = 0; k < r.count; ++k) bytes += (k + 1 == r.n ? r.text : good[k]) + "\r\n";
        writeFile(dir / "tube.dat", bytes);
        shared().TubeDataFile = (dir / (r.count ? "tube.dat" : "missing.dat")).string();
        EXPECT_EQ(openFailureMessage(modnrvOpenInData()), r.message);
        EXPECT_TRUE(split(norvaneDataFileBytes()) == good && shared().DpNorm == dpNorm) << r.message;
    }
}

// Rows a fluid state has not are empty lines of the text (line 26 is always
// empty) and left off the page; the others keep their place.
TEST_F(NorvaneFiles, FluidStatesBlankTheirRows) {
    const struct { const char* state; std::vector<int> empty, blank; std::string line, label; } cases[] = {
        {"LIQUID", {20, 21, 26, 34, 36}, {6552, 6912, 10584, 11304},
         " Liquid Density:" + std::string(29, ' ') + "62.371", "Liquid Density: "},
        {"Steam", {23, 26}, {7632}, " Molecular Weight(MW):" + std::string(23, ' ') + "18.015",
         "Molecular Weight(MW): "}};
    for (const auto& c : cases) {
        shared().FluidState = c.state;
        nrvFluidStateChanged();
        const Lines lines = split(norvaneReportText(norvaneReport(), kToday));
        const Page page = modnrvPrintResults();
        std::vector<int> empty, blank;
        for (int n = 19; n <= 38; ++n)
            if (lines.at(n - 1).empty()) empty.push_back(n);
        for (int y = 5112; y <= 12024; y += y == 8352 ? 792 : 360)
            if (textAt(page, 504, y).empty()) blank.push_back(y);
        EXPECT_EQ(std::tuple(lines.size(), empty, blank, lines[21], textAt(page, 504, 7272)),
                  std::tuple(size_t(38), c.empty, c.blank, c.line, c.label)) << c.state;
    }
}

// The start-up case against the text and the page written out column by
// column and position by position; the page prints a long customer whole, the
// text cuts it. Maximum, normal and minimum in their columns (the start-up
// case has the same figures in all three); a value not finite reads "Error".
TEST_F(NorvaneFiles, TheReports) {
    auto& S = shared();
    EXPECT_EQ(norvaneReportText(norvaneReport(), "01-02-2027"), readFile(kData / "norvane-air.txt"));
    S.Cust = "Stadtwerke M\u00FCnster GmbH & Co. KG";
    S.DateText = "01-02-2027";
    EXPECT_EQ(dump(modnrvPrintResults()), split(readFile(kData / "norvane-air-page.txt")));
    S.FlowRateNorm = 800;
    S.FlowRateMin = 300;
    S.TempNorm = 150;
    S.TempMin = 300;
    S.PressNorm = 50;
    S.PressMin = 100;
    nrvRecalcAll();
    const Lines want{"1000" + Format(S.DpMax, "0.000"), "800" + Format(S.DpNorm, "0.000"),
                     "300" + Format(S.DpMin, "0.000")};
    Lines lines = split(norvaneReportText(norvaneReport(), kToday));
    const Page page = modnrvPrintResults();
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(Trim(lines[29].substr(45 + 10 * k, 10)) + Trim(lines[37].substr(45 + 10 * k, 10)),
                  want[k]);
        EXPECT_EQ(Trim(textAt(page, 6264 + 1440 * k, 9144)) + Trim(textAt(page, 6264 + 1440 * k, 12024)),
                  want[k]);
    }
    S.DpNorm = std::numeric_limits<double>::infinity();
    lines = split(norvaneReportText(norvaneReport(), kToday));
    EXPECT_EQ(lines[6], " Customer:" + std::string(8, ' ') + "Stadtwerke M\xFCnster GmbH &   Date:" +
                            std::string(13, ' ') + kToday);
    EXPECT_EQ(Trim(lines[37].substr(55, 10)) + textAt(modnrvPrintResults(), 7704, 12024), "ErrorError");
}

}  // namespace
}  // namespace quorin::test
