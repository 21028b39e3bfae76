#include <ostream>
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

struct FormatCase {
    double value;
    const char* pattern;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const FormatCase& c) { return os << c.value << " \"" << c.pattern << "\""; }

class FormatDouble : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDouble, WritesThePattern) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(Format(c.value, c.pattern), c.text) << c.value << " with " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatDouble,
    ::testing::Values(
        FormatCase{12.813, "0.0", "12.8"}, FormatCase{0.05, "0.0", "0.1"},
        FormatCase{-0.05, "0.0", "-0.1"}, FormatCase{-0.04, "0.0", "0.0"},
        FormatCase{0, "0.00", "0.00"}, FormatCase{9.995, "0.00", "10.00"},
        FormatCase{-9.995, "0.00", "-10.00"}, FormatCase{1649.34, "0.00", "1649.34"},
        FormatCase{0.58449, "0.000", "0.584"}, FormatCase{0.0005, "0.000", "0.001"},
        FormatCase{0.5194, "0.0000", "0.5194"}, FormatCase{123456789, "0.0000", "123456789.0000"},
        FormatCase{5, "0.0#", "5.0"}, FormatCase{5.25, "0.0#", "5.25"},
        FormatCase{5.255, "0.0#", "5.26"}, FormatCase{5.2, "0.0##", "5.2"},
        FormatCase{5.2346, "0.0##", "5.235"}, FormatCase{0.01754, "0.0###", "0.0175"},
        FormatCase{0.012, "0.0###", "0.012"}, FormatCase{0.1, "0.0###", "0.1"},
        FormatCase{5, "0.0# ", "5.0 "}, FormatCase{112.31, "0.0# ", "112.31 "},
        FormatCase{77171.2, "0.000e+00", "7.717e+04"}, FormatCase{0, "0.000e+00", "0.000e+00"},
        FormatCase{0.0000123, "0.000e+00", "1.230e-05"}, FormatCase{-38586, "0.000e+00", "-3.859e+04"},
        FormatCase{9.9996e5, "0.000e+00", "1.000e+06"}, FormatCase{178097, "0.00e+00", "1.78e+05"},
        FormatCase{1.5e-7, "0.00e+0", "1.50e-7"}, FormatCase{2.5e123, "0.00e+0", "2.50e+123"},
        FormatCase{kNaN, "0.00", "Error"}, FormatCase{-std::numeric_limits<double>::infinity(), "0.0#", "Error"}));

TEST(Format, FloatRoundsItsShortestDecimalText) {
    // 2.675f is 2.67499995... in binary, but the field holds "2.675".
    EXPECT_EQ(Format(2.675f, "0.00"), "2.68");
    EXPECT_EQ(Format(2.675, "0.00"), "2.68");
    EXPECT_EQ(Format(0.1f, "0.0###"), "0.1");
    EXPECT_EQ(Format(1.005f, "0.00"), "1.01");
    EXPECT_EQ(Format(kInfF, "0.000e+00"), "Error");
    EXPECT_EQ(Format(-kInfF, "0.00"), "Error");
}

struct StrCase {
    double value;
    bool asFloat;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const StrCase& c) { return os << c.value << (c.asFloat ? "f" : ""); }

class StrForm : public ::testing::TestWithParam<StrCase> {};

TEST_P(StrForm, WritesTheGeneralForm) {
    const StrCase& c = GetParam();
    const std::string got = c.asFloat ? Str(float(c.value)) : Str(c.value);
    EXPECT_EQ(got, c.text) << c.value << (c.asFloat ? " as float" : " as double");
}

INSTANTIATE_TEST_SUITE_P(
    Values, StrForm,
    ::testing::Values(
        StrCase{0, true, " 0"}, StrCase{0.5, true, " 0.5"}, StrCase{-0.5, true, "-0.5"},
        StrCase{14.696, true, " 14.696"}, StrCase{0.1, true, " 0.1"},
        StrCase{1.0 / 3, true, " 0.3333333"}, StrCase{1.0 / 3, false, " 0.333333333333333"},
        StrCase{100, true, " 100"}, StrCase{9999999, true, " 9999999"},
        StrCase{1.5e7, true, " 1.5E+07"}, StrCase{0.00001, true, " 1E-05"},
        StrCase{0.0001, true, " 0.0001"}, StrCase{-2.5e-6, true, "-2.5E-06"},
        StrCase{1.5e7, false, " 15000000"}, StrCase{1e15, false, " 1E+15"},
        StrCase{kNaN, true, "Error"}, StrCase{kNaN, false, "Error"}));

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

