#include <limits>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

const std::string kToday = "12-06-2026";
const fs::path kData = fs::path(__FILE__).parent_path() / "data";


TEST(PrintWriter, TabMovesToItsColumnOrToThatColumnOfTheNextLine) {
    PrintWriter p;
    p.tab(3).text("ab").tab(5).text("c").tab(6).text("d").tab(2).text("e").endLine();
    p.text(std::string(kDeg) + "F").tab(4).text("x").tab(0).text("y").endLine();
    EXPECT_EQ(p.bytes(), "  abcd\r\n e\r\n\xB0" "F x\r\ny\r\n");
}

class ResultsText : public CoreTest {
protected:
    static void gasCase(float psig, float pipeIn, float flow) {
        loadGasDefaults();
        airAt(psig, 70, pipeIn, flow);
        findGasMeter();
    }
    static void gasMetric() {
        loadGasDefaults();
        auto& S = shared();
        S.CustomerIn = "Stadtwerke Musterhausen GmbH & Co. KG";  // cut to 25 characters
        S.TagNoIn = "FT-101";
        S.PipeSizeIn = 52.5f, S.PipeUnitIn = "MILLIMETERS";
        S.PressIn = 6.9f, S.PressUnitIn = "BAR G";
        S.AtmoPressIn = 1.01325f, S.AtmoPressUnitIn = "BAR A";
        S.PressRefIn = 101.325f, S.PressRefUnitIn = "KPa A";
        S.TempIn = 20, S.TempUnitIn = "deg C";
        S.TempRefIn = 0, S.TempRefUnitIn = "deg C";
        S.FlowRateIn = 170, S.FlowUnitIn = "m^3/Hr";
        S.MediaIn = "NITROGEN";
        recompute();
        findGasMeter();
    }
    static void liquidCase(float flow, float pipe, const char* pipeUnit = "INCHES", const char* flowUnit = "GPM") {
        water(flow, pipe, flowUnit, 1, "centipoise", 70, pipeUnit);
        modLqdSelection();
    }
    static void findGasMeter() { modGasSelection(); }
    static std::string gasText() { return gasResultsText(modGasResults(), kToday); }
    static std::string liquidText() { return liquidResultsText(modLqdResults(), kToday); }
};

// The gas file writes carets, the liquid file the single bytes of the
// superscripts; neither holds UTF-8.
TEST_F(ResultsText, WorkedCasesWriteTheExpectedFileLineByLine) {
    const struct { const char* file; std::function<void()> setUp; } cases[] = {
        {"gas-wafer.txt", [] { gasCase(100, 2.067f, 100); }},
        {"gas-insertion.txt", [] { gasCase(100, 6, 1600); }},
        {"gas-250psig.txt", [] { gasCase(250.1f, 2.067f, 100); }},
        {"gas-metric.txt", gasMetric},
        {"liquid-500gpm.txt", [] { liquidCase(500, 6); }},
        {"liquid-20gpm.txt", [] { liquidCase(20, 1.049f); }},
        {"liquid-millimetres.txt", [] {
             liquidCase(75.7f, 26.645f, "MILLIMETERS", "LPM");
             auto& S = shared();
             S.TempIn = 20, S.TempUnitIn = "deg C", S.MediaIn = "Glycol/Water 30%";
             modLqdRecalc();
             modLqdSelection();
         }}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        c.setUp();
        const bool gas = std::string(c.file).rfind("gas", 0) == 0;
        const std::string text = gas ? gasText() : liquidText();
        const std::string expected = readFile(kData / c.file);
        ASSERT_FALSE(expected.empty()) << kData / c.file;
        const Lines got = split(text), want = split(expected);
        for (size_t k = 0; k < std::max(got.size(), want.size()); ++k)
            EXPECT_EQ(k < got.size() ? got[k] : "<none>", k < want.size() ? want[k] : "<none>") << "line " << k + 1;
        EXPECT_EQ(text, expected);  // CR LF included
        EXPECT_NE(text.find(gas ? "  Area Ft^2\r\n" : "  Area Ft\xB2\r\n"), std::string::npos);
        EXPECT_NE(text.find(gas ? "Flow in m^3/hr:" : "Flow in m\xB3/hr:"), std::string::npos);
        EXPECT_EQ(text.find('\xC2'), std::string::npos);
    }
}

TEST_F(ResultsText, RemarksFollowTheFlagsInTheirOrder) {
    gasCase(100, 2.067f, 100);
    auto& S = shared();
    S.MediaIn = "OTHER";
    S.OtherMediaName = "Freon 22";
    GasResultsView view = modGasResults();
    view.flowOutOfRange = view.tempOutOfRange = view.pressOutOfRange = view.reynoldsOutOfRange = true;
    Lines lines = split(gasResultsText(view, kToday));
    EXPECT_EQ(lines[6].substr(46), "Media:            Freon 22");
    const std::string at23(22, ' ');
    EXPECT_EQ(Lines(lines.end() - 5, lines.end()),
              (Lines{"", at23 + "Meter out of Flow Range", at23 + "Temperature is out of Range",
                     at23 + "Pressure is out of Range", at23 + "Reynolds is out of Range"}));
    view.flowOutOfRange = view.pressOutOfRange = false;
    lines = split(gasResultsText(view, kToday));
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
              (Lines{"", at23 + "Temperature is out of Range", at23 + "Reynolds is out of Range"}));
}

TEST_F(ResultsText, ValuesThatAreNotFiniteReadError) {
    const float inf = std::numeric_limits<float>::infinity();
    gasCase(100, 2.067f, 100);
    shared().FlowAcfm = inf;
    shared().DensityLbFt3 = std::numeric_limits<double>::quiet_NaN();
    Lines lines = split(gasText());
    EXPECT_EQ(lines[7].substr(46), "Density:          Error  lbs/cuft");
    EXPECT_EQ(lines[13].substr(46), "Flow in ACFM:     Error");

    liquidCase(500, 6);
    shared().LqdFlowGpm = std::numeric_limits<float>::quiet_NaN();
    lines = split(liquidText());
    // Every flow reads "Error", the velocities stay.
    const Lines values = {"Error", "Error", "Error", "Error", "5.67", "340.41", "1.73", "Error", "Error"};
    for (size_t k = 0; k < values.size(); ++k) EXPECT_EQ(lines[14 + k].substr(64), values[k]);
}

TEST_F(ResultsText, SavingWritesTheReportToItsFile) {
    makeDir();
    auto& S = shared();
    gasCase(100, 6, 1600);
    S.ResultsFileName = (dir / "Quorin Vortex.txt").string();
    EXPECT_FALSE(modSaveResults(modGasResults(), kToday));
    EXPECT_EQ(readFile(dir / "Quorin Vortex.txt"), gasText());
    liquidCase(20, 1.049f);
    S.LqdResultsFileName = (dir / "liquid.txt").string();
    EXPECT_FALSE(modLqdSaveResults(modLqdResults(), kToday));
    EXPECT_EQ(readFile(dir / "liquid.txt"), liquidText());
    S.LqdResultsFileName = (dir / "missing" / "liquid.txt").string();
    EXPECT_EQ(modLqdSaveResults(modLqdResults(), kToday).number, 76);
}

}  // namespace
}  // namespace quorin::test
