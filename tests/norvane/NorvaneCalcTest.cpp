#include <cmath>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class NorvaneCalc : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        hooks().selectControl = [this](const std::string& c) { selected.push_back(c); };
        modnrvLoadPipeTbl();
        nrvLoadDefaults("12-07-2026");
        nrvRecalcAll();
    }
    std::vector<std::string> selected;
};

TEST_F(NorvaneCalc, DefaultAirCaseGivesTheWorkedFigures) {
    const auto& S = shared();
    EXPECT_EQ(Format(S.SpecGrav, "0.0000"), "1.0000");
    EXPECT_FLOAT_EQ(S.CpCv, 1.4f);
    EXPECT_DOUBLE_EQ(S.FlowCoe, 0.637);
    EXPECT_EQ(Format(S.Bfactor, "0.00e+00"), "5.66e-03");
    for (NrvCase which : kNrvCaseOrder) {
        NrvCaseFields c = nrvCase(shared(), which);
        EXPECT_EQ(Format(c.dens, "0.0000"), "0.1258");
        EXPECT_EQ(Format(c.thermExpCor, "0.0000"), "0.9995");
        EXPECT_EQ(Format(c.gasExpCor, "0.0000"), "0.9990");
        EXPECT_EQ(Format(c.dp, "0.000"), "6.425");
        EXPECT_EQ(Format(c.vel, "0.00"), "83.08");
        EXPECT_EQ(Format(c.velMps, "0.00"), "25.32");
        // h1 = DP with CY = 1
        EXPECT_TRUE(near(c.dp * c.gasExpCor * c.gasExpCor, 6.4113, 2e-5));
    }
    EXPECT_TRUE(selected.empty());
}

TEST_F(NorvaneCalc, StandardCubicFeetPerMinute) {
    auto& S = shared();
    S.FlowUnit = "SCFM";
    modnrvGasExpCor();
    modnrvVelFps();
    modnrvDpCalc();
    EXPECT_EQ(Format(S.GasExpCorMax, "0.0000"), "0.9996");
    EXPECT_EQ(Format(S.DpNorm, "0.000"), "2.371");
    EXPECT_EQ(Format(S.VelMin, "0.00"), "50.39");
    // h1 from the CY: CY = 1 - B h1 / (k Pabs)
    const double h1 = (1 - S.GasExpCorMax) * 1.4 * 24.696 / S.Bfactor;
    EXPECT_TRUE(near(h1, 2.36881, 1e-5));  // 5.63617, not 5.636
}

TEST_F(NorvaneCalc, WaterInAFourInchLine) {
    auto& S = shared();
    S.FluidState = "LIQUID";
    nrvFluidStateChanged();
    EXPECT_EQ(S.Fluid, "WATER");
    EXPECT_EQ(S.FlowUnit, "GPM");
    S.FlowRateMax = S.FlowRateNorm = S.FlowRateMin = 100;
    S.LineSize = 4;
    modnrvPipeTbl();
    modnrvFlowCoeK();
    modnrvBfactor();
    modnrvGasExpCor();
    modnrvVelFps();
    modnrvDpCalc();
    EXPECT_FLOAT_EQ(S.LineId, 4.026f);
    EXPECT_DOUBLE_EQ(S.FlowCoe, 0.648);
    EXPECT_EQ(Format(S.SpecGrav, "0.0000"), "1.0000");
    EXPECT_EQ(Format(S.DpMax, "0.000"), "2.827");
    EXPECT_EQ(Format(S.VelNorm, "0.00"), "2.52");
    EXPECT_EQ(Format(S.DensMinKg, "0.00"), "999.07");
    EXPECT_FALSE(std::isfinite(S.GasExpCorMax));  // no gas expansion for GPM
}

TEST_F(NorvaneCalc, FlowCoefficientBySize) {
    auto& S = shared();
    // Sizes off the list: from 24 up the last row; below it, none.
    const struct { float n; double k; bool selects; } rows[] = {
        {30, 0.616, false}, {100, 0.616, false}, {5, 0.617, true}, {23.9f, 0.617, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.n);
        S.FlowCoe = 0.617;
        selected.clear();
        S.LineSize = r.n;
        modnrvFlowCoeK();
        EXPECT_DOUBLE_EQ(S.FlowCoe, r.k);
        EXPECT_EQ(selected, r.selects ? Lines{"cboLineSize"} : Lines{});
    }
}

