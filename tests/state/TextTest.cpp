#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "state/Single.h"
#include "state/Text.h"

namespace quorin {
namespace {

constexpr float kInfF = std::numeric_limits<float>::infinity();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Figures worked by hand from the patterns; halves round away from zero on
// the decimal value, a float from its shortest decimal text (2.675f is
// 2.67499995... in binary).
TEST(Format, WritesThePattern) {
    const struct { double value; const char* pattern; const char* text; } rows[] = {
        {12.813, "0.0", "12.8"},            {-0.05, "0.0", "-0.1"},            {-0.04, "0.0", "0.0"},
        {9.995, "0.00", "10.00"},           {0.0005, "0.000", "0.001"},        {123456789, "0.0000", "123456789.0000"},
        {5, "0.0#", "5.0"},                 {5.255, "0.0#", "5.26"},           {5.2346, "0.0##", "5.235"},
        {0.01754, "0.0###", "0.0175"},      {112.31, "0.0# ", "112.31 "},      {77171.2, "0.000e+00", "7.717e+04"},
        {0, "0.000e+00", "0.000e+00"},      {0.0000123, "0.000e+00", "1.230e-05"},
        {9.9996e5, "0.000e+00", "1.000e+06"}, {-38586, "0.000e+00", "-3.859e+04"},
        {1.5e-7, "0.00e+0", "1.50e-7"},     {2.5e123, "0.00e+0", "2.50e+123"}, {kNaN, "0.00", "Error"},
        {-kInf, "0.0#", "Error"}};
    for (const auto& r : rows) EXPECT_EQ(Format(r.value, r.pattern), r.text) << r.value << " with " << r.pattern;
    const struct { float value; const char* pattern; const char* text; } floats[] = {
        {2.675f, "0.00", "2.68"}, {1.005f, "0.00", "1.01"}, {0.1f, "0.0###", "0.1"}, {-kInfF, "0.00", "Error"}};
    for (const auto& r : floats) EXPECT_EQ(Format(r.value, r.pattern), r.text) << r.value << "f with " << r.pattern;
}

TEST(Str, WritesTheGeneralForm) {
    const struct { double value; bool asFloat; const char* text; } rows[] = {
        {0, true, " 0"},               {0.5, true, " 0.5"},          {-0.5, true, "-0.5"},
        {1.0 / 3, true, " 0.3333333"}, {1.0 / 3, false, " 0.333333333333333"},
        {9999999, true, " 9999999"},   {1.5e7, true, " 1.5E+07"},    {0.00001, true, " 1E-05"},
        {0.0001, true, " 0.0001"},     {-2.5e-6, true, "-2.5E-06"},  {1.5e7, false, " 15000000"},
        {1e15, false, " 1E+15"},       {kNaN, true, "Error"},        {kNaN, false, "Error"}};
    for (const auto& r : rows)
        EXPECT_EQ(r.asFloat ? Str(float(r.value)) : Str(r.value), r.text) << r.value << (r.asFloat ? " as float" : "");
    EXPECT_EQ(General(-0.1921f), "-0.1921");  // without the blank of the sign
    EXPECT_EQ(General(0.41666667), "0.41666667");
}

TEST(UnitText, ComparesOnUpperCaseAndTrimsBlanksOnly) {
    EXPECT_EQ(upper("Kg/cm^2 G"), "KG/CM^2 G");
    EXPECT_TRUE(unitIs("Torr (mmHg) G", "TORR (MMHG) G"));
    EXPECT_FALSE(unitIs("deg C ", "DEG C"));
    EXPECT_EQ(Trim("  12.5  "), "12.5");
    EXPECT_EQ(Trim(" 12.5\t"), "12.5\t");
    EXPECT_EQ(Trim("   "), "");
}

// A refused text leaves the value alone; "1e40" overflows only a 32-bit field.
TEST(ParseNumber, ReadsOrRefuses) {
    const struct { const char* text; bool ok; double value; } rows[] = {
        {"", true, 0},         {"  ", true, 0},       {" -0.1921 ", true, -0.1921}, {"+5", true, 5},
        {".5", true, 0.5},     {"5.", true, 5},       {"1.5E+07", true, 1.5e7},     {"abc", false, 0},
        {"1.2.3", false, 0},   {"12abc", false, 0},   {"1e400", false, 0},          {"1e40", false, 0},
        {"inf", false, 0},     {"nan", false, 0},     {"-", false, 0},              {"0x10", false, 0},
        {"1,5", false, 0}};
    for (const auto& r : rows) {
        float f = -7;
        double d = -7;
        EXPECT_EQ(parseSingle(r.text, f), r.ok) << '"' << r.text << '"';
        EXPECT_EQ(parseDouble(r.text, d), r.ok || std::string(r.text) == "1e40") << r.text;
        EXPECT_EQ(f, r.ok ? float(r.value) : -7.0f) << r.text;
        if (r.ok) {
            EXPECT_DOUBLE_EQ(d, r.value) << r.text;
        }
    }
}

// A typed specific gravity or density: the numeric start of the text counts,
// the rest is ignored, text without a number reads 0.
TEST(LeadingNumber, ReadsTheLongestNumberAtTheStart) {
    const std::string zeros(400, '0');
    const std::pair<std::string, double> rows[] = {
        {"", 0},         {".", 0},         {"0.8", 0.8},     {"1.2.3", 1.2},  {"  -3.5x", -3.5},
        {"+2", 2},       {"+-5", 0},       {"1.5E+2kg", 150}, {"7e", 7},      {"0x10", 0},
        {"inf", 0},      {"1e400", kInf},  {"-2e999", -kInf}, {"1e-400", 0},  {"0." + zeros + "1", 0},
        {"1" + zeros, kInf},               {"1" + zeros + "e-5", kInf},       {"0." + zeros + "1e+5", 0},
        {"1" + zeros + "e-300", 1e100}};
    for (const auto& [text, value] : rows) EXPECT_EQ(leadingNumber(text), value) << '"' << text.substr(0, 40) << '"';
}

TEST(Ansi, DegreeAndSuperscriptsAreSingleBytes) {
    const std::string text = std::string("deg") + kDeg + " ft" + kSup2 + " m" + kSup3;
    EXPECT_EQ(toAnsi(text), "deg\xB0 ft\xB2 m\xB3");
    EXPECT_EQ(fromAnsi(toAnsi(text)), text);
    EXPECT_EQ(toAnsi("\u20AC"), "\x80");  // euro sign of the code page
    EXPECT_EQ(toAnsi("\u4E2D"), "?");     // not in the code page
    EXPECT_EQ(fromAnsi("\x81"), "\uFFFD");
}

TEST(Single, OverflowStoresTheInfinityOfItsSign) {
    EXPECT_EQ(single(1e39), kInfF);
    EXPECT_EQ(single(-1e39), -kInfF);
    EXPECT_TRUE(overflowsSingle(1e39));
    EXPECT_TRUE(overflowsSingle(kNaN));
    EXPECT_FALSE(overflowsSingle(3e38));
}

}  // namespace
}  // namespace quorin
