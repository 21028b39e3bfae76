// The gas/steam entries' rules: the operating-pressure check, the texts that
// replace a low pressure, the reference conditions of a flow unit, and the
// unit lists against the conversions that read them.
#include <functional>
#include <limits>

#include "gas/InputRules.h"
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using GasInputRules = CoreTest;

constexpr const char* kVacuumNote =
    "Please note:  You entered an operating pressure below the atmospheric pressure (vacuum "
    "conditions).";
constexpr const char* kInvalidPressure =
    "Error:  Invalid Pressure Value!\nPressure must be > 10 PSIA (0.69 BAR A).\n\nPlease note "
    "you entered a vacuum value for pressure.";
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// The 10-psia floor holds 10 itself; the vacuum note goes with an absolute
// pressure below the atmosphere; the reset text follows the entered unit.
TEST_F(GasInputRules, PressureCheckBoundariesNotesAndResetTexts) {
    using O = PressureOutcome;
    const struct {
        float psia, atmo;
        const char* unit;
        O outcome;
        const char* message;
        const char* reset;
    } rows[] = {
        {10, 14.696f, "PSIA", O::BelowAtmosphere, kVacuumNote, nullptr},
        {std::nextafter(10.0f, 0.0f), 14.696f, "PSIA", O::Refused, kInvalidPressure, "14.696"},
        {9.7f, 14.696f, "PSIG", O::Refused, kInvalidPressure, "0"},
        {7.25f, 14.696f, "BAR A", O::Refused, kInvalidPressure, "1"},
        {7.25f, 14.696f, "bar a", O::Refused, kInvalidPressure, "1"},
        {5, 14.696f, "psia", O::Refused, kInvalidPressure, "14.696"},
        {5, 14.696f, "KPa G", O::Refused, kInvalidPressure, "0"},
        {-20, 14.696f, "Kg/cm^2 G", O::Refused, kInvalidPressure, "0"},
        {14.696f, 14.696f, "PSIA", O::Accepted, nullptr, nullptr},
        {12, 11, "PSIA", O::Accepted, nullptr, nullptr},
        {19.696f, 14.696f, "PSIG", O::Accepted, nullptr, nullptr},
        {kNaN, 14.696f, "PSIA", O::NotANumber, nullptr, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.psia << " psia, " << r.unit);
        const PressureCheck c = checkOperatingPressure(r.psia, r.atmo, r.unit);
        EXPECT_EQ(c.outcome, r.outcome);
        EXPECT_STREQ(c.message, r.message);
        EXPECT_STREQ(c.resetText, r.reset);
    }
}

// Enter lifts a PSIA value below 10 only; a click on the unit also lifts a
// BAR A value below 0.69.
TEST_F(GasInputRules, TextsThatLiftALowPressureOnEnterAndOnAUnitClick) {
    const struct {
        const char* unit;
        float value;
        const char* onEnter;
        const char* onUnit;
    } rows[] = {
        {"PSIA", 9.99f, "14.696", "14.696"}, {"psia", 0, "14.696", "14.696"},
        {"PSIA", 10, nullptr, nullptr},      {"BAR A", 0.5f, nullptr, "1"},
        {"Bar A", 0.68f, nullptr, "1"},      {"BAR A", 0.69f, nullptr, nullptr},
        {"PSIG", -5, nullptr, nullptr},      {"KPa G", 0, nullptr, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.value << " " << r.unit);
        EXPECT_STREQ(pressureTextOnEnter(r.unit, r.value), r.onEnter);
        EXPECT_STREQ(pressureTextOnUnit(r.unit, r.value), r.onUnit);
    }
}

// Normal cubic metres per hour refer to 14.696 psia and 32 deg F (491.67
// deg R); every other unit, normal cubic metres per day too, keeps the
// user's 15 BAR A and 50 deg C.
TEST_F(GasInputRules, NormalCubicMetresPerHourBringTheirReference) {
    auto& S = shared();
    const struct {
        const char* flowUnit;
        bool normal;
    } rows[] = {{"Nm^3/Hr", true}, {"NM^3/HR", true}, {"Nm^3/Day", false}, {"SCFM", false},
                {"m^3/Hr", false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.flowUnit);
        airAt(0, 70, 6, 100, r.flowUnit);
        S.PressRefIn = 15, S.PressRefUnitIn = "BAR A", S.TempRefIn = 50, S.TempRefUnitIn = "deg C";
        modPressureRef();
        modTemperatureRef();
        modFlowUnitRef();
        if (r.normal) {
            EXPECT_EQ(std::tuple(S.PressRefIn, S.PressRefUnitIn, S.TempRefIn, S.TempRefUnitIn),
                      std::tuple(14.696f, "PSIA", 32.0f, "deg F"));
            EXPECT_EQ(std::tuple(S.PressRefPsia, S.TempRefDegR), std::tuple(14.696f, 491.67f));
        } else {
            EXPECT_EQ(std::tuple(S.PressRefIn, S.PressRefUnitIn, S.TempRefIn, S.TempRefUnitIn),
                      std::tuple(15.0f, "BAR A", 50.0f, "deg C"));
            EXPECT_EQ(Format(S.PressRefPsia, "0.000"), "217.559");  // 15 x 14.5039
            EXPECT_EQ(S.TempRefDegR, 581.67f);
        }
    }
}

// Every unit a list offers is one its conversion knows: the result the
// conversion leaves unchanged for an unknown unit is written.
TEST_F(GasInputRules, EveryListedUnitIsOneItsConversionKnows) {
    auto& S = shared();
    using Run = std::function<double(const std::string&)>;
    const std::pair<const std::vector<std::string>&, Run> lists[] = {
        {gasFlowUnits(),
         [&S](const std::string& u) { S.FlowUnitIn = u, S.FlowAcfm = kNaN, modAcfmCalc(); return S.FlowAcfm; }},
        {pipeUnits(),
         [&S](const std::string& u) { S.PipeUnitIn = u, S.PipeIdIn = kNaN, modPipeSize(); return S.PipeIdIn; }},
        {pressUnits(),
         [&S](const std::string& u) { S.PressUnitIn = u, S.PressPsia = kNaN, modPressure(); return S.PressPsia; }},
        {absolutePressUnits(),
         [&S](const std::string& u) {
             S.AtmoPressUnitIn = S.PressRefUnitIn = u, S.AtmoPressPsia = S.PressRefPsia = kNaN;
             modAtmoPress(), modPressureRef();
             return S.AtmoPressPsia + S.PressRefPsia;
         }},
        {tempUnits(),
         [&S](const std::string& u) {
             S.TempUnitIn = S.TempRefUnitIn = u, S.TempDegR = S.TempRefDegR = kNaN;
             modTemperature(), modTemperatureRef();
             return S.TempDegR + S.TempRefDegR;
         }},
        {otherDensUnits(),
         [&S](const std::string& u) {
             S.OtherDensUnit = u, S.OtherDensIn = 1, S.DensityLbFt3 = kNaN, modOtherDensCalc();
             return S.DensityLbFt3;
         }},
        {otherViscUnits(),
         [&S](const std::string& u) {
             S.OtherViscUnit = u, S.OtherViscIn = 1, S.ViscCp = kNaN, modOtherViscCalc();
             return S.ViscCp;
         }},
    };
    for (const auto& [units, run] : lists) {
        ASSERT_FALSE(units.empty());
        for (const std::string& unit : units) {
            airAt(100, 70, 6, 100);
            EXPECT_TRUE(std::isfinite(run(unit))) << unit;
        }
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace quorin::test