TEST_F(NorvaneCalc, BFactorBandsIncludeTheirUpperEdge) {
    auto& S = shared();
    const double pi = 3.14159265359;
    const struct { float d; double c; } rows[] = {
        {1, 1.5}, {4, 1.5}, {4.026f, 3.5}, {5, 3.5}, {5.5f, 2.0}, {9, 2.0},
        {9.5f, 3.0}, {15, 3.0}, {15.25f, 4.0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.d);
        S.LineId = r.d;
        modnrvBfactor();
        const double t = 1 - r.c / (pi * double(r.d));
        EXPECT_DOUBLE_EQ(S.Bfactor, 0.011332 * t * t - 0.00342);
    }
    for (float d : {0.0f, -1.0f}) {
        S.Bfactor = 0.5;
        S.LineId = d;
        modnrvBfactor();
        EXPECT_EQ(S.Bfactor, 0.5);
    }
}

TEST_F(NorvaneCalc, LineSizeTable) {
    auto& S = shared();
    const struct { float n, id, wall, od; } rows[] = {
        {6, 6.065f, 0.28f, 6.625f}, {12, 11.938f, 0.406f, 12.75f}, {72, 71.25f, 0.375f, 72},
        {5, 71.25f, 0.375f, 72},  // no row: ID and wall stay
        {0, 71.25f, 0.375f, 72},  // the empty rows are not a size
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.n);
        S.LineSize = r.n;
        modnrvPipeTbl();
        EXPECT_FLOAT_EQ(S.LineId, r.id);
        EXPECT_FLOAT_EQ(S.LineWall, r.wall);
        EXPECT_NEAR(S.LineOd, r.od, 1e-5);
    }
    EXPECT_EQ(nrvScheduleFor(12), "40");
    EXPECT_EQ(nrvScheduleFor(14), "STD");
}

TEST_F(NorvaneCalc, GasLookupIgnoresCaseAndKnowsMethylChloride) {
    auto& S = shared();
    const struct { const char* fluid; float k, mw; bool selects; } rows[] = {
        {"METHYL CHLORIDE", 1.2f, 50.488f, false},
        {"N-BUTANE", 1.11f, 58.123f, false},
        {"hydrogen", 1.41f, 2.016f, false},
        {"HYDROGEN CHLORIDE", 1.41f, 36.461f, false},
        {"UNOBTAINIUM", 1.41f, 36.461f, true},  // keeps the previous k and MW
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.fluid);
        selected.clear();
        S.Fluid = r.fluid;
        modnrvGasCpCvk();
        EXPECT_FLOAT_EQ(S.CpCv, r.k);
        EXPECT_FLOAT_EQ(S.MolW, r.mw);
        EXPECT_FLOAT_EQ(S.SpecGrav, float(double(r.mw) / 28.964));
        EXPECT_EQ(selected, r.selects ? Lines{"cboFluidState"} : Lines{});
    }
}

TEST_F(NorvaneCalc, TemperatureAndPressureUnits) {
    auto& S = shared();
    S.TempUnitIn = "deg C";
    S.TempMax = 100;
    modnrvTemp();
    EXPECT_FLOAT_EQ(S.TempMaxF, 212);
    EXPECT_FLOAT_EQ(S.TempMaxC, 100);

    const struct { const char* unit; float p; double psig, kg; } rows[] = {
        {"PSIG", 10, 10, 10 / 14.22365},
        {"psia", 10, 10 - 14.696, (10 - 14.696) / 14.22365},
        {"BAR G", 1, 14.504, 1 / 0.9806},
        {"Kg/cm^2 G", 1, 14.22365, 1},
        {"KPa G", 100, 14.504, 100 / 98.06},
        {"INCHES H2O G", 100, 3.6127, 100 / 393.7},
        {"TORR (mmHg) G", 100, 1.9337, 100 / 735.5},
        {"BAR A", 2, 2 * 14.504 - 14.696, (2 * 14.504 - 14.696) / 14.22365},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.unit);
        S.PressUnit = r.unit;
        S.PressMax = S.PressNorm = S.PressMin = r.p;
        modnrvPressCalc();
        EXPECT_NEAR(S.PressMinPsig, r.psig, 1e-5);
        EXPECT_NEAR(S.PressNormKg, r.kg, 1e-5);
    }
    S.PressUnit = "PSI";  // not a unit: nothing converted
    S.PressMax = 99;
    modnrvPressCalc();
    EXPECT_NEAR(S.PressMaxPsig, 2 * 14.504 - 14.696, 1e-5);
}

