#include <ostream>
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Conditions : public CoreTest {};

struct PressureCase {
    const char* unit;
    float value;
    double psia;
    double psig;
};

std::ostream& operator<<(std::ostream& os, const PressureCase& c) { return os << c.value << " " << c.unit; }

class OperatingPressure : public CoreTest,
                          public ::testing::WithParamInterface<PressureCase> {};

TEST_P(OperatingPressure, ConvertsToPsiaAndPsig) {
    const PressureCase& c = GetParam();
    auto& S = shared();
    S.AtmoPressPsia = 14.696f;
    S.PressIn = c.value;
    S.PressUnitIn = c.unit;
    modPressure();
    EXPECT_TRUE(near(S.PressPsia, c.psia, 1e-6)) << c.unit;
    EXPECT_NEAR(S.PressPsig, c.psig, 1e-5 * std::max(1.0, std::fabs(c.psig))) << c.unit;
    EXPECT_EQ(S.PressUnitUpper, upper(c.unit));
}

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, OperatingPressure,
    ::testing::Values(PressureCase{"psia", 100, 100, 85.304},
                      PressureCase{"psig", 0, 14.696, 0},
                      PressureCase{"psig", 100, 114.696, 100},
                      PressureCase{"Bar G", 2, 2 * 14.5039 + 14.696, 2 * 14.5039},
                      PressureCase{"Kg/cm^2 G", 3, 3 * 14.2235 + 14.696, 3 * 14.2235},
                      PressureCase{"KPa G", 500, 500 * 0.145038 + 14.696, 500 * 0.145038},
                      PressureCase{"Inches H2O G", 40, 40 * 0.036127 + 14.696, 40 * 0.036127},
                      PressureCase{"Torr (mmHg) G", 760, 760 * 0.0193368 + 14.696,
                                   760 * 0.0193368},
                      PressureCase{"Bar A", 1, 14.5039, -0.1921},
                      PressureCase{"bar a", 1, 14.5039, -0.1921}));

TEST_F(Conditions, AbsolutePressuresOfAtmosphereAndReference) {
    struct Row { const char* unit; float value; double psia; };
    const Row rows[] = {{"psia", 14.696f, 14.696}, {"Bar A", 1.01325f, 1.01325 * 14.5039},
                        {"Kg/cm^2 A", 1, 14.2235}, {"KPa A", 101.325f, 101.325 * 0.145038}};
    auto& S = shared();
    for (const Row& r : rows) {
        S.AtmoPressIn = r.value;
        S.AtmoPressUnitIn = r.unit;
        S.PressRefIn = r.value * 2;
        S.PressRefUnitIn = upper(r.unit);
        modAtmoPress();
        modPressureRef();
        EXPECT_TRUE(near(S.AtmoPressPsia, r.psia, 1e-6)) << r.unit;
        EXPECT_TRUE(near(S.PressRefPsia, 2 * r.psia, 1e-6)) << r.unit;
    }
}

TEST_F(Conditions, UnknownUnitsChangeNothing) {
    auto& S = shared();
    S.AtmoPressPsia = 14.696f;
    S.PressPsia = 1;
    S.PressPsig = 2;
    S.PressRefPsia = 3;
    S.TempDegF = 4;
    S.TempDegC = 5;
    S.TempDegR = 6;
    S.TempRefDegR = 7;
    S.TempRefDegF = 8;
    S.PipeIdIn = 9;
    S.PipeIdMm = 10;
    S.PipeAreaSqFt = 11;
    // Gauge-only and absolute-only units are not offered in the other list.
    S.AtmoPressIn = S.PressIn = S.PressRefIn = S.TempIn = S.TempRefIn = S.PipeSizeIn = 50;
    S.AtmoPressUnitIn = "psig";
    S.PressUnitIn = "Kg/cm^2 A";
    S.PressRefUnitIn = "Bar G";
    S.TempUnitIn = S.TempRefUnitIn = "deg K";
    S.PipeUnitIn = "feet";
    modAtmoPress();
    modPressure();
    modPressureRef();
    modTemperature();
    modTemperatureRef();
    modPipeSize();
    EXPECT_EQ(S.AtmoPressPsia, 14.696f);
    EXPECT_EQ(S.PressPsia, 1);
    EXPECT_EQ(S.PressPsig, 2);
    EXPECT_EQ(S.PressRefPsia, 3);
    EXPECT_EQ(S.TempDegF, 4);
    EXPECT_EQ(S.TempDegC, 5);
    EXPECT_EQ(S.TempDegR, 6);
    EXPECT_EQ(S.TempRefDegR, 7);
    EXPECT_EQ(S.TempRefDegF, 8);
    EXPECT_EQ(S.PipeIdIn, 9);
    EXPECT_EQ(S.PipeIdMm, 10);
    EXPECT_EQ(S.PipeAreaSqFt, 11);
    EXPECT_EQ(S.PipeUnitUpper, "FEET");
}

struct TempCase {
    const char* unit;
    float value;
    double degF, degC, degR;
};

std::ostream& operator<<(std::ostream& os, const TempCase& c) { return os << c.value << " " << c.unit; }

class OperatingTemperature : public CoreTest,
                             public ::testing::WithParamInterface<TempCase> {};

