#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "state/Single.h"
#include "state/Text.h"

namespace quorin {
namespace {

constexpr float kInfF = std::numeric_limits<float>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Format, WritesThePattern) {
    const struct { double value; const char* pattern; const char* text; } rows[] = {
        {12.813, "0.0", "12.8"},         {0.05, "0.0", "0.1"},             {-0.05, "0.0", "-0.1"},
        {-0.04, "0.0", "0.0"},           {0, "0.00", "0.00"},              {9.995, "0.00", "10.00"},
        {-9.995, "0.00", "-10.00"},      {1649.34, "0.00", "1649.34"},     {0.58449, "0.000", "0.584"},
        {0.0005, "0.000", "0.001"},      {0.5194, "0.0000", "0.5194"},     {123456789, "0.0000", "123456789.0000"},
        {5, "0.0#", "5.0"},              {5.25, "0.0#", "5.25"},           {5.255, "0.0#", "5.26"},
        {5.2, "0.0##", "5.2"},           {5.2346, "0.0##", "5.235"},       {0.01754, "0.0###", "0.0175"},
        {0.012, "0.0###", "0.012"},      {0.1, "0.0###", "0.1"},           {5, "0.0# ", "5.0 "},
        {112.31, "0.0# ", "112.31 "},    {77171.2, "0.000e+00", "7.717e+04"}, {0, "0.000e+00", "0.000e+00"},
        {0.0000123, "0.000e+00", "1.230e-05"}, {-38586, "0.000e+00", "-3.859e+04"},
        {9.9996e5, "0.000e+00", "1.000e+06"},  {178097, "0.00e+00", "1.78e+05"},
        {1.5e-7, "0.00e+0", "1.50e-7"},  {2.5e123, "0.00e+0", "2.50e+123"}, {kNaN, "0.00", "Error"},
        {-std::numeric_limits<double>::infinity(), "0.0#", "Error"}};
    for (const auto& r : rows) EXPECT_EQ(Format(r.value, r.pattern), r.text) << r.value << " with " << r.pattern;
}

TEST(Format, FloatRoundsItsShortestDecimalText) {
    // 2.675f is 2.67499995... in binary, but the field holds "2.675".
    EXPECT_EQ(Format(2.675f, "0.00"), "2.68");
    EXPECT_EQ(Format(2.675, "0.00"), "2.68");
    EXPECT_EQ(Format(0.1f, "0.0###"), "0.1");
    EXPECT_EQ(Format(1.005f, "0.00"), "1.01");
    EXPECT_EQ(Format(kInfF, "0.000e+00"), "Error");
    EXPECT_EQ(Format(-kInfF, "0.00"), "Error");
}

TEST(Str, WritesTheGeneralForm) {
    const struct { double value; bool asFloat; const char* text; } rows[] = {
        {0, true, " 0"},               {0.5, true, " 0.5"},          {-0.5, true, "-0.5"},
        {14.696, true, " 14.696"},     {0.1, true, " 0.1"},          {1.0 / 3, true, " 0.3333333"},
        {1.0 / 3, false, " 0.333333333333333"},                      {100, true, " 100"},
        {9999999, true, " 9999999"},   {1.5e7, true, " 1.5E+07"},    {0.00001, true, " 1E-05"},
        {0.0001, true, " 0.0001"},     {-2.5e-6, true, "-2.5E-06"},  {1.5e7, false, " 15000000"},
        {1e15, false, " 1E+15"},       {kNaN, true, "Error"},        {kNaN, false, "Error"}};
    for (const auto& r : rows)
        EXPECT_EQ(r.asFloat ? Str(float(r.value)) : Str(r.value), r.text) << r.value << (r.asFloat ? " as float" : "");
}

TEST(General, DropsTheLeadingBlank) {
    EXPECT_EQ(General(14.696f), "14.696");
    EXPECT_EQ(General(-0.1921f), "-0.1921");
    EXPECT_EQ(General(0.41666667), "0.41666667");
    EXPECT_EQ(General(float(1.0 / 12)), "0.08333334");
}

TEST(UnitText, ComparesOnUpperCase) {
    EXPECT_EQ(upper("Kg/cm^2 G"), "KG/CM^2 G");
    EXPECT_TRUE(unitIs("deg c", "DEG C"));
    EXPECT_TRUE(unitIs("Torr (mmHg) G", "TORR (MMHG) G"));
    EXPECT_FALSE(unitIs("deg C ", "DEG C"));
    EXPECT_EQ(Trim("  12.5  "), "12.5");
    EXPECT_EQ(Trim(" 12.5\t"), "12.5\t");  // blanks only, as the number texts need
    EXPECT_EQ(Trim("   "), "");
}

// A refused text leaves the value alone; "1e40" overflows only a 32-bit field.
TEST(ParseNumber, ReadsOrRefuses) {
    const struct { const char* text; bool ok; double value; } rows[] = {
        {"", true, 0},         {"  ", true, 0},       {"100", true, 100},    {" -0.1921 ", true, -0.1921},
        {"+5", true, 5},       {".5", true, 0.5},     {"5.", true, 5},       {"1.5E+07", true, 1.5e7},
        {"abc", false, 0},     {"1.2.3", false, 0},   {"12abc", false, 0},   {"1e400", false, 0},
        {"1e40", false, 0},    {"inf", false, 0},     {"nan", false, 0},     {"-", false, 0},
        {"0x10", false, 0},    {"1,5", false, 0}};
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
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const std::string zeros(400, '0');
    const std::pair<std::string, double> rows[] = {
        {"", 0},         {"   ", 0},        {".", 0},         {"0.", 0},       {"0.8", 0.8},
        {".5", 0.5},     {"1.2.3", 1.2},   {"12abc", 12},    {"abc", 0},      {"  -3.5x", -3.5},
        {"+2", 2},       {"-", 0},         {"+-5", 0},       {"1.5E+2kg", 150}, {"7e", 7},
        {"0x10", 0},     {"inf", 0},       {"nan", 0},       {"1e400", kInf}, {"-2e999", -kInf},
        {"1e-400", 0},   {"0." + zeros + "1", 0},            {"1" + zeros, kInf},
        {"1" + zeros + "e-5", kInf},       {"0." + zeros + "1e+5", 0},       {"1" + zeros + "e-300", 1e100}};
    for (const auto& [text, value] : rows) EXPECT_EQ(leadingNumber(text), value) << '"' << text.substr(0, 40) << '"';
}

TEST(Ansi, DegreeAndSuperscriptsAreSingleBytes) {
    const std::string text = std::string("deg") + kDeg + " ft" + kSup2 + " m" + kSup3;
    const std::string ansi = toAnsi(text);
    EXPECT_EQ(ansi, "deg\xB0 ft\xB2 m\xB3");
    EXPECT_EQ(fromAnsi(ansi), text);
    EXPECT_EQ(toAnsi("\u20AC"), "\x80");   // euro sign of the code page
    EXPECT_EQ(toAnsi("\u4E2D"), "?");      // not in the code page
    EXPECT_EQ(fromAnsi("\x81"), "\uFFFD");
}

TEST(Single, OverflowStoresTheInfinityOfItsSign) {
    EXPECT_EQ(single(1e39), kInfF);
    EXPECT_EQ(single(-1e39), -kInfF);
    EXPECT_EQ(single(0.1), 0.1f);
    EXPECT_TRUE(overflowsSingle(1e39));
    EXPECT_TRUE(overflowsSingle(kNaN));
    EXPECT_FALSE(overflowsSingle(3e38));
}

}  // namespace
}  // namespace quorin
