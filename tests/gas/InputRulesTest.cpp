// The gas/steam entries' rules: the operating-pressure check, the texts that
// replace a low pressure, the reference conditions of a flow unit, and the
// unit lists against the conversions that read them.
#include <limits>

#include "gas/InputRules.h"
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using GasInputRules = CoreTest;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// The 10-psia floor holds 10 itself; the vacuum note goes with an absolute
// pressure below the atmosphere; the reset text follows the entered unit.
// (The texts of the note and the error are checked where the screen shows
// them.)
TEST_F(GasInputRules, PressureCheckBoundariesNotesAndResetTexts) {
    using O = PressureOutcome;
    const struct { float psia; const char* unit; O outcome; const char* reset; } rows[] = {
        {10, "PSIA", O::BelowAtmosphere, "-"}, {std::nextafter(10.0f, 0.0f), "PSIA", O::Refused, "14.696"},
        {9.7f, "PSIG", O::Refused, "0"},  // -5 psig
        {7.25f, "bar a", O::Refused, "1"},     {14.696f, "PSIA", O::Accepted, "-"},
        {kNaN, "PSIA", O::NotANumber, "-"}};
    for (const auto& r : rows) {
        const PressureCheck c = checkOperatingPressure(r.psia, 14.696f, r.unit);
        EXPECT_EQ(std::tuple(c.outcome, c.message != nullptr, std::string(c.resetText ? c.resetText : "-")),
                  std::tuple(r.outcome, r.outcome == O::Refused || r.outcome == O::BelowAtmosphere, r.reset))
            << r.psia << " psia, " << r.unit;
    }
    const std::string refused = checkOperatingPressure(5, 14.696f, "PSIA").message;
    EXPECT_EQ(refused.rfind("Error:  Invalid Pressure", 0), 0u);
}

// Enter lifts a PSIA value below 10 only; a click on the unit also lifts a
// BAR A value below 0.69.
TEST_F(GasInputRules, TextsThatLiftALowPressureOnEnterAndOnAUnitClick) {
    const struct { const char* unit; float value; const char *onEnter, *onUnit; } rows[] = {
        {"psia", 9.99f, "14.696", "14.696"}, {"PSIA", 10, nullptr, nullptr}, {"Bar A", 0.68f, nullptr, "1"},
        {"BAR A", 0.69f, nullptr, nullptr},  {"PSIG", -5, nullptr, nullptr}};
    for (const auto& r : rows) {
        EXPECT_STREQ(pressureTextOnEnter(r.unit, r.value), r.onEnter) << r.value << " " << r.unit;
        EXPECT_STREQ(pressureTextOnUnit(r.unit, r.value), r.onUnit) << r.value << " " << r.unit;
    }
}

// Normal cubic metres per hour refer to 14.696 psia and 32 deg F (491.67
// deg R); every other unit, normal cubic metres per day too, keeps the
// user's 15 BAR A (217.559 psia by hand) and 50 deg C (581.67 deg R).
TEST_F(GasInputRules, NormalCubicMetresPerHourBringTheirReference) {
    auto& S = shared();
    for (const auto& [flowUnit, normal] : {std::pair("NM^3/HR", true), std::pair("Nm^3/Day", false)}) {
        airAt(0, 70, 6, 100, flowUnit);
        S.PressRefIn = 15;
        S.PressRefUnitIn = "BAR A";
        S.TempRefIn = 50;
        S.TempRefUnitIn = "deg C";
        recompute();
        modFlowUnitRef();
        EXPECT_EQ(std::tuple(S.PressRefIn, S.PressRefUnitIn, S.TempRefIn, S.TempRefUnitIn,
                             Format(S.PressRefPsia, "0.000"), S.TempRefDegR),
                  normal ? std::tuple(14.696f, "PSIA", 32.0f, "deg F", "14.696", 491.67f)
                         : std::tuple(15.0f, "BAR A", 50.0f, "deg C", "217.559", 581.67f)) << flowUnit;
    }
}

// Every unit a list offers is one its conversion knows (air at 100 psig and
// 70 deg F, 100 ACFM in a 6 in line, the units of each list in turn).
TEST_F(GasInputRules, EveryListedUnitIsOneItsConversionKnows) {
    airAt(100, 70, 6, 100);
    auto& S = shared();
    S.OtherDensIn = S.OtherViscIn = 1;
    expectEveryUnitKnown(gasFlowUnits(), S.FlowUnitIn, modAcfmCalc, S.FlowAcfm);
    expectEveryUnitKnown(pipeUnits(), S.PipeUnitIn, modPipeSize, S.PipeIdIn);
    expectEveryUnitKnown(pressUnits(), S.PressUnitIn, modPressure, S.PressPsia);
    expectEveryUnitKnown(absolutePressUnits(), S.AtmoPressUnitIn, modAtmoPress, S.AtmoPressPsia);
    expectEveryUnitKnown(absolutePressUnits(), S.PressRefUnitIn, modPressureRef, S.PressRefPsia);
    expectEveryUnitKnown(tempUnits(), S.TempUnitIn, modTemperature, S.TempDegR);
    expectEveryUnitKnown(tempUnits(), S.TempRefUnitIn, modTemperatureRef, S.TempRefDegR);
    expectEveryUnitKnown(otherDensUnits(), S.OtherDensUnit, modOtherDensCalc, S.DensityLbFt3);
    expectEveryUnitKnown(otherViscUnits(), S.OtherViscUnit, modOtherViscCalc, S.ViscCp);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace quorin::test
