#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Conditions : public CoreTest {};

// Hand computations with the program's factors to psi: bar 14.5039,
// kg/cm^2 14.2235, kPa 0.145038, inch of water 0.036127, torr 0.0193368;
// gauge units add the 14.696 psia atmosphere.
TEST_F(Conditions, OperatingPressureOfEveryUnitInPsiaAndPsig) {
    const struct { const char* unit; float value; double psia, psig; } rows[] = {
        {"psia", 100, 100, 85.304},
        {"psig", 100, 114.696, 100},
        {"Bar G", 2, 2 * 14.5039 + 14.696, 2 * 14.5039},
        {"Kg/cm^2 G", 3, 3 * 14.2235 + 14.696, 3 * 14.2235},
        {"KPa G", 500, 500 * 0.145038 + 14.696, 500 * 0.145038},
        {"Inches H2O G", 40, 40 * 0.036127 + 14.696, 40 * 0.036127},
        {"Torr (mmHg) G", 760, 760 * 0.0193368 + 14.696, 760 * 0.0193368},
        {"bar a", 1, 14.5039, -0.1921}};
    auto& S = shared();
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.value << " " << r.unit);
        S.AtmoPressPsia = 14.696f;
        S.PressIn = r.value;
        S.PressUnitIn = r.unit;
        modPressure();
        EXPECT_TRUE(near(S.PressPsia, r.psia, 1e-6));
        EXPECT_NEAR(S.PressPsig, r.psig, 1e-5 * std::max(1.0, std::fabs(r.psig)));
        EXPECT_EQ(S.PressUnitUpper, upper(r.unit));
    }
}

// The atmosphere and the reference pressure take the absolute units.
TEST_F(Conditions, AbsolutePressuresOfAtmosphereAndReference) {
    const struct { const char* unit; float value; double psia; } rows[] = {
        {"psia", 14.696f, 14.696}, {"Bar A", 1.01325f, 1.01325 * 14.5039},
        {"Kg/cm^2 A", 1, 14.2235}, {"KPa A", 101.325f, 101.325 * 0.145038}};
    auto& S = shared();
    for (const auto& r : rows) {
        S.AtmoPressIn = r.value, S.AtmoPressUnitIn = r.unit;
        S.PressRefIn = r.value * 2, S.PressRefUnitIn = upper(r.unit);
        modAtmoPress();
        modPressureRef();
        EXPECT_TRUE(near(S.AtmoPressPsia, r.psia, 1e-6)) << r.unit;
        EXPECT_TRUE(near(S.PressRefPsia, 2 * r.psia, 1e-6)) << r.unit;
    }
}

// Gauge-only and absolute-only units are not offered in the other list.
TEST_F(Conditions, UnknownUnitsChangeNothing) {
    auto& S = shared();
    S.AtmoPressPsia = 14.696f;
    S.PressPsia = 1, S.PressPsig = 2, S.PressRefPsia = 3;
    S.TempDegF = 4, S.TempDegC = 5, S.TempDegR = 6, S.TempRefDegR = 7, S.TempRefDegF = 8;
    S.PipeIdIn = 9, S.PipeIdMm = 10, S.PipeAreaSqFt = 11;
    S.AtmoPressIn = S.PressIn = S.PressRefIn = S.TempIn = S.TempRefIn = S.PipeSizeIn = 50;
    S.AtmoPressUnitIn = "psig", S.PressUnitIn = "Kg/cm^2 A", S.PressRefUnitIn = "Bar G";
    S.TempUnitIn = S.TempRefUnitIn = "deg K";
    S.PipeUnitIn = "feet";
    auto values = [](const SharedState& s) {
        return std::tuple(s.AtmoPressPsia, s.PressPsia, s.PressPsig, s.PressRefPsia, s.TempDegF, s.TempDegC,
                          s.TempDegR, s.TempRefDegR, s.TempRefDegF, s.PipeIdIn, s.PipeIdMm, s.PipeAreaSqFt);
    };
    const auto was = values(S);
    modAtmoPress(), modPressure(), modPressureRef(), modTemperature(), modTemperatureRef(), modPipeSize();
    EXPECT_EQ(values(S), was);
    EXPECT_EQ(S.PipeUnitUpper, "FEET");
}