TEST_F(NorvaneCalc, SteamStateDefaultsAndDensity) {
    auto& S = shared();
    S.FluidState = "steam";
    nrvFluidStateChanged();
    EXPECT_EQ(S.Fluid, "STEAM (SATURATED)");
    EXPECT_EQ(S.FlowUnit, "PPH");
    EXPECT_FLOAT_EQ(S.CpCv, 1.3f);
    EXPECT_FLOAT_EQ(S.MolW, 18.015f);
    EXPECT_FLOAT_EQ(S.FlowRateNorm, 2000);
    EXPECT_FLOAT_EQ(S.TempMin, 212);
    EXPECT_FLOAT_EQ(S.PressMax, 0);
    // Saturated steam at 212 deg F and one atmosphere: about 0.0373 lb/ft^3.
    EXPECT_NEAR(S.DensNorm, 0.0373, 0.0005);
    EXPECT_DOUBLE_EQ(S.ThermExpCorMax, 1.014 - 0.016 * (1000 - 212.0) / 1025);
    EXPECT_TRUE(std::isfinite(S.DpMax));

    // 0 psig in an absolute unit is the base pressure.
    S.PressUnit = "PSIA";
    S.FluidState = "STEAM";
    nrvFluidStateChanged();
    EXPECT_FLOAT_EQ(S.PressMin, 14.696f);
    EXPECT_NEAR(S.PressMinPsig, 0, 1e-6);
}

TEST_F(NorvaneCalc, FlowUnitSetsBaseConditions) {
    auto& S = shared();
    S.BaseTemp = 77, S.BasePress = 13;
    S.FlowUnit = "m3/hr";
    nrvFlowUnitChanged();
    EXPECT_FLOAT_EQ(S.BaseTemp, 32);
    EXPECT_FLOAT_EQ(S.BasePress, 14.69947f);
    EXPECT_FLOAT_EQ(S.BaseTempC, 0);
    EXPECT_NEAR(S.BasePressKg, 14.69947 * 0.07031, 1e-6);
    S.FlowUnit = "ACFM";
    nrvFlowUnitChanged();
    EXPECT_FLOAT_EQ(S.BaseTemp, 60);
    EXPECT_FLOAT_EQ(S.BasePress, 14.696f);
    EXPECT_EQ(Format(S.DpMax, "0.000"), "6.425");
}

// Every unit each state offers, worked by hand from the formulas: the
// defaults line (6 in, D 6.065, K 0.637) with 1000 of the unit for gas, 2000
// PPH/Kg/hr of steam at 212 deg F and 0 psig, water at 100 in a 4 in line;
// the metric units at their base of 0 deg C and 14.69947 psia.
TEST_F(NorvaneCalc, EveryOfferedUnitGivesItsWorkedFigures) {
    auto& S = shared();
    const struct { const char* state; const char* unit; double cy, dp, fps, mps; } rows[] = {
        {"GAS", "ACFM", 0.998951, 6.42478, 83.0791, 25.3225},
        {"GAS", "ACFH", 1.000000, 0.00178, 1.3845, 0.4220},
        {"GAS", "SCFM", 0.999612, 2.37079, 50.3860, 15.3577},
        {"GAS", "SCFH", 1.000000, 0.000658, 0.8362, 0.25486},
        {"GAS", "m3/hr", 0.999637, 2.21963, 48.8949, 14.9032},
        {"GAS", "Nm3/hr", 0.999851, 0.91379, 31.3482, 9.55493},
        {"GAS", "PPH", 0.999982, 0.112468, 11.0031, 3.3538},
        {"GAS", "Kg/hr", 0.999911, 0.54590, 24.2548, 7.39285},
        {"STEAM", "PPH", 0.999553, 1.51162, 74.2086, 22.6188},
        {"STEAM", "Kg/hr", NAN, 7.36067, 163.5652, 49.8547},
        {"LIQUID", "GPM", NAN, 2.82651, 2.5203, 0.76819},
        {"LIQUID", "LPM", NAN, 0.19726, 0.6658, 0.20293},
        {"LIQUID", "bbl/day", NAN, 0.00240, 0.073417, 0.0223776},
        {"LIQUID", "m3/hr", NAN, 54.783, 11.0963, 3.38215},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.state) + " " + r.unit);
        nrvLoadDefaults("");
        S.FluidState = r.state;
        nrvFluidStateChanged();
        if (nrvState(r.state) == NrvState::Liquid) {
            S.LineSize = 4;
            modnrvPipeTbl();
            modnrvFlowCoeK();
            modnrvBfactor();
            S.FlowRateMax = S.FlowRateNorm = S.FlowRateMin = 100;
        }
        S.FlowUnit = r.unit;
        nrvFlowUnitChanged();
        for (NrvCase which : kNrvCaseOrder) {
            NrvCaseFields c = nrvCase(S, which);
            if (!std::isnan(r.cy)) {
                EXPECT_TRUE(near(c.gasExpCor, r.cy, 2e-6));
            }
            EXPECT_TRUE(near(c.dp, r.dp, r.dp < 0.01 ? 3e-3 : 2e-5));
            EXPECT_TRUE(near(c.vel, r.fps, 1e-4));
            EXPECT_TRUE(near(c.velMps, r.mps, 1e-4));
        }
    }
}

