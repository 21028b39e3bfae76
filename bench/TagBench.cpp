// Tag lists: reading a 10,000-row list, sizing every row, and both, which
// the tag-list window needs within a second together with its table.
#include <benchmark/benchmark.h>

#include <string>

#include "tags/TagList.h"

namespace {

using namespace quorin::tags;

// Gas, steam and liquid rows in turn, with flows and pipes that vary, an
// unknown column and a quoted one.
std::string list(int rows) {
    std::string csv =
        "Workflow,Tag Number,Service,Media,Flow Rate,Flow Unit,Pipe Size,Pipe Unit,Pressure,"
        "Pressure Unit,Temperature,Temperature Unit,Density,Density Unit,Viscosity,Viscosity Unit\r\n";
    for (int k = 0; k < rows; ++k) {
        const std::string tag = "FT-" + std::to_string(1000 + k);
        const std::string flow = std::to_string(50 + k % 900);
        const std::string pipe = std::to_string(1 + k % 8);
        switch (k % 3) {
        case 0:
            csv += "Gas/Steam," + tag + ",\"Air, plant\",AIR," + flow + ",ACFM," + pipe +
                   ",INCHES,100,PSIG,70,deg F,,,,\r\n";
            break;
        case 1:
            csv += "Gas/Steam," + tag + ",Steam header,STEAM," + flow + "0,lbs/Hr," + pipe +
                   ",INCHES,150,PSIG,400,deg F,,,,\r\n";
            break;
        default:
            csv += "Liquid," + tag + ",Cooling,WATER," + flow + ",GPM," + pipe +
                   ",INCHES,,,20,deg C,998,Kg/m^3,1,centipoise\r\n";
        }
    }
    return csv;
}

const std::string& tenThousand() {
    static const std::string bytes = list(10000);
    return bytes;
}

void BM_ParseTagList(benchmark::State& state) {
    for (auto _ : state) {
        TagList l;
        std::string error;
        benchmark::DoNotOptimize(parseTagList(tenThousand(), l, error));
    }
}
BENCHMARK(BM_ParseTagList)->Unit(benchmark::kMillisecond);

void BM_SizeTags(benchmark::State& state) {
    TagList l;
    std::string error;
    parseTagList(tenThousand(), l, error);
    for (auto _ : state) benchmark::DoNotOptimize(sizeTags(l));
}
BENCHMARK(BM_SizeTags)->Unit(benchmark::kMillisecond);

void BM_ParseAndSizeTags(benchmark::State& state) {
    for (auto _ : state) {
        TagList l;
        std::string error;
        parseTagList(tenThousand(), l, error);
        benchmark::DoNotOptimize(sizeTags(l));
    }
}
BENCHMARK(BM_ParseAndSizeTags)->Unit(benchmark::kMillisecond);

void BM_TagListCsv(benchmark::State& state) {
    TagList l;
    std::string error;
    parseTagList(tenThousand(), l, error);
    for (auto _ : state) benchmark::DoNotOptimize(tagListCsv(l));
}
BENCHMARK(BM_TagListCsv)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
