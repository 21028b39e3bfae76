// The pipe chart's rows and the averaging-tube line sizes read one table.
#include "norvane/LineSizes.h"
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using LineSizes = CoreTest;

// The value of a chart size name: "1-1/4" is 1.25.
double fractionValue(const std::string& name) {
    const size_t slash = name.find('/');
    if (slash == std::string::npos) return std::stod(name);
    const size_t dash = name.find('-');
    const double whole = dash == std::string::npos ? 0 : std::stod(name.substr(0, dash));
    const size_t from = dash == std::string::npos ? 0 : dash + 1;
    return whole + std::stod(name.substr(from, slash - from)) / std::stod(name.substr(slash + 1));
}

// Row by row, the chart shows the averaging-tube table's size, I.D., wall
// and O.D. (= I.D. + 2 x wall), and the same series.
TEST_F(LineSizes, ChartRowsAreTheAveragingTubeRows) {
    auto& S = shared();
    modnrvLoadPipeTbl();
    const auto& chart = pipeChartRows();
    ASSERT_EQ(chart.size(), 31u);
    ASSERT_EQ(nrvLineSizeTexts().size(), chart.size());
    for (size_t k = 0; k < chart.size(); ++k) {
        const PipeChartRow& row = chart[k];
        SCOPED_TRACE(row.name);
        const auto& tbl = S.PipeTbl[k + 1];
        EXPECT_EQ(fractionValue(row.name), tbl[1]);
        EXPECT_EQ(leadingNumber(nrvLineSizeTexts()[k]), tbl[1]);
        EXPECT_EQ(std::stof(row.id), tbl[2]);
        EXPECT_EQ(std::stof(row.wall), tbl[3]);
        S.LineSize = tbl[1];
        modnrvPipeTbl();
        EXPECT_FLOAT_EQ(std::stof(row.od), S.LineOd);
        EXPECT_EQ(row.series, nrvScheduleFor(tbl[1]) == "40" ? "Sch 40" : "STD");
        EXPECT_EQ(pipeChartRow(row.name), &row);
    }
}

// The chart's texts of the published Schedule 40 and Standard weight
// dimensions: three decimals at most, no trailing zero, no zero before the
// point, except the O.D. of 1/2 and 3/4 inch as published.
TEST_F(LineSizes, ChartTexts) {
    const std::array<const char*, 5> rows[] = {
        {"1/2", ".622", ".840", ".109", "Sch 40"},  {"3/4", ".824", "1.050", ".113", "Sch 40"},
        {"1-1/4", "1.38", "1.66", ".14", "Sch 40"}, {"3-1/2", "3.548", "4", ".226", "Sch 40"},
        {"6", "6.065", "6.625", ".28", "Sch 40"},   {"14", "13.25", "14", ".375", "STD"}};
    for (const auto& [name, id, od, wall, series] : rows) {
        const PipeChartRow* row = pipeChartRow(name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(std::tuple(row->id, row->od, row->wall, row->series), std::tuple(id, od, wall, series))
            << name;
    }
    for (const char* name : {"6.00", "0.5", "38", "six", ""}) EXPECT_EQ(pipeChartRow(name), nullptr) << name;
}

TEST_F(LineSizes, TheChartStartsAtSixInches) {
    const auto& S = shared();
    loadPipeChart();
    EXPECT_EQ(std::tuple(S.PipeChartSize, S.PipeChartId, S.PipeChartOd, S.PipeChartWall),
              std::tuple("6", 6.065f, 6.625f, 0.28f));
}

}  // namespace
}  // namespace quorin::test