TEST_F(NorvaneCalc, UnitsAStateCannotServeGiveError) {
    auto& S = shared();
    S.FluidState = "LIQUID";
    nrvFluidStateChanged();
    S.FlowUnit = "ACFM";
    modnrvDpCalc();
    EXPECT_EQ(Format(S.DpMax, "0.000"), "Error");
    S.FluidState = "STEAM (SATURATED)";
    S.FlowUnit = "m3/hr";
    modnrvDpCalc();
    EXPECT_EQ(Format(S.DpNorm, "0.000"), "Error");
    S.FlowUnit = "furlongs";
    modnrvVelFps();
    modnrvGasExpCor();
    EXPECT_EQ(Format(S.VelMax, "0.00"), "Error");
    EXPECT_EQ(Format(S.VelMpsMin, "0.00"), "Error");
    EXPECT_EQ(Format(S.GasExpCorMin, "0.0000"), "Error");
}

// A text that is not a fluid state changes no property, density or list.
TEST_F(NorvaneCalc, UnknownStateChangesNothing) {
    auto& S = shared();
    S.FluidState = "PLASMA";
    S.Fluid = "HELIUM";
    modnrvGasCpCvk();
    modnrvDensCalc();
    nrvFluidStateChanged();
    EXPECT_FLOAT_EQ(S.CpCv, 1.4f);
    EXPECT_EQ(Format(S.DensMax, "0.0000"), "0.1258");
    EXPECT_EQ(S.Fluid, "HELIUM");
    EXPECT_TRUE(modnrvAddFlowUnit("PLASMA").empty());
}

TEST_F(NorvaneCalc, ArithmeticFaultsGiveError) {
    auto& S = shared();
    S.CompNorm = 0;
    S.LineId = 0;
    modnrvDensCalc();
    modnrvGasExpCor();
    modnrvVelFps();
    modnrvDpCalc();
    EXPECT_EQ(Format(S.DensNorm, "0.0000"), "Error");
    EXPECT_EQ(Format(S.DpMax, "0.000"), "Error");
    EXPECT_EQ(Format(S.VelMin, "0.00"), "Error");
}

