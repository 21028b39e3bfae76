// The pipe chart's rows, from the one table of line sizes the averaging-tube
// screen reads too.
#include "norvane/LineSizes.h"
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using LineSizes = CoreTest;

// The chart's texts of the published Schedule 40 and Standard weight
// dimensions: three decimals at most, no trailing zero, no zero before the
// point, except the O.D. of 1/2 and 3/4 inch as published. Each of the 31
// sizes is found again by its name, and no other name is.
TEST_F(LineSizes, ChartTexts) {
    const std::array<const char*, 5> rows[] = {
        {"1/2", ".622", ".840", ".109", "Sch 40"},  {"1-1/4", "1.38", "1.66", ".14", "Sch 40"},
        {"3-1/2", "3.548", "4", ".226", "Sch 40"}, {"14", "13.25", "14", ".375", "STD"}};
    for (const auto& [name, id, od, wall, series] : rows) {
        const PipeChartRow* row = pipeChartRow(name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(std::tuple(row->id, row->od, row->wall, row->series), std::tuple(id, od, wall, series))
            << name;
    }
    ASSERT_EQ(pipeChartRows().size(), 31u);
    for (const PipeChartRow& row : pipeChartRows()) EXPECT_EQ(pipeChartRow(row.name), &row) << row.name;
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
