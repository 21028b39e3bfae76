// A clean case record and recording hooks for every core test.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core.h"

namespace quorin::test {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

inline std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
inline void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The CR LF lines of a file's bytes.
inline Lines split(const std::string& bytes) {
    Lines lines;
    size_t at = 0;
    for (size_t end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(bytes.substr(at, end - at));
    if (at < bytes.size()) lines.push_back(bytes.substr(at));
    return lines;
}

class CoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared() = SharedState{};
        hooks() = Hooks{};
        hooks().message = [this](const std::string& text) { messages.push_back(text); };
        hooks().beep = [this] { ++beeps; };
        hooks().showCustomGas = [this] { ++customGasAsked; };
    }
    void TearDown() override {
        hooks() = Hooks{};
        if (!dir.empty()) fs::remove_all(dir);
    }

    // An empty folder of this test's own, removed after it.
    const fs::path& makeDir() {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        dir = fs::temp_directory_path() / ("quorin-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        return dir;
    }

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

    // Water (specific gravity 1) at 70 deg F, 1 cP unless told, from the
    // defaults, with every conversion of the input screen run.
    static void water(float flow, float pipe, const char* flowUnit = "GPM", double visc = 1,
                      const char* viscUnit = "centipoise", float degF = 70,
                      const char* pipeUnit = "INCHES") {
        auto& S = shared();
        loadLiquidDefaults(true);
        S.LqdFlowRateIn = flow;
        S.LqdFlowUnit = flowUnit;
        S.PipeSizeIn = pipe;
        S.PipeUnitIn = pipeUnit;
        S.TempIn = degF;
        S.LqdViscIn = visc;
        S.LqdViscUnit = viscUnit;
        modLqdRecalc();
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

    // Runs `convert` with each unit of a list in `field`: the result it
    // writes for a unit it knows, not a number before, is one after.
    template <class Result>
    static void expectEveryUnitKnown(const std::vector<std::string>& units, std::string& field,
                                     void (*convert)(), Result& result) {
        EXPECT_FALSE(units.empty());
        for (const std::string& unit : units) {
            field = unit;
            result = Result(NAN);
            convert();
            EXPECT_TRUE(std::isfinite(result)) << unit;
        }
    }

    std::vector<std::string> messages;
    int beeps = 0;
    int customGasAsked = 0;
    fs::path dir;
};

// Relative closeness for worked figures quoted to a few significant digits.
inline ::testing::AssertionResult near(double actual, double expected, double relTol) {
    const double err = std::fabs(actual - expected);
    if (err <= relTol * std::fabs(expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << actual << " is not within " << relTol << " (relative) of " << expected;
}

}  // namespace quorin::test
