// The unit converter's figures.
#include "support/CoreFixture.h"
#include "tools/Convert.h"

namespace quorin::test {
namespace {

// Worked by hand from the factors 1 mm = 0.03937 in, 1 cm = 0.3937 in,
// 1 m = 39.3701 in, 1 ft^2 = 144 in^2, 1 mm^2 = 0.00155 in^2, 1 cm^2 =
// 0.155 in^2, 1 m^2 = 1550.003 in^2: a diameter d gives pi d^2 / 4, an area
// A gives 2 sqrt(A / pi).
TEST(Convert, WorkedConversions) {
    const struct { float value; const char* unit; bool area; const char *inches, *sqIn, *diameter; }
        rows[] = {
        {140, "MILLIMETERS", false, "5.512", "23.860", ""},
        {2, "METERS", false, "78.740", "4869.484", ""},
        {100, "SQUARE INCHES", true, "", "100.000", "11.284"},
        {1, "SQUARE FEET", true, "", "144.000", "13.541"},
        {1, "SQUARE METERS", true, "", "1550.003", "44.424"},
        {-4, "SQUARE INCHES", true, "", "-4.000", "Error"},  // no circle has a negative area
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.value << " " << r.unit);
        const Conversion c = convertToInches(r.value, r.unit);
        EXPECT_TRUE(c.known);
        EXPECT_EQ(std::tuple(c.area, c.inches, c.squareInches, c.equivalentDiameter),
                  std::tuple(r.area, r.inches, r.sqIn, r.diameter));
    }
}

// Units are compared exactly: other letters, blanks or units give nothing.
TEST(Convert, UnknownUnitsGiveNothing) {
    for (const char* unit : {"millimeters", "SQUARE FEET ", "INCHES", ""}) {
        const Conversion c = convertToInches(25, unit);
        EXPECT_FALSE(c.known) << unit;
        EXPECT_EQ(c.inches + c.squareInches + c.equivalentDiameter, "") << unit;
    }
    for (const std::string& unit : convertUnits()) EXPECT_TRUE(convertToInches(1, unit).known) << unit;
}

}  // namespace
}  // namespace quorin::test
