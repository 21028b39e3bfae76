// The standard meter range chart: the fixed chart of the gas, biogas, steam
// and insertion models, the fixed chart of the liquid models, or the liquid
// models' ranges computed for the entered liquid case.
#pragma once

#include <string>
#include <vector>

namespace quorin {

// The six columns of the chart, row by row: row k of every column belongs to
// the same meter, and every column has the same number of rows. A blank row
// separates meter groups.
struct RangeChartView {
    std::string ref;  // the reference conditions over the chart
    std::vector<std::string> meter, description, minFlow, maxFlow, sizeIn, sizeMm;
};

// Builds the chart SizingType names (upper-cased): "GAS" and "LIQUID" the
// fixed charts, "ALL LIQUID" the chart computed from the catalogue at the
// viscosity and pipe of the liquid case; any other value gives an empty chart.
// Runs modMeterSpecs first. The computed chart writes RangeMinVelFps,
// ChartMinFlowGpm and ChartMaxFlowGpm of slots 25..38 it lists and sets
// SizingType back to "LIQUID".
RangeChartView modStdMeterRange();

}  // namespace quorin
