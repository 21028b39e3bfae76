// The plausibility warnings of both workflows: each appears for its case and
// goes when the case is corrected; the batch writes them to standard error.
#include <sstream>

#include "batch/Batch.h"
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Plausibility : public CoreTest {
protected:
    // The corrected cases: air at 0 PSIG, 70 deg F, 1600 ACFM in 6 in; water,
    // 500 GPM in 6 in. Then the warnings, all in one text.
    static void base(bool liquid) { liquid ? water(500, 6) : airAt(0, 70, 6, 1600); }
    static std::string check(bool liquid) {
        liquid ? modLqdRecalc() : recompute();
        std::string all;
        for (const std::string& line : (liquid ? liquidWarnings() : gasWarnings()).lines) all += line + "|";
        return all;
    }
};

// The steam table's row 14.696 psia gives 212.0 deg F; the tool's lookup agrees.
TEST_F(Plausibility, SaturationTemperatureIsTheSteamTables) {
    fillSteamTable();
    EXPECT_EQ(saturationTempF(14.696f), 212.0f);
    shared().SteamPsia = 114.696f;
    modSteamLookupPsia();
    EXPECT_EQ(saturationTempF(114.696f), shared().SteamTempF);
    EXPECT_TRUE(std::isnan(saturationTempF(9.9f)));
}

// Steam at 0 PSIG (14.696 psia) saturates at 212 deg F, 100 deg C (the table
// row above); exactly at saturation says nothing.
TEST_F(Plausibility, SteamBelowSaturationOffersTheSaturationTemperature) {
    const struct { const char* unit; float temp, fix; } rows[] = {
        {"deg F", 211.9f, 212}, {"deg C", 99, 100}, {"deg F", 212, 0}};
    for (const auto& r : rows) {
        base(false);
        shared().MediaIn = kSteamSaturated;
        shared().TempUnitIn = r.unit;
        shared().TempIn = r.temp;
        EXPECT_EQ(check(false).find("below its saturation temperature") != std::string::npos, r.fix > 0);
        EXPECT_EQ(gasWarnings().saturationTemp.value_or(0), r.fix) << r.temp;
    }
}

// Each field at zero or below; an unknown unit (from a case file, or typed into
// the liquid's editable flow list) with the value the conversion keeps; a flow
// too slow for every meter: 1 GPM of water gives at most 975.98 in QPL05 (0.546
// in bore, 0.0076667 ft shedder), below QPL05's 1304 (the catalogue).
TEST_F(Plausibility, EachWarningAppearsForItsCaseAndGoesWhenCorrected) {
    const struct { bool liquid; void (*spoil)(SharedState&); const char* line; } rows[] = {
        {false, [](SharedState& s) { s.FlowRateIn = 0; }, "Flow Rate is 0 ACFM: it must be above zero."},
        {false, [](SharedState& s) { s.PipeSizeIn = -2; }, "Pipe Size I.D. is -2 Inches"},
        {false, [](SharedState& s) { s.PressIn = -14.696f; }, "Pressure is 0 psia (absolute)"},
        {false, [](SharedState& s) { s.TempRefIn = -500; }, "Temperature Reference is -40.33 deg R"},
        {true, [](SharedState& s) { s.LqdDensityIn = 0; }, "Density is 0 lbm/ft^3"},
        {true, [](SharedState& s) { s.LqdViscIn = -1; }, "Viscosity is -1 centipoise"},
        {false, [](SharedState& s) { s.PressUnitIn = "psi"; },
         "Pressure: the unit \"psi\" is not one of its list; the calculation goes on with the "
         "pressure it had before, 14.696 psia."},
        {true, [](SharedState& s) { s.LqdFlowUnit = "gallons"; }, "with the flow it had before, 500 GPM."},
        {true, [](SharedState& s) { s.LqdFlowUnit = ""; }, "Flow Rate: no unit is given; the calculation"},
        {true, [](SharedState& s) { s.LqdFlowRateIn = 1; }, "at most 975.9818 (QPL05), below 1304,"},
    };
    for (const auto& r : rows) {
        base(r.liquid);
        EXPECT_EQ(check(r.liquid), "");
        r.spoil(shared());
        EXPECT_NE(check(r.liquid).find(r.line), std::string::npos) << r.line << "\n" << check(r.liquid);
    }
}

// The batch names each warning of a file on standard error; its status stays 0.
TEST_F(Plausibility, BatchWritesTheWarningsAndKeepsItsStatus) {
    makeDir();
    water(1, 6);
    const std::string file = (dir / "slow.dat").string();
    writeFile(file, liquidCaseFileBytes());
    std::ostringstream out, err;
    EXPECT_EQ(runBatch({"liquid", file, "-"}, out, err), 0);
    EXPECT_EQ(err.str().rfind(file + ": warning: At this flow the Reynolds number", 0), 0u) << err.str();
}

}  // namespace
}  // namespace quorin::test
