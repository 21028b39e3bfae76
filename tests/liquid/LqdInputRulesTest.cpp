// The liquid entries' rules: the kind of each viscosity unit, the density of
// a specific gravity, and the unit lists against the conversions that read
// them.
#include "liquid/InputRules.h"
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using LqdInputRules = CoreTest;

// Units are compared exactly as the list writes them; any other text has no
// kind and no note.
TEST_F(LqdInputRules, ViscosityKinds) {
    const std::pair<const char*, ViscKind> rows[] = {{"lbm/ft-sec", ViscKind::Dynamic},
        {"ssu", ViscKind::Kinematic}, {"CENTIPOISE", ViscKind::Unknown}, {"centipoise ", ViscKind::Unknown}};
    for (const auto& [unit, kind] : rows) EXPECT_EQ(lqdViscKind(unit), kind) << unit;
    for (const std::string& unit : lqdViscUnits()) EXPECT_NE(lqdViscKind(unit), ViscKind::Unknown) << unit;
    EXPECT_EQ(lqdViscNote(ViscKind::Unknown), nullptr);
}

// Worked by hand: 0.8 x 62.3663 = 49.89304 lbm/ft^3, which reads back as
// specific gravity 0.8.
TEST_F(LqdInputRules, SpecificGravityGivesTheDensityInPoundsPerCubicFoot) {
    auto& S = shared();
    S.LqdDensityIn = 800;
    S.LqdDensUnit = "Kg/m^3";
    S.SpecGravity = 0.8f;
    modLqdGravityDensity();
    EXPECT_EQ(std::tuple(S.LqdDensityIn, S.LqdDensUnit), std::tuple(49.89304f, "lbm/ft^3"));
    modLqdDens();
    EXPECT_EQ(S.SpecGravity, 0.8f);
}

// Every unit a list offers is one its conversion knows: the result the
// conversion leaves unchanged for an unknown unit is written (water at 500 GPM
// in a 6 in line, the units of each list in turn).
TEST_F(LqdInputRules, EveryListedUnitIsOneItsConversionKnows) {
    auto& S = shared();
    water(500, 6);
    expectEveryUnitKnown(lqdFlowUnits(), S.LqdFlowUnit, modLqdGpmCalc, S.LqdFlowGpm);
    expectEveryUnitKnown(lqdViscUnits(), S.LqdViscUnit, modLqdVisc, S.ViscCp);
    expectEveryUnitKnown(lqdDensUnits(), S.LqdDensUnit, modLqdDens, S.DensityLbFt3);
}

}  // namespace
}  // namespace quorin::test
