// A clean case record and recording hooks for every core test.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core.h"

namespace quorin::test {

class CoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared() = SharedState{};
        hooks() = Hooks{};
        hooks().message = [this](const std::string& text) { messages.push_back(text); };
        hooks().beep = [this] { ++beeps; };
        hooks().showCustomGas = [this] { ++customGasAsked; };
    }
    void TearDown() override { hooks() = Hooks{}; }

    // The gas case the input screen starts with, before any edit.
    static void airAt(float psig, float degF, float pipeIn, float flow,
                      const char* flowUnit = "ACFM") {
        auto& S = shared();
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
        S.FlowUnitIn = flowUnit;
        S.MediaIn = "AIR";
        recompute();
    }

    // Every conversion an edit of each entry runs, in dependency order.
    static void recompute() {
        modAtmoPress();
        modPressure();
        modPressureRef();
        modTemperature();
        modTemperatureRef();
        modPipeSize();
        modMediaIn();
        modAcfmCalc();
    }

    std::vector<std::string> messages;
    int beeps = 0;
    int customGasAsked = 0;
};

// Relative closeness for worked figures quoted to a few significant digits.
inline ::testing::AssertionResult near(double actual, double expected, double relTol) {
    const double err = std::fabs(actual - expected);
    if (err <= relTol * std::fabs(expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << actual << " is not within " << relTol << " (relative) of " << expected;
}

}  // namespace quorin::test
