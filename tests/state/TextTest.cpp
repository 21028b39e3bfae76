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
        {-0.05, "0.0", "-0.1"},          {-0.04, "0.0", "0.0"},
        {9.995, "0.00", "10.00"},        {5, "0.0#", "5.0"},
        {5.255, "0.0#", "5.26"},         {0.01754, "0.0###", "0.0175"},
        {112.31, "0.0# ", "112.31 "},    {kNaN, "0.00", "Error"},
        {77171.2, "0.000e+00", "7.717e+04"}, {0, "0.000e+00", "0.000e+00"},
        {0.0000123, "0.000e+00", "1.230e-05"}, {9.9996e5, "0.000e+00", "1.000e+06"},
        {1.5e-7, "0.00e+0", "1.50e-7"},  {0.0004, "0.00", "0.00"}};
    for (const auto& r : rows)
        EXPECT_EQ(Format(r.value, r.pattern), r.text) << r.value << " with " << r.pattern;
    const struct { float value; const char* pattern; const char* text; } floats[] = {
        {2.675f, "0.00", "2.68"}, {1.005f, "0.00", "1.01"},
        {0.1f, "0.0###", "0.1"},  {-kInfF, "0.00", "Error"}};
    for (const auto& r : floats)
        EXPECT_EQ(Format(r.value, r.pattern), r.text) << r.value << "f with " << r.pattern;
}

// Exponent form below 1e-4 and from 1e7 (float) or 1e15 (double) on.
TEST(Str, WritesTheGeneralForm) {
    const struct { double value; bool asFloat; const char* text; } rows[] = {
        {0, true, " 0"},               {-0.5, true, "-0.5"},         {1.0 / 3, true, " 0.3333333"},
        {1.0 / 3, false, " 0.333333333333333"},                      {9999999, true, " 9999999"},
        {1.5e7, true, " 1.5E+07"},     {0.00001, true, " 1E-05"},    {0.0001, true, " 0.0001"},
        {1.5e7, false, " 15000000"},   {1e15, false, " 1E+15"},      {kNaN, true, "Error"}};
    for (const auto& r : rows)
        EXPECT_EQ(r.asFloat ? Str(float(r.value)) : Str(r.value), r.text)
            << r.value << (r.asFloat ? " as float" : "");
    EXPECT_EQ(General(-0.1921f), "-0.1921");  // without the blank of the sign
}

TEST(UnitText, ComparesOnUpperCaseAndTrimsBlanksOnly) {
    EXPECT_TRUE(unitIs("Torr (mmHg) G", "TORR (MMHG) G") && !unitIs("deg C ", "DEG C"));
    EXPECT_EQ((std::tuple(Trim("  12.5  "), Trim(" 12.5\t"), Trim("   "))),
              (std::tuple("12.5", "12.5\t", "")));
}

// A refused text leaves the value alone; "1e40" overflows only a 32-bit field.
TEST(ParseNumber, ReadsOrRefuses) {
    const struct { const char* text; bool ok; double value; } rows[] = {
        {"", true, 0},       {" -0.1921 ", true, -0.1921}, {".5", true, 0.5},     {"1.5E+07", true, 1.5e7},
        {"abc", false, 0},   {"12abc", false, 0},          {"1,5", false, 0},     {"1e400", false, 0},
        {"1e40", false, 0},  {"inf", false, 0},            {"-", false, 0}};
    for (const auto& r : rows) {
        float f = -7;
        double d = -7;
        EXPECT_EQ(std::tuple(parseSingle(r.text, f), parseDouble(r.text, d)),
                  std::tuple(r.ok, r.ok || r.text == std::string("1e40")))
            << '"' << r.text << '"';
        EXPECT_TRUE(f == (r.ok ? float(r.value) : -7.0f) && (!r.ok || d == r.value)) << r.text;
    }
}

// A typed specific gravity or density: the numeric start of the text counts,
// the rest is ignored, text without a number reads 0; too large reads as
// infinity, too small as 0, however many digits it has.
TEST(LeadingNumber, ReadsTheLongestNumberAtTheStart) {
    const std::string zeros(400, '0');
    const std::pair<std::string, double> rows[] = {
        {"", 0},          {".", 0},         {"1.2.3", 1.2},   {"  -3.5x", -3.5}, {"+-5", 0},
        {"1.5E+2kg", 150}, {"7e", 7},       {"inf", 0},       {"1e400", kInf},   {"-2e999", -kInf},
        {"1e-400", 0},    {"0." + zeros + "1", 0},            {"1" + zeros + "e-5", kInf},
        {"0." + zeros + "1e+5", 0},         {"1" + zeros + "e-300", 1e100}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(leadingNumber(text), value) << '"' << text.substr(0, 40) << '"';
}

TEST(Ansi, DegreeAndSuperscriptsAreSingleBytes) {
    const std::string text = std::string("deg") + kDeg + " ft" + kSup2 + " m" + kSup3;
    EXPECT_EQ(toAnsi(text), "deg\xB0 ft\xB2 m\xB3");
    EXPECT_EQ(fromAnsi(toAnsi(text)), text);
    EXPECT_EQ(toAnsi("\u20AC"), "\x80");  // euro sign of the code page
    EXPECT_EQ(toAnsi("\u4E2D"), "?");     // not in the code page
    EXPECT_EQ(fromAnsi("\x81"), "\uFFFD");
}

// A double beyond the 32-bit range stores the infinity of its sign.
TEST(Single, OverflowStoresTheInfinityOfItsSign) {
    EXPECT_EQ(std::tuple(single(1e39), single(-1e39)), std::tuple(kInfF, -kInfF));
    EXPECT_TRUE(overflowsSingle(1e39) && overflowsSingle(kNaN));
    EXPECT_FALSE(overflowsSingle(3e38));
}

}  // namespace
}  // namespace quorin
