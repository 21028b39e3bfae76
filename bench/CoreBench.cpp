// Timings of the calculation chains a user waits for: the chain a pressure
// edit runs, and the whole Find Meter selection.
#include <benchmark/benchmark.h>

#include "core.h"

namespace {

using namespace quorin;

void setCase(const char* medium, float psig, float degF, float pipeIn, float flow) {
    auto& S = shared();
    S = SharedState{};
    S.AtmoPressIn = 14.696f;
    S.AtmoPressUnitIn = "psia";
    S.PressIn = psig;
    S.PressUnitIn = "psig";
    S.PressRefIn = 14.696f;
    S.PressRefUnitIn = "psia";
    S.TempIn = degF;
    S.TempUnitIn = "deg F";
    S.TempRefIn = 60;
    S.TempRefUnitIn = "deg F";
    S.PipeSizeIn = pipeIn;
    S.PipeUnitIn = "Inches";
    S.FlowRateIn = flow;
    S.FlowUnitIn = "ACFM";
    S.MediaIn = medium;
    modAtmoPress();
    modPressure();
    modPressureRef();
    modTemperature();
    modTemperatureRef();
    modPipeSize();
    modMediaIn();
    modAcfmCalc();
}

void pressureChain(benchmark::State& state, const char* medium) {
    setCase(medium, 100, 338, 2.067f, 100);
    auto& S = shared();
    float psig = 100;
    for (auto _ : state) {
        S.PressIn = psig;
        modPressure();
        modMeterSpecs();
        modCalcDensVisc();
        modAcfmCalc();
        benchmark::DoNotOptimize(S.FlowAcfm);
        psig = psig == 100 ? 100.5f : 100;
    }
}
BENCHMARK_CAPTURE(pressureChain, Air, "AIR");
BENCHMARK_CAPTURE(pressureChain, SaturatedSteam, kSteamSaturated);

void findMeter(benchmark::State& state, float psig, float pipeIn, float flow) {
    setCase("AIR", psig, 70, pipeIn, flow);
    for (auto _ : state) {
        modGasSelection();
        benchmark::DoNotOptimize(shared().MaxFlowUser);
    }
}
BENCHMARK_CAPTURE(findMeter, Wafer100Psig, 100, 2.067f, 100);
BENCHMARK_CAPTURE(findMeter, Wafer250Psig, 250, 2.067f, 100);
BENCHMARK_CAPTURE(findMeter, Insertion6Inch, 100, 6.0f, 1600);

}  // namespace

BENCHMARK_MAIN();