// What each entry recalculates, on the default air case in SCFM (whose
// velocity follows the conditions): the figures of the maximum case that the
// change moves, and nothing left stale: the full recalculation of the same
// entries gives the same figures. The moves follow from the formulas: the
// SCFM velocity depends on T, Z and the absolute pressure, not on SG or the
// base temperature; CE on the temperature alone.
TEST_F(NorvaneCalc, EachEntryRecalculatesWhatItMoves) {
    enum Figure : unsigned { Dens = 1, CE = 2, CY = 4, Vel = 8, DP = 16, SG = 32, B = 64, OD = 128, K = 256 };
    auto figures = [] {
        const auto& S = shared();
        return std::vector<double>{S.DensMax, S.ThermExpCorMax, S.GasExpCorMax, S.VelMax, S.DpMax,
                                   S.SpecGrav, S.Bfactor,       S.LineOd,       S.FlowCoe};
    };
    const struct {
        const char* entry;
        void (*change)(SharedState&);
        void (*recalc)();
        unsigned moves;
        bool asFullRecalc;  // false: the full recalculation takes the MW of the named gas again
    } rows[] = {
        {"flow rate", [](SharedState& S) { S.FlowRateMax = 1500; }, nrvFlowRateChanged, CY | Vel | DP, true},
        {"temperature", [](SharedState& S) { S.TempMax = 200; }, nrvTempChanged, Dens | CE | CY | Vel | DP, true},
        {"pressure", [](SharedState& S) { S.PressMax = 50; }, nrvPressChanged, Dens | CY | Vel | DP, true},
        {"pressure unit", [](SharedState& S) { S.PressUnit = "BAR G"; }, nrvPressUnitChanged,
         Dens | CY | Vel | DP, true},
        {"compressibility", [](SharedState& S) { S.CompMax = 0.8f; }, nrvCompChanged, Dens | CY | Vel | DP, true},
        {"fluid", [](SharedState& S) { S.Fluid = "METHANE"; }, nrvFluidChanged, SG | Dens | CY | DP, true},
        {"line size", [](SharedState& S) { S.LineSize = 8; }, nrvLineSizeChanged, OD | K | B | CY | Vel | DP, true},
        {"inside diameter", [](SharedState& S) { S.LineId = 5; }, nrvInsideDiameterChanged,
         OD | B | CY | Vel | DP, true},
        {"molecular weight", [](SharedState& S) { S.MolW = 16; }, nrvMolWeightChanged, SG | Dens | CY | DP, false},
        {"base temperature", [](SharedState& S) { S.BaseTemp = 32; }, nrvBaseTempChanged, CY | DP, true},
        {"base pressure", [](SharedState& S) { S.BasePress = 14; }, nrvBasePressChanged, Dens | CY | Vel | DP, true},
    };
    auto& S = shared();
    for (const auto& r : rows) {
        SCOPED_TRACE(r.entry);
        nrvLoadDefaults("");
        S.FlowUnit = "SCFM";
        nrvRecalcAll();
        const std::vector<double> before = figures();
        r.change(S);
        r.recalc();
        const std::vector<double> after = figures();
        unsigned moved = 0;
        for (size_t i = 0; i < after.size(); ++i)
            if (after[i] != before[i]) moved |= 1u << i;
        EXPECT_EQ(moved, r.moves);
        if (r.asFullRecalc) {
            nrvRecalcAll();
            EXPECT_EQ(figures(), after);
        }
    }
    // A new size brings its schedule and the carbon-steel material.
    S.LineMat = "SS";
    S.LineSize = 16;
    nrvLineSizeChanged();
    EXPECT_EQ(std::tuple(S.LineSch, S.LineMat, S.LineId), std::tuple(std::string("STD"), std::string("CS"), 15.25f));
    EXPECT_TRUE(selected.empty());
}

// A metric standard-volume flow: Nm3/hr at 0 deg C base.
TEST_F(NorvaneCalc, NormalCubicMetres) {
    auto& S = shared();
    S.FlowUnit = "Nm3/hr";
    nrvFlowUnitChanged();
    // 1000 Nm3/hr of air at 10 psig and 70 deg F in 6.065 in:
    // actual m3/hr = 1000 x (294.26 / 273.15) x (1.03327 / 1.73639).
    const double pabsKg = 14.69947 * 0.07031 + 10 / 14.22365;
    const double actual = 1000 * (21.111111 + 273.15) / 273.15 * (14.69947 * 0.07031) / pabsKg;
    EXPECT_TRUE(near(S.VelMpsMax, 0.548201455942 * actual / (6.065 * 6.065), 2e-3));
}

}  // namespace
}  // namespace quorin::test

