// The liquid entries' rules: the kind of each viscosity unit and its note,
// the density of a specific gravity, and the unit lists against the
// conversions that read them.
#include <functional>
#include <limits>

#include "liquid/InputRules.h"
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using LqdInputRules = CoreTest;

// Dynamic units are compared exactly as the list writes them.
TEST_F(LqdInputRules, ViscosityKindsAndTheirNotes) {
    const std::pair<const char*, ViscKind> rows[] = {
        {"centipoise", ViscKind::Dynamic},    {"lbm/ft-sec", ViscKind::Dynamic},
        {"centistokes", ViscKind::Kinematic}, {"ft^2/sec", ViscKind::Kinematic},
        {"ssu", ViscKind::Kinematic},         {"CENTIPOISE", ViscKind::Unknown},
        {"centipoise ", ViscKind::Unknown},   {"", ViscKind::Unknown}};
    for (const auto& [unit, kind] : rows) EXPECT_EQ(lqdViscKind(unit), kind) << unit;
    EXPECT_STREQ(lqdViscNote(ViscKind::Dynamic),
                 "Dynamic Viscosity Unit selected, please enter the Density OR specific gravity "
                 "of the fluid below.");
    EXPECT_STREQ(lqdViscNote(ViscKind::Kinematic),
                 "Kinematic Viscosity unit selected, the density OR specific gravity of the fluid "
                 "does not need to be entered below.");
    EXPECT_EQ(lqdViscNote(ViscKind::Unknown), nullptr);
    for (const std::string& unit : lqdViscUnits()) EXPECT_NE(lqdViscKind(unit), ViscKind::Unknown) << unit;
}

// Worked by hand: 0.8 x 62.3663 = 49.89304 lbm/ft^3; the density then reads
// back as specific gravity 0.8.
TEST_F(LqdInputRules, SpecificGravityGivesTheDensityInPoundsPerCubicFoot) {
    auto& S = shared();
    S.LqdDensityIn = 800, S.LqdDensUnit = "Kg/m^3";
    S.SpecGravity = 0.8f;
    modLqdGravityDensity();
    EXPECT_EQ(S.LqdDensityIn, 49.89304f);
    EXPECT_EQ(S.LqdDensUnit, "lbm/ft^3");
    modLqdDens();
    EXPECT_EQ(S.SpecGravity, 0.8f);
}

// Every unit a list offers is one its conversion knows: the result the
// conversion leaves unchanged for an unknown unit is written.
TEST_F(LqdInputRules, EveryListedUnitIsOneItsConversionKnows) {
    auto& S = shared();
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    using Run = std::function<double(const std::string&)>;
    const std::pair<const std::vector<std::string>&, Run> lists[] = {
        {lqdFlowUnits(),
         [&S](const std::string& u) { S.LqdFlowUnit = u, S.LqdFlowGpm = kNaN, modLqdGpmCalc(); return S.LqdFlowGpm; }},
        {lqdViscUnits(),
         [&S](const std::string& u) { S.LqdViscUnit = u, S.ViscCp = kNaN, modLqdVisc(); return S.ViscCp; }},
        {lqdDensUnits(),
         [&S](const std::string& u) { S.LqdDensUnit = u, S.DensityLbFt3 = kNaN, modLqdDens(); return S.DensityLbFt3; }},
    };
    for (const auto& [units, run] : lists) {
        ASSERT_FALSE(units.empty());
        for (const std::string& unit : units) {
            water(500, 6);
            EXPECT_TRUE(std::isfinite(run(unit))) << unit;
        }
    }
}

}  // namespace
}  // namespace quorin::test