struct ParseCase {
    const char* text;
    bool ok;
    double value;
};

std::ostream& operator<<(std::ostream& os, const ParseCase& c) { return os << "\"" << c.text << "\""; }

class ParseNumber : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumber, ReadsOrRefuses) {
    const ParseCase& c = GetParam();
    float f = -7;
    double d = -7;
    EXPECT_EQ(parseSingle(c.text, f), c.ok) << '"' << c.text << '"';
    EXPECT_EQ(parseDouble(c.text, d), c.ok || std::string(c.text) == "1e40") << c.text;
    if (c.ok) {
        EXPECT_FLOAT_EQ(f, float(c.value));
        EXPECT_DOUBLE_EQ(d, c.value);
    } else {
        EXPECT_EQ(f, -7) << "a refused text leaves the value alone";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumber,
    ::testing::Values(ParseCase{"", true, 0}, ParseCase{"  ", true, 0},
                      ParseCase{"100", true, 100}, ParseCase{" -0.1921 ", true, -0.1921},
                      ParseCase{"+5", true, 5}, ParseCase{".5", true, 0.5},
                      ParseCase{"5.", true, 5}, ParseCase{"1.5E+07", true, 1.5e7},
                      ParseCase{"abc", false, 0}, ParseCase{"1.2.3", false, 0},
                      ParseCase{"12abc", false, 0}, ParseCase{"1e400", false, 0},
                      ParseCase{"1e40", false, 0}, ParseCase{"inf", false, 0},
                      ParseCase{"nan", false, 0}, ParseCase{"-", false, 0},
                      ParseCase{"0x10", false, 0}, ParseCase{"1,5", false, 0}));

struct LeadingCase {
    const char* name;
    std::string text;
    double value;
};

std::ostream& operator<<(std::ostream& os, const LeadingCase& c) {
    return os << "\"" << c.text.substr(0, 40) << (c.text.size() > 40 ? "...\"" : "\"");
}

class LeadingNumber : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumber, ReadsTheLongestNumberAtTheStart) {
    const LeadingCase& c = GetParam();
    EXPECT_EQ(leadingNumber(c.text), c.value) << c;
}

// A typed specific gravity or density: the numeric start of the text counts,
// the rest is ignored, text without a number reads 0.
INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    ::testing::Values(
        LeadingCase{"Empty", "", 0}, LeadingCase{"Blanks", "   ", 0},
        LeadingCase{"PointOnly", ".", 0}, LeadingCase{"ZeroPoint", "0.", 0},
        LeadingCase{"Fraction", "0.8", 0.8}, LeadingCase{"NoLeadingZero", ".5", 0.5},
        LeadingCase{"SecondPointEnds", "1.2.3", 1.2}, LeadingCase{"LettersEnd", "12abc", 12},
        LeadingCase{"Letters", "abc", 0}, LeadingCase{"BlanksAndSign", "  -3.5x", -3.5},
        LeadingCase{"PlusSign", "+2", 2}, LeadingCase{"SignOnly", "-", 0},
        LeadingCase{"TwoSigns", "+-5", 0}, LeadingCase{"Exponent", "1.5E+2kg", 150},
        LeadingCase{"ExponentWithoutDigits", "7e", 7}, LeadingCase{"Hexadecimal", "0x10", 0},
        LeadingCase{"Infinity", "inf", 0}, LeadingCase{"NotANumber", "nan", 0},
        LeadingCase{"HugeExponent", "1e400", std::numeric_limits<double>::infinity()},
        LeadingCase{"NegativeHuge", "-2e999", -std::numeric_limits<double>::infinity()},
        LeadingCase{"TinyExponent", "1e-400", 0},
        LeadingCase{"TinyWithoutExponent", "0." + std::string(400, '0') + "1", 0},
        LeadingCase{"HugeWithoutExponent", "1" + std::string(400, '0'),
                    std::numeric_limits<double>::infinity()},
        LeadingCase{"HugeDespiteANegativeExponent", "1" + std::string(400, '0') + "e-5",
                    std::numeric_limits<double>::infinity()},
        LeadingCase{"TinyDespiteAPositiveExponent", "0." + std::string(400, '0') + "1e+5", 0},
        LeadingCase{"LongButInRange", "1" + std::string(400, '0') + "e-300", 1e100}),
    [](const auto& info) { return std::string(info.param.name); });

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