namespace quorin::test {
namespace {

// The tables as the fluid list, the line-size list and the K lookup give
// them, row by row.
TEST_F(NorvaneCalc, GasTableRowByRow) {
    const struct { const char* name; float k, mw; } rows[] = {
        {"AIR", 1.4f, 28.964f},           {"ACETYLENE", 1.3f, 26.27f},
        {"AMMONIA", 1.32f, 17.263f},      {"ARGON", 1.67f, 39.948f},
        {"n-BUTANE", 1.11f, 58.123f},     {"CARBON DIOXIDE", 1.3f, 44.01f},
        {"CARBON MONOXIDE", 1.4f, 28.01f}, {"CHLORINE", 1.33f, 70.906f},
        {"ETHANE", 1.22f, 30.07f},        {"ETHYLENE", 1.22f, 28.054f},
        {"HELIUM", 1.66f, 4.003f},        {"HYDROGEN CHLORIDE", 1.41f, 36.461f},
        {"HYDROGEN", 1.41f, 2.016f},      {"HYDROGEN SULPHIDE", 1.3f, 34.082f},
        {"METHANE", 1.32f, 16.043f},      {"NATURAL GAS", 1.27f, 19.5f},
        {"NITROUS OXIDE", 1.31f, 44.013f}, {"NITRIC OXIDE", 1.4f, 30.006f},
        {"NITROGEN", 1.41f, 28.013f},     {"OXYGEN", 1.4f, 31.999f},
        {"PROPANE", 1.15f, 44.097f},      {"PROPENE PROPYLENE", 1.14f, 42.081f},
        {"SULFUR DIOXIDE", 1.26f, 64.065f},
    };
    auto& S = shared();
    ASSERT_EQ(modnrvAddFluid().size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(modnrvAddFluid()[i], rows[i].name);
        S.Fluid = rows[i].name;
        S.CpCv = 0, S.MolW = 0;
        modnrvGasCpCvk();
        EXPECT_EQ(S.CpCv, rows[i].k);
        EXPECT_EQ(S.MolW, rows[i].mw);
    }
    EXPECT_EQ(modnrvAddFlowUnit("gas"),
              Lines({"ACFM", "ACFH", "SCFM", "SCFH", "m3/hr", "Nm3/hr", "PPH", "Kg/hr"}));
    EXPECT_EQ(modnrvAddFlowUnit("STEAM (SATURATED)"), Lines({"PPH", "Kg/hr"}));
    EXPECT_EQ(modnrvAddFlowUnit("Liquid"),
              Lines({"GPM", "LPM", "m3/hr", "PPH", "Kg/hr", "bbl/day"}));
}

TEST_F(NorvaneCalc, LineSizesAndCoefficientsRowByRow) {
    const struct { const char* text; float n, id, wall; double k; } rows[] = {
        {".50", 0.5f, 0.622f, 0.109f, 0.395},   {".75", 0.75f, 0.824f, 0.113f, 0.425},
        {"1.00", 1, 1.049f, 0.133f, 0.537},     {"1.25", 1.25f, 1.38f, 0.14f, 0.568},
        {"1.50", 1.5f, 1.61f, 0.145f, 0.573},   {"2.00", 2, 2.067f, 0.154f, 0.595},
        {"2.50", 2.5f, 2.469f, 0.203f, 0.630},  {"3.00", 3, 3.068f, 0.216f, 0.640},
        {"3.50", 3.5f, 3.548f, 0.226f, 0.644},  {"4.00", 4, 4.026f, 0.237f, 0.648},
        {"6.00", 6, 6.065f, 0.28f, 0.637},      {"8.00", 8, 7.981f, 0.322f, 0.645},
        {"10.00", 10, 10.02f, 0.365f, 0.636},   {"12.00", 12, 11.938f, 0.406f, 0.627},
        {"14.00", 14, 13.25f, 0.375f, 0.625},   {"16.00", 16, 15.25f, 0.375f, 0.623},
        {"18.00", 18, 17.25f, 0.375f, 0.620},   {"20.00", 20, 19.25f, 0.375f, 0.617},
        {"22.00", 22, 21.25f, 0.375f, 0.617},   {"24.00", 24, 23.25f, 0.375f, 0.616},
        {"26.00", 26, 25.25f, 0.375f, 0.616},   {"28.00", 28, 27.25f, 0.375f, 0.616},
        {"30.00", 30, 29.25f, 0.375f, 0.616},   {"32.00", 32, 31.25f, 0.375f, 0.616},
        {"34.00", 34, 33.25f, 0.375f, 0.616},   {"36.00", 36, 35.25f, 0.375f, 0.616},
        {"42.00", 42, 41.25f, 0.375f, 0.616},   {"48.00", 48, 47.25f, 0.375f, 0.616},
        {"54.00", 54, 53.25f, 0.375f, 0.616},   {"60.00", 60, 59.25f, 0.375f, 0.616},
        {"72.00", 72, 71.25f, 0.375f, 0.616},
    };
    auto& S = shared();
    ASSERT_EQ(nrvLineSizeTexts().size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].text);
        EXPECT_EQ(nrvLineSizeTexts()[i], rows[i].text);
        S.LineId = S.LineWall = 0;
        S.LineSize = float(leadingNumber(rows[i].text));
        EXPECT_EQ(S.LineSize, rows[i].n);
        modnrvPipeTbl();
        modnrvFlowCoeK();
        EXPECT_EQ(S.LineId, rows[i].id);
        EXPECT_EQ(S.LineWall, rows[i].wall);
        EXPECT_DOUBLE_EQ(S.FlowCoe, rows[i].k);
    }
    EXPECT_TRUE(selected.empty());
}

}  // namespace
}  // namespace quorin::test
