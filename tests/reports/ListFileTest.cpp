#include <cstdint>
#include <cstdio>
#include <limits>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

// Texts in the files' code page, quotes as single quotes and line breaks as
// blanks, so every text reads back (numbers, flags and round trips: the case
// file tests).
TEST(ListWriter, WritesTextsThatReadBack) {
    ListWriter out;
    out.string("6\" pipe,\r\n\"M\u00FCller\"");
    out.number(1e15);
    EXPECT_EQ(out.bytes(), "\"6' pipe,  'M\xFCller'\"\r\n1E+15\r\n");
}

TEST(ListReader, TakesLfLinesBlanksExponentsAndALastLineWithoutEnd) {
    ListReader in("  \"Acme, Inc.\"  \n\"\"\r\n 1.23E-04 \r\n1.5e3\n+5\n#true#\n\"M\xFC\"");
    std::string a, b, c;
    float x = 0, y = 0;
    double z = 0;
    bool flag = false;
    EXPECT_TRUE(in.string(a) && in.string(b) && in.single(x) && in.number(z) && in.single(y) &&
                in.boolean(flag) && in.string(c));
    EXPECT_EQ((Lines{a, b, c}), (Lines{"Acme, Inc.", "", "M\u00FC"}));
    EXPECT_TRUE(x == 1.23e-4f && z == 1500 && y == 5 && flag);
    EXPECT_EQ(in.line(), 7);
    EXPECT_FALSE(in.string(c));
    EXPECT_EQ(std::tuple(in.errorNumber(), in.line()), std::tuple(62, 8));
}

// One row per way a line is refused; every later read fails as well and the
// line stays where it stopped.
TEST(ListReader, RefusesWhatIsNotAValueOfTheTypeAsked) {
    enum Kind { Text, Single, Double, Boolean };
    const struct { std::string line; Kind kind; int error; } rows[] = {
        {"abc", Single, 13},  {"12abc", Double, 13}, {"1e40", Single, 6},  {"1e400", Double, 6},
        {"500", Text, 13},    {"\"abc", Text, 13},   {"#YES#", Boolean, 13},
        {"\"INCH", Text, 62}};  // a file cut in the middle of its last string
    for (const auto& r : rows) {
        ListReader in("\"kept\"\r\n" + r.line + (r.error == 62 ? "" : "\r\n\"third\"\r\n"));
        std::string text;
        float single = 7;
        double number = 7;
        bool flag = true;
        ASSERT_TRUE(in.string(text));
        EXPECT_FALSE(r.kind == Text ? in.string(text) : r.kind == Single ? in.single(single)
                     : r.kind == Double ? in.number(number) : in.boolean(flag)) << r.line;
        EXPECT_TRUE(in.errorNumber() == r.error && text == "kept" && single == 7 && number == 7 && flag)
            << r.line;
        EXPECT_FALSE(in.string(text)) << r.line;
        EXPECT_EQ(in.line(), 2) << r.line;
    }
}

// Values as typed (seven significant digits for a 32-bit field, fifteen for a
// 64-bit one) over the fixed and the exponent ranges, the extremes of a 32-bit
// field, and a number too small for any double (0).
TEST(ListReader, ReadsBackEveryNumberItsWriterWrites) {
    auto readsBack = [](float f, double d) {
        ListWriter out;
        out.single(f);
        out.number(d);
        ListReader in(out.bytes());
        float f2 = 0;
        double d2 = 0;
        return in.single(f2) && in.number(d2) && f2 == f && d2 == d;
    };
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int k = 0; k < 20000; ++k) {
        char typed[40];
        std::snprintf(typed, sizeof typed, "%s%u.%06ue%d", next() % 2 ? "-" : "", 1 + next() % 9,
                      next() % 1000000, int(next() % 60) - 30);
        const double typedDouble = std::stod(General(std::stod(typed) * 1.000000000123));
        ASSERT_TRUE(readsBack(std::stof(typed), typedDouble)) << typed;
    }
    using F = std::numeric_limits<float>;
    for (float f : {F::max(), -F::max(), F::denorm_min()}) EXPECT_TRUE(readsBack(f, 0)) << f;
    double tiny = 1;
    EXPECT_TRUE(ListReader("0." + std::string(400, '0') + "1").number(tiny) && tiny == 0);
}

}  // namespace
}  // namespace quorin::test
