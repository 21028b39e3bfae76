// The standard meter range chart: the layout of the two fixed charts, and the
// liquid chart computed for water in a 2-inch, 3-inch and 6-inch line.
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class RangeChart : public CoreTest {
protected:
    // The chart's rows, the six columns of each joined by "|"; fails when
    // the columns are not in step.
    static Lines rowsOf(const RangeChartView& v) {
        Lines rows = v.meter;
        for (const auto* column : {&v.description, &v.minFlow, &v.maxFlow, &v.sizeIn, &v.sizeMm}) {
            EXPECT_EQ(column->size(), rows.size()) << "the columns are not in step";
            for (size_t k = 0; k < rows.size() && k < column->size(); ++k) rows[k] += "|" + (*column)[k];
        }
        return rows;
    }
    static RangeChartView chart(const char* sizingType) {
        shared().SizingType = sizingType;
        return modStdMeterRange();
    }
};

constexpr const char* kBlank = "|||||";

// The fixed charts are the catalogue's figures as text; what the chart adds
// is their layout: a blank row after each size (gas) or model (liquid), and
// "in gas applications" as a row of its own under the last steam entry.
TEST_F(RangeChart, FixedChartsSeparateTheirSizes) {
    const RangeChartView gas = chart("GAS"), liquid = chart("liquid");
    const Lines gasRows = rowsOf(gas), liquidRows = rowsOf(liquid);
    ASSERT_EQ(std::tuple(gasRows.size(), liquidRows.size()), std::tuple(31u, 10u));
    for (size_t k : {3, 7, 11, 15, 19, 23, 25, 27, 30}) EXPECT_EQ(gasRows[k], kBlank) << k;
    EXPECT_EQ(gasRows[29], "|in gas applications||||");
    for (size_t k = 1; k < liquidRows.size(); k += 2) EXPECT_EQ(liquidRows[k], kBlank) << k;
}

// Any other workflow opens an empty chart and keeps its name.
TEST_F(RangeChart, OtherWorkflowsGiveAnEmptyChart) {
    for (const char* type : {"NORVANE", "GAS "}) {
        const RangeChartView v = chart(type);
        EXPECT_EQ(std::tuple(rowsOf(v), v.ref, shared().SizingType), std::tuple(Lines{}, "", type));
    }
}

// Hand computations for water at 70 deg F and 1 cP (1.076391e-5 ft^2/s).
// The wafer minimum is bore^2 x 0.0408 x 60 x Reynolds number x viscosity /
// shedder width: QWL10 0.875^2 x 2.448 x 3447 x 1.076391e-5 / 0.01558 = 4.463 GPM. The insertion
// meter follows the pipe from 3 inches on: 1720 x 1.076391e-5 / 0.010417 =
// 1.7773 ft/s, so 3^2 x 2.448 x 1.7773 = 39.16 GPM, and 20 ft/s up.
TEST_F(RangeChart, AllLiquidChartForTheEnteredLine) {
    const Lines wafers = {
        "QPL05||1.3  GPM| 15  GPM|0.5|13.0",   kBlank, "QWL10||4.5  GPM| 44  GPM|1.0|25.0",   kBlank,
        "QWL15||9.8  GPM| 100  GPM|1.5|38.0",  kBlank, "QWL20||17.9  GPM| 175  GPM|2.0|51.0", kBlank,
        "QWL30||39.3  GPM| 400  GPM|3.0|76.0", kBlank};
    const std::pair<float, const char*> cases[] = {
        {2.999f, "QNL|||||"},
        {3, "QNL||39.2  GPM| 440.64  GPM|3.0|76.2"}};
    for (const auto& [pipeIn, insertionRow] : cases) {
        water(500, pipeIn);
        const RangeChartView v = chart("ALL LIQUID");
        Lines expected = wafers;
        expected.insert(expected.begin() + 2, {insertionRow, kBlank});
        EXPECT_EQ(rowsOf(v), expected) << pipeIn;
        EXPECT_EQ(std::tuple(v.ref, shared().SizingType), std::tuple("Based on 70 degF 1 Cp", "LIQUID"));
    }
    EXPECT_TRUE(near(shared().RangeMinVelFps[32], 1.77728, 1e-5));
    EXPECT_TRUE(near(shared().ChartMinFlowGpm[34], 4.463458, 1e-6));
}

// At 0.5 cP the insertion meter's Reynolds limit is 0.889 ft/s, below its
// floor: the chart shows the flow at 1 ft/s, 6^2 x 2.448 = 88.1 GPM.
TEST_F(RangeChart, InsertionMinimumIsRaisedToOneFootPerSecond) {
    water(500, 6, "GPM", 0.5);
    const RangeChartView v = chart("ALL LIQUID");
    EXPECT_EQ(rowsOf(v).at(2), "QNL||88.1  GPM| 1762.56  GPM|6.0|152.4");
    EXPECT_EQ(v.ref, "Based on 70 degF 0.5 Cp");
}

// Which slots are listed, and the figures a failed step leaves: a slot with
// a code but no figures (a shedder width of 0) shows its code on blank rows;
// a viscosity that is not finite claims no minimum, also not the insertion
// floor, while the maximums stay. Figures of an earlier run never survive.
TEST_F(RangeChart, FailedStepsLeaveBlankFiguresInStep) {
    const std::string qpl = "QPL05||1.3  GPM| 15  GPM|0.5|13.0";
    const std::string qnl = "QNL||156.6  GPM| 1762.56  GPM|6.0|152.4";
    const struct { const char* slot26Code; double viscFt2s; Lines firstRows; } cases[] = {
        {"J", 1.076391e-5, {qpl, kBlank, qnl, kBlank}},
        {"X26", 1.076391e-5, {qpl, kBlank, "X26|||||", kBlank, qnl, kBlank}},
        {"", NAN, {"QPL05||| 15  GPM|0.5|13.0", kBlank, "QNL||| 1762.56  GPM|6.0|152.4", kBlank}}};
    for (const auto& c : cases) {
        water(500, 6);
        auto& S = shared();
        S.MeterCode[26] = c.slot26Code;
        S.LqdViscFt2s = c.viscFt2s;
        S.SizingType = "ALL LIQUID";
        for (int i : {24, 25, 32}) S.RangeMinVelFps[i] = S.ChartMinFlowGpm[i] = 7;
        const Lines rows = rowsOf(modStdMeterRange());
        ASSERT_EQ(rows.size(), c.firstRows.size() + 8) << c.slot26Code;
        EXPECT_EQ(Lines(rows.begin(), rows.begin() + c.firstRows.size()), c.firstRows) << c.slot26Code;
        EXPECT_EQ(S.ChartMinFlowGpm[25], c.slot26Code == std::string("X26") ? 0 : 7) << c.slot26Code;
        if (std::isnan(c.viscFt2s)) {
            EXPECT_EQ(S.RangeMinVelFps[32] + S.ChartMinFlowGpm[32] + S.ChartMinFlowGpm[24], 0);
        }
    }
}

}  // namespace
}  // namespace quorin::test
