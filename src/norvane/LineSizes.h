// The one line-size table: carbon-steel pipe, Schedule 40 from 1/2 to 12
// inch and Standard weight (0.375 in wall) from 14 to 72 inch. The
// averaging-tube line sizes (PipeTbl, the line-size list) and the pipe
// chart read the same rows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorin {

// One nominal size, in inches.
struct LineSize {
    float nominal;
    float id;    // inside diameter
    float wall;  // wall thickness
    const char* publishedOd = nullptr;  // the chart's O.D. text where it is not the rule's
    // The outside diameter, id + 2 x wall as a 32-bit value (as nrvLineOd).
    float od() const;
};
// The 31 sizes, smallest first.
const std::vector<LineSize>& lineSizes();

// One row of the pipe chart, as the chart shows it.
struct PipeChartRow {
    LineSize size;
    std::string name;    // the nominal size as a fraction: "1/2", "1-1/4", "6"
    std::string id;      // ".622": three decimals at most, no trailing zero,
    std::string od;      //   no zero before the point; O.D. ".840" and
    std::string wall;    //   "1.050" as published
    std::string series;  // "Sch 40" below 14 inch, "STD" from 14 up
};
// The chart's rows, in the order of lineSizes().
const std::vector<PipeChartRow>& pipeChartRows();
// The row of a size name, compared exactly; nullptr when the chart lacks it.
const PipeChartRow* pipeChartRow(std::string_view name);
// The pipe chart's start-up: PipeChartSize "6" and its I.D., O.D. and wall
// as numbers (PipeChartId, PipeChartOd, PipeChartWall).
void loadPipeChart();

}  // namespace quorin
