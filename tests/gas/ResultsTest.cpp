#include <ostream>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Results : public CoreTest {
protected:
    static GasResultsView findMeter() {
        modGasSelection();
        return modGasResults("12/6/2026");
    }
    static Lines notesOnly(const GasResultsView& v) {
        Lines notes;
        for (const std::string& line : v.errors)
            if (line.rfind("**", 0) == 0) notes.push_back(line);
        return notes;
    }
};

const std::string kCubed = kSup3;

TEST_F(Results, WaferCaseShowsTheMeterItsRangeAndNoNotes) {
    airAt(100, 70, 2.067f, 100);
    const GasResultsView v = findMeter();
    EXPECT_EQ(v.date, "12/6/2026");
    EXPECT_EQ(v.meters, Lines{"QWG20"});
    EXPECT_EQ(v.flowLow, Lines{"5.0"});
    EXPECT_EQ(v.flowHi, Lines{"200.0"});
    EXPECT_EQ(v.minUnit, "ACFM");
    EXPECT_TRUE(v.errors.empty());
    EXPECT_EQ(v.beeps, 0);
    EXPECT_EQ(v.flowRate, " 100  ACFM");
    EXPECT_EQ(v.flows[0], "100.00");
    EXPECT_EQ(v.density, "0.5845  lbs/ft" + kCubed);
    EXPECT_EQ(v.pressIn, "100  psig");
    EXPECT_EQ(v.pressPsia, "114.696  PSIA");
    EXPECT_EQ(v.pressPsig, "");
    EXPECT_EQ(v.atmoPressIn, "14.696  psia");
    EXPECT_EQ(v.atmoPressPsia, "");
    EXPECT_EQ(v.custTemp, "70.0  F");
    EXPECT_EQ(v.tempF, "");
    EXPECT_EQ(v.tempC, "21.11  C");
    EXPECT_EQ(v.tempR, "529.67  R");
    EXPECT_EQ(v.pressRef, "14.696  psia");
    EXPECT_EQ(v.tempRef, "60.0  F");
    EXPECT_EQ(v.tempRefF, "");
    EXPECT_EQ(v.media, "AIR");
    EXPECT_FALSE(v.otherNameVisible);
    EXPECT_EQ(v.cuMtrHrLabel, "Flow in m" + kCubed + "/hr:");
    EXPECT_EQ(v.nmCuMtrHrLabel, "Flow in Nm" + kCubed + "/hr:");
}

TEST_F(Results, InsertionCaseRangesAreFormatted) {
    airAt(100, 70, 6, 1600);
    const GasResultsView v = findMeter();
    EXPECT_EQ(v.meters, (Lines{"QNG", "QNS"}));
    EXPECT_EQ(v.flowLow, (Lines{"23.56", "54.39"}));
    EXPECT_EQ(v.flowHi, (Lines{"1649.34", "2179.48"}));
    EXPECT_TRUE(v.errors.empty());
    EXPECT_EQ(v.pipeSize, "6  Inches");
    EXPECT_EQ(v.pipeSizeIn, "");
    EXPECT_EQ(v.pipeSizeMM, "152.4  Millimeters");
    EXPECT_EQ(v.areaSqFt, "0.1963  Area Square Feet");
}

// The lower-15 % warning at and just below its threshold is checked on the
// screen.
TEST_F(Results, WarningComparesWithTheShownRangesNotTheExactOnes) {
    // 250 psig: the range maximum is 112.3... ACFM, shown with two decimals.
    airAt(250, 70, 2.067f, 20);
    const GasResultsView v = findMeter();
    ASSERT_EQ(v.meters.size(), 1u);
    const double lo = 5, hi = std::stod(v.flowHi[0]);
    EXPECT_EQ(v.flowHi[0], Format(shared().MaxFlowUser[4], "0.0#"));
    EXPECT_EQ(v.errors.size(), 20 < lo + 0.15 * (hi - lo) ? 2u : 0u);
}

struct NoteCase {
    const char* name;
    float psig, degF, pipeIn, flow;
    float refDegF, atmoPsia;
    Lines notes;
    int16_t flow_, press, temp, rey = 0;
};

std::ostream& operator<<(std::ostream& os, const NoteCase& c) { return os << c.name; }

class RangeNotes : public Results, public ::testing::WithParamInterface<NoteCase> {};