TEST_P(OperatingTemperature, ConvertsToEveryScale) {
    const TempCase& c = GetParam();
    auto& S = shared();
    S.TempIn = S.TempRefIn = c.value;
    S.TempUnitIn = S.TempRefUnitIn = c.unit;
    modTemperature();
    modTemperatureRef();
    EXPECT_NEAR(S.TempDegF, c.degF, 1e-4) << c.unit;
    EXPECT_NEAR(S.TempDegC, c.degC, 1e-4) << c.unit;
    EXPECT_NEAR(S.TempDegR, c.degR, 1e-4) << c.unit;
    EXPECT_NEAR(S.TempRefDegF, c.degF, 1e-4) << c.unit;
    EXPECT_NEAR(S.TempRefDegR, c.degR, 1e-4) << c.unit;
}

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, OperatingTemperature,
    ::testing::Values(TempCase{"deg F", 60, 60, 15.5555556, 519.67},
                      TempCase{"deg F", -40, -40, -40, 419.67},
                      TempCase{"deg C", 0, 32, 0, 491.67},
                      TempCase{"deg c", 100, 212, 100, 671.67},
                      TempCase{"DEG C", -40, -40, -40, 419.67},
                      TempCase{"deg R", 519.67f, 60, 15.5555556, 519.67},
                      TempCase{"Deg r", 0, -459.67, -273.15, 0}));

TEST_F(Conditions, CelsiusBuildsRankineFromTheStoredFahrenheit) {
    auto& S = shared();
    S.TempIn = 21.1f;
    S.TempUnitIn = "deg C";
    modTemperature();
    EXPECT_EQ(S.TempDegR, float(double(S.TempDegF) + 459.67));
    S.TempIn = 530.3f;
    S.TempUnitIn = "deg R";
    modTemperature();
    EXPECT_EQ(S.TempDegC, float((double(S.TempDegF) - 32) / 1.8));
}

struct PipeCase {
    const char* unit;
    float value;
    double idIn, idMm, areaSqFt;
};

std::ostream& operator<<(std::ostream& os, const PipeCase& c) { return os << c.value << " " << c.unit; }

class PipeSize : public CoreTest, public ::testing::WithParamInterface<PipeCase> {};

TEST_P(PipeSize, GivesDiameterAndArea) {
    const PipeCase& c = GetParam();
    auto& S = shared();
    S.PipeSizeIn = c.value;
    S.PipeUnitIn = c.unit;
    modPipeSize();
    EXPECT_TRUE(near(S.PipeIdIn, c.idIn, 2e-5)) << c.unit;
    EXPECT_TRUE(near(S.PipeIdMm, c.idMm, 2e-5)) << c.unit;
    EXPECT_TRUE(near(S.PipeAreaSqFt, c.areaSqFt, 2e-5)) << c.unit;
}

constexpr double kSixInchArea = 3.14159265359 * 9 / 144;  // 0.19635 ft^2

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, PipeSize,
    ::testing::Values(
        PipeCase{"Inches", 6, 6, 152.4, kSixInchArea},
        PipeCase{"inches", 2.067f, 2.067, 52.5018, 0.0233027},
        PipeCase{"Millimeters", 150, 5.9055, 150, 3.14159265359 * std::pow(5.9055 / 2, 2) / 144},
        PipeCase{"Meters", 0.15f, 5.9055, 150, 3.14159265359 * std::pow(5.9055 / 2, 2) / 144},
        PipeCase{"Centimeters", 15, 5.9055, 150, 3.14159265359 * std::pow(5.9055 / 2, 2) / 144},
        PipeCase{"Square Feet", 0.19635f, 6.000, 152.4, 0.19635},
        PipeCase{"Square Meters", 0.01824f, 24 * std::sqrt(0.01824 * 10.7639 / 3.14159265359),
                 25.4 * 24 * std::sqrt(0.01824 * 10.7639 / 3.14159265359), 0.01824 * 10.7639},
        PipeCase{"Square Centimeters", 182.4f, 24 * std::sqrt(0.1962624 / 3.14159265359),
                 25.4 * 24 * std::sqrt(0.1962624 / 3.14159265359), 0.1962624},
        PipeCase{"Square Millimeters", 18240, 24 * std::sqrt(0.1962624 / 3.14159265359),
                 25.4 * 24 * std::sqrt(0.1962624 / 3.14159265359), 0.1962624}));

TEST_F(Conditions, MillimetresAreKeptAsEntered) {
    auto& S = shared();
    S.PipeSizeIn = 150;
    S.PipeUnitIn = "Millimeters";
    modPipeSize();
    EXPECT_EQ(S.PipeIdMm, 150.0f);
    EXPECT_EQ(Format(S.PipeIdIn, "0.0000"), "5.9055");
    EXPECT_NE(S.PipeIdMm, float(double(S.PipeIdIn) * 25.4));
}

TEST_F(Conditions, AreaOfALengthUnitComesFromThe32BitDiameter) {
    auto& S = shared();
    S.PipeSizeIn = 2.067f;
    S.PipeUnitIn = "Inches";
    modPipeSize();
    EXPECT_DOUBLE_EQ(S.PipeAreaSqFt, 3.14159265359 * std::pow(double(2.067f) / 2, 2) / 144);
    S.PipeSizeIn = 0.19635f;
    S.PipeUnitIn = "SQUARE FEET";
    modPipeSize();
    EXPECT_DOUBLE_EQ(S.PipeAreaSqFt, double(0.19635f));  // not rounded again
    EXPECT_EQ(Format(S.PipeIdIn, "0.000"), "6.000");
}

}  // namespace
}  // namespace quorin::test
