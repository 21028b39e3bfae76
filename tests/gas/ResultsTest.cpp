#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Results : public CoreTest {
protected:
    // The screen's texts of the results of a Find Meter; `view` keeps the
    // results themselves.
    GasResultsScreen findMeter() {
        modGasSelection();
        return shown();
    }
    GasResultsScreen shown() {
        view = modGasResults();
        return gasResultsScreen(view, "12/6/2026");
    }
    static Lines notesOnly(const GasResultsScreen& v) {
        Lines notes;
        for (const std::string& line : v.errors)
            if (line.rfind("**", 0) == 0) notes.push_back(line);
        return notes;
    }
    GasResultsView view;
};

const std::string kCubed = kSup3;

// Meters, ranges, notes and warnings of the worked cases are checked on the
// screen; here the texts of the other boxes.
TEST_F(Results, WaferCaseShowsTheEnteredAndConvertedValues) {
    airAt(100, 70, 2.067f, 100);
    const GasResultsScreen v = findMeter();
    EXPECT_EQ(v.date, "12/6/2026");
    EXPECT_EQ(v.meters, Lines{"QWG20"});
    EXPECT_EQ((Lines{v.minUnit, v.maxUnit, v.flowRate, v.flows[0]}), (Lines{"ACFM", "ACFM", " 100  ACFM", "100.00"}));
    EXPECT_EQ(v.density, "0.5845  lbs/ft" + kCubed);
    EXPECT_EQ((Lines{v.pressIn, v.pressPsia, v.pressPsig, v.atmoPressIn, v.atmoPressPsia}),
              (Lines{"100  psig", "114.696  PSIA", "", "14.696  psia", ""}));
    EXPECT_EQ((Lines{v.custTemp, v.tempF, v.tempC, v.tempR}), (Lines{"70.0  F", "", "21.11  C", "529.67  R"}));
    EXPECT_EQ((Lines{v.pressRef, v.tempRef, v.tempRefF}), (Lines{"14.696  psia", "60.0  F", ""}));
    EXPECT_EQ(v.media, "AIR");
    EXPECT_FALSE(v.otherNameVisible);
    EXPECT_EQ(v.cuMtrHrLabel, "Flow in m" + kCubed + "/hr:");
    EXPECT_EQ(v.nmCuMtrHrLabel, "Flow in Nm" + kCubed + "/hr:");
    airAt(100, 70, 6, 1600);
    const GasResultsScreen six = findMeter();
    EXPECT_EQ((Lines{six.pipeSize, six.pipeSizeIn, six.pipeSizeMM, six.areaSqFt}),
              (Lines{"6  Inches", "", "152.4  Millimeters", "0.1963  Area Square Feet"}));
}

TEST_F(Results, WarningComparesWithTheShownRangesNotTheExactOnes) {
    // 250 psig: the range maximum is 112.3... ACFM, shown with two decimals.
    airAt(250, 70, 2.067f, 20);
    const GasResultsScreen v = findMeter();
    ASSERT_EQ(v.meters.size(), 1u);
    const double lo = 5, hi = std::stod(v.flowHi[0]);
    EXPECT_EQ(v.flowHi[0], Format(shared().MaxFlowUser[4], "0.0#"));
    EXPECT_EQ(v.errors.size(), 20 < lo + 0.15 * (hi - lo) ? 2u : 0u);
}

// Each note beeps and raises its flag (FlowRangeFlag, PressRangeFlag,
// TempRangeFlag, ReyRangeFlag as "0100"); the view reports the same flags.
TEST_F(Results, RangeNotesAreAddedWithTheirFlagsAndBeeps) {
    const struct { float psig, degF, pipeIn, flow, refDegF, atmoPsia; Lines notes; std::string flags; } rows[] = {
        {250, 70, 2.067f, 100, 60, 14.696f, {}, "0000"},
        {250.1f, 70, 2.067f, 100, 60, 14.696f, {"**Pressure out of range"}, "0100"},
        {100, 70, 0.75f, 100, 60, 14.696f, {"**No meters fit parameters"}, "0000"},
        {100, 70, 2.067f, 100, 32, 14.696f, {}, "0000"},
        {100, 70, 2.067f, 100, 104, 14.696f, {"**Reference Temperature out of range"}, "0000"},
        {100, 70, 2.067f, 100, 60, 9, {"**Atmo Press out of range"}, "0000"},
        {100, 366, 2.067f, 100, 60, 14.696f, {}, "0000"},
        {100, 367, 2.067f, 100, 60, 14.696f, {"**Temperature out of range"}, "0010"},
        {100, 70, 6, 20, 60, 14.696f, {"**QNG Flow out of range"}, "1000"},  // below the insertion minimum
        {250, 70, 2.067f, 200, 60, 14.696f, {"**Reynolds Number out of range (178096.8)"}, "0001"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.psig << " psig, " << r.degF << " F, " << r.pipeIn << " in, "
                                          << r.flow << " ACFM, ref " << r.refDegF << " F, atmo " << r.atmoPsia);
        airAt(r.psig, r.degF, r.pipeIn, r.flow);
        auto& S = shared();
        S.TempRefIn = r.refDegF;
        S.AtmoPressIn = r.atmoPsia;
        recompute();
        const GasResultsScreen v = findMeter();
        EXPECT_EQ(notesOnly(v), r.notes);
        EXPECT_EQ(view.beeps, int(r.notes.size()));
        const std::string viewFlags = {char('0' + view.flowOutOfRange), char('0' + view.pressOutOfRange),
                                       char('0' + view.tempOutOfRange), char('0' + view.reynoldsOutOfRange)};
        EXPECT_EQ(viewFlags, r.flags);
        // Computing the view writes nothing; storing it keeps the flags.
        EXPECT_EQ(S.FlowRangeFlag + S.PressRangeFlag + S.TempRangeFlag + S.ReyRangeFlag, 0);
        storeGasResults(view);
        const std::string flags = std::to_string(S.FlowRangeFlag) + std::to_string(S.PressRangeFlag) +
                                  std::to_string(S.TempRangeFlag) + std::to_string(S.ReyRangeFlag);
        EXPECT_EQ(flags, r.flags);
    }
}