TEST_P(RangeNotes, AreAddedWithTheirFlagsAndBeeps) {
    const NoteCase& c = GetParam();
    airAt(c.psig, c.degF, c.pipeIn, c.flow);
    auto& S = shared();
    S.TempRefIn = c.refDegF;
    S.AtmoPressIn = c.atmoPsia;
    recompute();
    const GasResultsView v = findMeter();
    EXPECT_EQ(notesOnly(v), c.notes);
    EXPECT_EQ(v.beeps, int(c.notes.size()));
    EXPECT_EQ(S.FlowRangeFlag, c.flow_);
    EXPECT_EQ(S.PressRangeFlag, c.press);
    EXPECT_EQ(S.TempRangeFlag, c.temp);
    EXPECT_EQ(S.ReyRangeFlag, c.rey);
    // The view reports the same four flags.
    EXPECT_EQ(v.flowOutOfRange, c.flow_ == 1);
    EXPECT_EQ(v.pressOutOfRange, c.press == 1);
    EXPECT_EQ(v.tempOutOfRange, c.temp == 1);
    EXPECT_EQ(v.reynoldsOutOfRange, c.rey == 1);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, RangeNotes,
    ::testing::Values(
        NoteCase{"Pressure250", 250, 70, 2.067f, 100, 60, 14.696f, {}, 0, 0, 0},
        NoteCase{"Pressure250Point1", 250.1f, 70, 2.067f, 100, 60, 14.696f,
                 {"**Pressure out of range"}, 0, 1, 0},
        NoteCase{"NoMeterFits", 100, 70, 0.75f, 100, 60, 14.696f,
                 {"**No meters fit parameters"}, 0, 0, 0},
        NoteCase{"ReferenceAtFreezing", 100, 70, 2.067f, 100, 32, 14.696f, {}, 0, 0, 0},
        NoteCase{"ReferenceAt104F", 100, 70, 2.067f, 100, 104, 14.696f,
                 {"**Reference Temperature out of range"}, 0, 0, 0},
        NoteCase{"AtmosphereAt9", 100, 70, 2.067f, 100, 60, 9,
                 {"**Atmo Press out of range"}, 0, 0, 0},
        NoteCase{"Temperature366", 100, 366, 2.067f, 100, 60, 14.696f, {}, 0, 0, 0},
        NoteCase{"Temperature367", 100, 367, 2.067f, 100, 60, 14.696f,
                 {"**Temperature out of range"}, 0, 0, 1},
        NoteCase{"BelowTheGasInsertionMinimum", 100, 70, 6, 20, 60, 14.696f,
                 {"**QNG Flow out of range"}, 1, 0, 0},
        NoteCase{"ReynoldsAboveTheCeiling", 250, 70, 2.067f, 200, 60, 14.696f,
                 {"**Reynolds Number out of range (178096.8)"}, 0, 0, 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Results, ReferenceConditionsOfCelsiusAndPressure) {
    airAt(100, 70, 2.067f, 100);
    auto& S = shared();
    S.TempRefIn = 40;
    S.TempRefUnitIn = "deg C";
    S.PressRefIn = 25;
    recompute();
    const GasResultsView v = findMeter();
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
        S.ReyRangeFlag = 0;
        S.MeterModel[r.slot] = r.code;
        S.MinFlowUser[r.slot - 1] = 1;
        S.MaxFlowUser[r.slot - 1] = 1000;
        S.OperReynolds[r.slot - 1] = 60000;
        const GasResultsView v = modGasResults("");
        const Lines expected =
            r.noted ? Lines{"**Reynolds Number out of range (60000)"} : Lines{};
        EXPECT_EQ(notesOnly(v), expected) << r.code;
        EXPECT_EQ(S.ReyRangeFlag, r.noted ? 1 : 0) << r.code;
        EXPECT_EQ(v.reynoldsOutOfRange, r.noted) << r.code;
        EXPECT_FALSE(v.flowOutOfRange || v.pressOutOfRange || v.tempOutOfRange) << r.code;
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
    GasResultsView v = findMeter();
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
    v = modGasResults("");
    EXPECT_EQ(v.maxUnit, "T/Hr");
    S.PipeUnitIn = "Square Feet";
    S.PipeSizeIn = 0.19635f;
    modPipeSize();
    v = modGasResults("");
    EXPECT_EQ(v.pipeSize, "0.19635  Square Feet");
    EXPECT_EQ(v.areaSqFt, "");
    EXPECT_EQ(v.pipeSizeIn, "6.0  Inches");
}

TEST_F(Results, ANonFiniteFlowShowsErrorInEveryFlowBox) {
    airAt(100, 70, 6, 3600, "lbs/Hr");
    shared().DensityLbFt3 = 0;
    modAcfmCalc();
    const GasResultsView v = findMeter();
    for (const std::string& f : v.flows) EXPECT_EQ(f, "Error");
    EXPECT_EQ(notesOnly(v), Lines{"**No meters fit parameters"});
}

TEST_F(Results, TheCustomGasNameIsShownForOther) {
    airAt(100, 70, 2.067f, 100);
    shared().MediaIn = "OTHER";
    shared().OtherMediaName = "Special Gas";
    const GasResultsView v = findMeter();
    EXPECT_TRUE(v.otherNameVisible);
    EXPECT_EQ(v.otherName, "Special Gas");
    EXPECT_EQ(v.media, "OTHER");
}

}  // namespace
}  // namespace quorin::test
