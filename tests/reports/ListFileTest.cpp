#include <cstdint>
#include <cstdio>
#include <limits>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

TEST(ListWriter, WritesEachKindOfValueOnItsOwnLine) {
    ListWriter out;
    out.string("GPM");
    out.string("6\" pipe, \"A\"");  // quotes become single quotes
    out.string("M\u00FCller 70\u00B0F");
    for (float f : {500.0f, 62.3663f, 0.5f, -40.0f, 1.5e-5f, 1.5e7f}) out.single(f);
    for (double d : {0.000123, 1.23e-5, 1e15}) out.number(d);
    out.boolean(true);
    out.boolean(false);
    EXPECT_EQ(out.bytes(),
              "\"GPM\"\r\n\"6' pipe, 'A'\"\r\n\"M\xFCller 70\xB0" "F\"\r\n"
              "500\r\n62.3663\r\n0.5\r\n-40\r\n1.5E-05\r\n1.5E+07\r\n"
              "0.000123\r\n1.23E-05\r\n1E+15\r\n#TRUE#\r\n#FALSE#\r\n");
}

TEST(ListReader, TakesLfLinesBlanksExponentsAndALastLineWithoutEnd) {
    ListReader in("  \"Acme, Inc.\"  \n\"\"\r\n 1.23E-04 \r\n1.5e3\n+5\n#true#\n\"M\xFC\"");
    std::string a, b, c;
    float x = 0, y = 0;
    double z = 0;
    bool flag = false;
    EXPECT_TRUE(in.string(a) && in.string(b) && in.single(x) && in.number(z) && in.single(y) &&
                in.boolean(flag) && in.string(c));
    EXPECT_EQ((std::vector<std::string>{a, b, c}), (std::vector<std::string>{"Acme, Inc.", "", "M\u00FC"}));
    EXPECT_TRUE(x == 1.23e-4f && z == 1500 && y == 5 && flag);
    EXPECT_EQ(in.line(), 7);
    EXPECT_FALSE(in.string(c));
    EXPECT_EQ(in.errorNumber(), 62);
    EXPECT_EQ(in.line(), 8);
}

TEST(ListReader, RefusesWhatIsNotAValueOfTheTypeAsked) {
    enum Kind { Text, Single, Double, Boolean };
    const struct { std::string line; Kind kind; int error; } rows[] = {
        {"abc", Single, 13},     {"", Single, 13},       {"\"500\"", Single, 13},
        {"12abc", Double, 13},   {"1.2.3", Single, 13},  {"inf", Double, 13},
        {"0x10", Double, 13},    {"1e40", Single, 6},    {"1e400", Double, 6},
        {"500", Text, 13},       {"\"abc", Text, 13},    {"\"abc\" x", Text, 13},
        {"#YES#", Boolean, 13},  {"1", Boolean, 13},
        {"\"INCH", Text, 62},  // a file cut in the middle of its last string
    };
    for (const auto& r : rows) {
        const bool last = r.error == 62;
        ListReader in("\"first\"\r\n" + r.line + (last ? "" : "\r\n\"third\"\r\n"));
        std::string text = "kept";
        float single = 7;
        double number = 7;
        bool flag = true;
        ASSERT_TRUE(in.string(text));
        text = "kept";
        const bool read = r.kind == Text     ? in.string(text)
                          : r.kind == Single ? in.single(single)
                          : r.kind == Double ? in.number(number)
                                             : in.boolean(flag);
        EXPECT_FALSE(read) << r.line;
        EXPECT_EQ(in.errorNumber(), r.error) << r.line;
        EXPECT_TRUE(text == "kept" && single == 7 && number == 7 && flag) << r.line;
        // Every later read fails as well and the line stays where it stopped.
        EXPECT_FALSE(in.string(text)) << r.line;
        EXPECT_EQ(in.line(), 2) << r.line;
    }
}

TEST(ListReader, ReadsBackEveryNumberItsWriterWrites) {
    // Values as typed (seven significant digits for a 32-bit field, fifteen
    // for a 64-bit one) over the fixed and the exponent ranges.
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int k = 0; k < 20000; ++k) {
        char typed[40];
        std::snprintf(typed, sizeof typed, "%s%u.%06ue%d", next() % 2 ? "-" : "",
                      1 + next() % 9, next() % 1000000, int(next() % 60) - 30);
        const float f = std::stof(typed);
        const double d = std::stod(General(std::stod(typed) * 1.000000000123));
        ListWriter out;
        out.single(f);
        out.number(d);
        ListReader in(out.bytes());
        float f2 = 0;
        double d2 = 0;
        ASSERT_TRUE(in.single(f2) && in.number(d2) && f2 == f && d2 == d)
            << typed << " written " << out.bytes();
    }
    for (float f : {std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
                    std::numeric_limits<float>::denorm_min()}) {
        ListWriter out;
        out.single(f);
        float back = 0;
        EXPECT_TRUE(ListReader(out.bytes()).single(back) && back == f) << out.bytes();
    }
    double tiny = 1;
    EXPECT_TRUE(ListReader("0." + std::string(400, '0') + "1").number(tiny) && tiny == 0);
}

}  // namespace
}  // namespace quorin::test