TEST_F(Results, ReferenceConditionsOfCelsiusAndPressure) {
    airAt(100, 70, 2.067f, 100);
    auto& S = shared();
    S.TempRefIn = 40;
    S.TempRefUnitIn = "deg C";
    S.PressRefIn = 25;
    recompute();
    const GasResultsScreen v = findMeter();
    EXPECT_EQ(notesOnly(v), (Lines{"**Reference Pressure out of range",
                                   "**Reference Temperature out of range"}));
    EXPECT_EQ(v.tempRef, "40.0  C");
    EXPECT_EQ(v.tempRefF, "104.0  F");
}

TEST_F(Results, ReynoldsCeilingOfHalfInchAndOtherBodies) {
    const struct { const char* code; int slot; bool noted; } rows[] = {
        {"QWG05", 1, true}, {"QWBG05", 1, true}, {"QWS05", 1, true},
        {"QWG10", 3, false}, {"QNS", 9, false}};
    for (const auto& r : rows) {
        airAt(100, 70, 2.067f, 100);
        auto& S = shared();
        for (auto& m : S.MeterModel) m = "NONE";
        S.MeterModel[r.slot] = r.code;
        S.MinFlowUser[r.slot - 1] = 1;
        S.MaxFlowUser[r.slot - 1] = 1000;
        S.OperReynolds[r.slot - 1] = 60000;
        const GasResultsScreen v = shown();
        const Lines expected =
            r.noted ? Lines{"**Reynolds Number out of range (60000)"} : Lines{};
        EXPECT_EQ(notesOnly(v), expected) << r.code;
        EXPECT_EQ(view.reynoldsOutOfRange, r.noted) << r.code;
        EXPECT_FALSE(view.flowOutOfRange || view.pressOutOfRange || view.tempOutOfRange) << r.code;
    }
}

TEST_F(Results, UnitTextsOfTheEntries) {
    airAt(2, 21.1f, 150, 1000, "m^3/Hr");
    auto& S = shared();
    S.PressUnitIn = "Kg/cm^2 G";
    S.TempUnitIn = "deg C";
    S.PipeUnitIn = "MILLIMETERS";
    S.AtmoPressIn = 1.03323f;
    S.AtmoPressUnitIn = "Kg/cm^2 A";
    S.PressRefUnitIn = "Kg/cm^2 A";
    S.PressRefIn = 1.03323f;
    recompute();
    GasResultsScreen v = findMeter();
    EXPECT_EQ(v.flowRate, " 1000  m" + kCubed + "/hr");
    EXPECT_EQ(v.minUnit, "m" + kCubed + "/hr");
    EXPECT_EQ(v.pressIn, "2  kg/cm" + std::string(kSup2) + " G");
    EXPECT_EQ(v.atmoPressIn, "1.033  kg/cm" + std::string(kSup2) + " A");
    EXPECT_EQ(v.pressRef, "1.033  kg/cm" + std::string(kSup2) + "A");
    EXPECT_EQ(v.pipeSize, "150  Millimeters");
    EXPECT_EQ(v.pipeSizeMM, "");
    EXPECT_EQ(v.pipeSizeIn, "5.9  Inches");
    EXPECT_EQ(v.custTemp, "21.1  C");
    EXPECT_EQ(v.tempC, "");

    S.FlowUnitIn = "Nm^3/Hr";
    modAcfmCalc();
    v = findMeter();
    EXPECT_EQ(v.flowRate, " 1000  Nm" + kCubed + "/hr");
    S.FlowUnitIn = "Metric Tons/Hr";
    v = shown();
    EXPECT_EQ(v.maxUnit, "T/Hr");
    S.PipeUnitIn = "Square Feet";
    S.PipeSizeIn = 0.19635f;
    modPipeSize();
    v = shown();
    EXPECT_EQ(v.pipeSize, "0.19635  Square Feet");
    EXPECT_EQ(v.areaSqFt, "");
    EXPECT_EQ(v.pipeSizeIn, "6.0  Inches");
}

TEST_F(Results, ANonFiniteFlowShowsErrorInEveryFlowBox) {
    airAt(100, 70, 6, 3600, "lbs/Hr");
    shared().DensityLbFt3 = 0;
    modAcfmCalc();
    const GasResultsScreen v = findMeter();
    for (const std::string& f : v.flows) EXPECT_EQ(f, "Error");
    EXPECT_EQ(notesOnly(v), Lines{"**No meters fit parameters"});
    for (float minimum : shared().MinFlowUser) EXPECT_EQ(minimum, 0);
}

TEST_F(Results, TheCustomGasNameIsShownForOther) {
    airAt(100, 70, 2.067f, 100);
    shared().MediaIn = "OTHER";
    shared().OtherMediaName = "Special Gas";
    const GasResultsScreen v = findMeter();
    EXPECT_TRUE(v.otherNameVisible);
    EXPECT_EQ(v.otherName, "Special Gas");
    EXPECT_EQ(v.media, "OTHER");
}

}  // namespace
}  // namespace quorin::test
