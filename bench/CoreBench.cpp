// Timings of the calculation chains a user waits for: the chain a pressure
// edit runs, and the whole Find Meter selection of the gas/steam and liquid
// screens (the liquid one also with its results view).
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

// A liquid of specific gravity 1 at 70 deg F, converted as the liquid input
// screen leaves it before Find Meter.
void setLiquidCase(float gpm, float pipeIn, double cP) {
    auto& S = shared();
    S = SharedState{};
    loadLiquidDefaults(false);
    S.LqdFlowRateIn = gpm;
    S.PipeSizeIn = pipeIn;
    S.LqdViscIn = cP;
    modLqdRecalc();
}

void lqdFindMeter(benchmark::State& state, float gpm, float pipeIn, double cP) {
    setLiquidCase(gpm, pipeIn, cP);
    for (auto _ : state) {
        modLqdSelection();
        benchmark::DoNotOptimize(shared().MaxFlowUser);
    }
}
BENCHMARK_CAPTURE(lqdFindMeter, Insertion6InchWater, 500, 6.0f, 1.0);
BENCHMARK_CAPTURE(lqdFindMeter, Insertion6InchHalfCentipoise, 500, 6.0f, 0.5);
BENCHMARK_CAPTURE(lqdFindMeter, Wafer1InchWater, 20, 1.049f, 1.0);
BENCHMARK_CAPTURE(lqdFindMeter, TwoWafersAt2Point25Inch, 45, 2.25f, 1.0);

void lqdFindMeterAndResults(benchmark::State& state, float gpm, float pipeIn, double cP) {
    setLiquidCase(gpm, pipeIn, cP);
    for (auto _ : state) {
        modLqdSelection();
        LiquidResultsScreen view = liquidResultsScreen(modLqdResults(), "12-06-2026");
        benchmark::DoNotOptimize(view);
    }
}
BENCHMARK_CAPTURE(lqdFindMeterAndResults, Insertion6InchWater, 500, 6.0f, 1.0);
BENCHMARK_CAPTURE(lqdFindMeterAndResults, Wafer1InchWater, 20, 1.049f, 1.0);
BENCHMARK_CAPTURE(lqdFindMeterAndResults, TwoWafersAt2Point25Inch, 45, 2.25f, 1.0);

// The plausibility check the input screens run after every edit: a typical
// gas case, steam below its saturation temperature, and a typical liquid
// case.
void gasCheck(benchmark::State& state, const char* medium, float degF) {
    setCase(medium, 100, degF, 2.067f, 100);
    for (auto _ : state) {
        CaseWarnings w = gasWarnings();
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK_CAPTURE(gasCheck, Air, "AIR", 70);
BENCHMARK_CAPTURE(gasCheck, SteamBelowSaturation, kSteamSaturated, 300);

void liquidCheck(benchmark::State& state) {
    setLiquidCase(500, 6.0f, 1.0);
    for (auto _ : state) {
        CaseWarnings w = liquidWarnings();
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK(liquidCheck);

}  // namespace

BENCHMARK_MAIN();