// Hand computations: F = C x 1.8 + 32, R = F + 459.67.
TEST_F(Conditions, TemperaturesOfEveryUnitOnEveryScale) {
    const struct { const char* unit; float value; double degF, degC, degR; } rows[] = {
        {"deg F", 60, 60, 15.5555556, 519.67},  {"deg c", 100, 212, 100, 671.67},
        {"DEG C", -40, -40, -40, 419.67},       {"Deg r", 0, -459.67, -273.15, 0}};
    auto& S = shared();
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.value << " " << r.unit);
        S.TempIn = S.TempRefIn = r.value;
        S.TempUnitIn = S.TempRefUnitIn = r.unit;
        modTemperature();
        modTemperatureRef();
        EXPECT_NEAR(S.TempDegF, r.degF, 1e-4);
        EXPECT_NEAR(S.TempDegC, r.degC, 1e-4);
        EXPECT_NEAR(S.TempDegR, r.degR, 1e-4);
        EXPECT_NEAR(S.TempRefDegF, r.degF, 1e-4);
        EXPECT_NEAR(S.TempRefDegR, r.degR, 1e-4);
    }
    // Celsius and Rankine entries build the third scale from the stored
    // 32-bit Fahrenheit figure.
    S.TempIn = 21.1f, S.TempUnitIn = "deg C";
    modTemperature();
    EXPECT_EQ(S.TempDegR, float(double(S.TempDegF) + 459.67));
    S.TempIn = 530.3f, S.TempUnitIn = "deg R";
    modTemperature();
    EXPECT_EQ(S.TempDegC, float((double(S.TempDegF) - 32) / 1.8));
}

// Hand computations: 25.4 mm to the inch, 10.7639 ft^2 to the m^2, area
// pi D^2 / 4; an area unit gives the diameter of a circle of that area.
TEST_F(Conditions, PipeSizeOfEveryUnitGivesDiameterAndArea) {
    constexpr double kPi = 3.14159265359;
    const double mm150 = kPi * std::pow(5.9055 / 2, 2) / 144, d24 = 24 * std::sqrt(0.1962624 / kPi),
                 dm2 = 24 * std::sqrt(0.01824 * 10.7639 / kPi);
    const struct { const char* unit; float value; double idIn, idMm, areaSqFt; } rows[] = {
        {"inches", 2.067f, 2.067, 52.5018, 0.0233027},
        {"Millimeters", 150, 5.9055, 150, mm150},
        {"Meters", 0.15f, 5.9055, 150, mm150},
        {"Centimeters", 15, 5.9055, 150, mm150},
        {"Square Feet", 0.19635f, 6.000, 152.4, 0.19635},
        {"Square Meters", 0.01824f, dm2, 25.4 * dm2, 0.01824 * 10.7639},
        {"Square Centimeters", 182.4f, d24, 25.4 * d24, 0.1962624},
        {"Square Millimeters", 18240, d24, 25.4 * d24, 0.1962624}};
    auto& S = shared();
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.value << " " << r.unit);
        S.PipeSizeIn = r.value;
        S.PipeUnitIn = r.unit;
        modPipeSize();
        EXPECT_TRUE(near(S.PipeIdIn, r.idIn, 2e-5));
        EXPECT_TRUE(near(S.PipeIdMm, r.idMm, 2e-5));
        EXPECT_TRUE(near(S.PipeAreaSqFt, r.areaSqFt, 2e-5));
    }
    // Millimetres are kept as entered, not converted back from the inches;
    // an entered area is not rounded again.
    S.PipeSizeIn = 150, S.PipeUnitIn = "Millimeters";
    modPipeSize();
    EXPECT_EQ(S.PipeIdMm, 150.0f);
    EXPECT_NE(S.PipeIdMm, float(double(S.PipeIdIn) * 25.4));
    S.PipeSizeIn = 0.19635f, S.PipeUnitIn = "SQUARE FEET";
    modPipeSize();
    EXPECT_DOUBLE_EQ(S.PipeAreaSqFt, double(0.19635f));
}

}  // namespace
}  // namespace quorin::test
