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
        modGasSelection();
    }
    static void gasMetric() {
        loadGasDefaults();
        airAt(6.9f, 20, 52.5f, 170, "m^3/Hr");
        auto& S = shared();
        S.CustomerIn = "Stadtwerke Musterhausen GmbH & Co. KG";  // cut to 25 characters
        S.TagNoIn = "FT-101";
        S.PipeUnitIn = "MILLIMETERS";
        S.PressUnitIn = "BAR G";
        S.AtmoPressIn = 1.01325f;
        S.AtmoPressUnitIn = "BAR A";
        S.PressRefIn = 101.325f;
        S.PressRefUnitIn = "KPa A";
        S.TempUnitIn = S.TempRefUnitIn = "deg C";
        S.TempRefIn = 0;
        S.MediaIn = "NITROGEN";
        recompute();
        modGasSelection();
    }
    static void liquidCase(float flow, float pipe, const char* pipeUnit = "INCHES",
                           const char* flowUnit = "GPM") {
        water(flow, pipe, flowUnit, 1, "centipoise", 70, pipeUnit);
        modLqdSelection();
    }
    static std::string gasText() { return gasResultsText(modGasResults(), kToday); }
    static std::string liquidText() { return liquidResultsText(modLqdResults(), kToday); }
};

// Each worked case saved as its results file. The gas file writes carets, the
// liquid file the single bytes of the superscripts; neither holds UTF-8.
TEST_F(ResultsText, WorkedCasesSaveTheExpectedFile) {
    const struct { const char* file; std::function<void()> setUp; } cases[] = {
        {"gas-wafer.txt", [] { gasCase(100, 2.067f, 100); }},
        {"gas-insertion.txt", [] { gasCase(100, 6, 1600); }},
        {"gas-250psig.txt", [] { gasCase(250.1f, 2.067f, 100); }},
        {"gas-metric.txt", gasMetric},
        {"liquid-500gpm.txt", [] { liquidCase(500, 6); }},
        {"liquid-20gpm.txt", [] { liquidCase(20, 1.049f); }},
        {"liquid-millimetres.txt", [] {
             liquidCase(75.7f, 26.645f, "MILLIMETERS", "LPM");
             shared().TempIn = 20;
             shared().TempUnitIn = "deg C";
             shared().MediaIn = "Glycol/Water 30%";
             modLqdRecalc();
             modLqdSelection();
         }}};
    makeDir();
    for (const auto& c : cases) {
        c.setUp();
        shared().ResultsFileName = shared().LqdResultsFileName = (dir / c.file).string();
        const bool gas = std::string(c.file).rfind("gas", 0) == 0;
        ASSERT_FALSE(gas ? modSaveResults(modGasResults(), kToday)
                         : modLqdSaveResults(modLqdResults(), kToday));
        const std::string expected = readFile(kData / c.file);
        ASSERT_FALSE(expected.empty()) << kData / c.file;
        EXPECT_EQ(readFile(dir / c.file), expected) << c.file;
    }
}

// Each remark the flags set, in their order (gas-250psig.txt shows a flag
// left false printing nothing); a custom gas by its name.
TEST_F(ResultsText, RemarksFollowTheFlagsInTheirOrder) {
    gasCase(100, 2.067f, 100);
    shared().MediaIn = "OTHER";
    shared().OtherMediaName = "Freon 22";
    GasResultsView view = modGasResults();
    view.flowOutOfRange = view.tempOutOfRange = view.pressOutOfRange = view.reynoldsOutOfRange = true;
    const Lines lines = split(gasResultsText(view, kToday));
    EXPECT_EQ(lines[6].substr(46), "Media:            Freon 22");
    const std::string at23(22, ' ');
    EXPECT_EQ(Lines(lines.end() - 5, lines.end()),
              (Lines{"", at23 + "Meter out of Flow Range", at23 + "Temperature is out of Range",
                     at23 + "Pressure is out of Range", at23 + "Reynolds is out of Range"}));
}

// The gas file keeps the unit after "Error"; in the liquid file every flow
// reads "Error" and the velocities stay.
TEST_F(ResultsText, ValuesThatAreNotFiniteReadError) {
    gasCase(100, 2.067f, 100);
    shared().FlowAcfm = std::numeric_limits<float>::infinity();
    shared().DensityLbFt3 = std::numeric_limits<double>::quiet_NaN();
    Lines lines = split(gasText());
    EXPECT_EQ(std::tuple(lines[7].substr(46), lines[13].substr(46)),
              std::tuple("Density:          Error  lbs/cuft", "Flow in ACFM:     Error"));
    liquidCase(500, 6);
    shared().LqdFlowGpm = std::numeric_limits<float>::quiet_NaN();
    lines = split(liquidText());
    Lines values;
    for (size_t k = 14; k < 23; ++k) values.push_back(lines[k].substr(64));
    EXPECT_EQ(values,
              (Lines{"Error", "Error", "Error", "Error", "5.67", "340.41", "1.73", "Error", "Error"}));
}

}  // namespace
}  // namespace quorin::test
