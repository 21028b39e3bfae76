// The ranges of the worked wafer and insertion cases are pinned by the
// results text files (tests/reports/data); here the rules of the selection.
#include <set>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using Codes = std::set<std::string>;
constexpr const char* kBiogas = "DIGESTER GAS 60/40";

class Selection : public CoreTest {
protected:
    static Codes candidates() {
        Codes codes;
        for (int slot = 1; slot <= 24; ++slot)
            if (shared().MeterModel[slot] != "NONE") codes.insert(shared().MeterModel[slot]);
        return codes;
    }
    // The medium at `psig` and `degF` (unless told 70 deg F, saturated steam
    // 400 deg F), sized.
    static Codes sized(const char* medium, float pipeIn, float acfm, float psig = 100, float degF = NAN) {
        if (std::isnan(degF)) degF = medium == std::string(kSteamSaturated) ? 400 : 70;
        airAt(psig, degF, pipeIn, acfm);
        shared().MediaIn = medium;
        modMediaIn();
        modAcfmCalc();
        modGasSelection();
        return candidates();
    }
};

// Hand computations, air at 100 psig and 70 deg F (0.58449 lb/ft^3,
// 1.19656e-5 lb/(ft s)): QWG20 (1.75 in bore) at 100 ACFM in a 2.067 in line;
// QNG and QNS at 1600 ACFM in a 6 in line (0.19635 ft^2); QWG05 (0.5 in bore)
// reaches a Reynolds number of 75628 at its 16 ACFM, so its half-inch ceiling
// of 50000 cuts the range to 10.578 ACFM. Saturated steam at 40 psig (about
// 0.128 lb/ft^3 by the steam tables): QNS from 300 ft/min (58.905 ACFM) to its
// 9500 ft/min (1865.33 ACFM), far below the Reynolds ceiling.
TEST_F(Selection, HandComputedRangesAndReynoldsNumbers) {
    const struct { const char* medium; float psig, degF, pipeIn, acfm; int slot; double rey, min, max; }
        rows[] = {
        {"AIR", 100, 70, 2.067f, 100, 5, 38586, 5, 200},
        {"AIR", 100, 70, 6, 1600, 8, 69105, 23.562, 1649.34},
        {"AIR", 100, 70, 6, 1600, 9, 51524, 54.39, 2179.48},
        {"AIR", 100, 70, 0.5f, 8, 1, 37814, 0.4, 10.578},
        {kSteamSaturated, 40, 287, 6, 1000, 9, 0, 58.905, 1865.33}};
    auto& S = shared();
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.medium << ", " << r.pipeIn << " in, slot " << r.slot);
        sized(r.medium, r.pipeIn, r.acfm, r.psig, r.degF);
        EXPECT_TRUE(r.rey == 0 || near(S.OperReynolds[r.slot - 1], r.rey, 2e-5))
            << S.OperReynolds[r.slot - 1];
        EXPECT_TRUE(near(S.MinFlowUser[r.slot - 1], r.min, 1e-4));
        EXPECT_TRUE(near(S.MaxFlowUser[r.slot - 1], r.max, 1e-4));
    }
    // Empty slots after the last candidate repeat its Reynolds number.
    EXPECT_EQ(S.OperReynolds[23], S.OperReynolds[8]);
}

// Diameter bands, both ends included, limits as 32-bit values; saturated
// steam takes the steam codes and drops the gas insertion meter, digester gas
// the biogas codes.
TEST_F(Selection, DiameterBandsOfferTheModelsOfTheLine) {
    const struct { const char* medium; float pipeIn, acfm; Codes codes; } rows[] = {
        {"AIR", 0.399f, 8, {}},         {"AIR", 0.4f, 8, {"QWG05"}},    {"AIR", 0.64f, 8, {"QWG05"}},
        {"AIR", 0.75f, 8, {}},          {"AIR", 0.85f, 8, {"QWG10"}},   {"AIR", 1.24f, 8, {"QWG10"}},
        {"AIR", 1.25f, 8, {"QWG15"}},   {"AIR", 1.745f, 8, {}},         {"AIR", 1.75f, 8, {"QWG20"}},
        {"AIR", 3.24f, 20, {"QWG30", "QNG"}},  {"AIR", 3.25f, 20, {"QWG40", "QNG"}},
        {"AIR", 4.25f, 100, {"QWG40", "QNG"}}, {"AIR", 4.5f, 100, {"QNG"}},
        {"AIR", 5.0f, 100, {"QNG", "QNS"}},
        {kSteamSaturated, 0.5f, 8, {"QWS05"}}, {kSteamSaturated, 5.0f, 100, {"QNS"}},
        {kBiogas, 0.5f, 8, {"QWBG05"}},        {kBiogas, 3.0f, 100, {"QWBG30", "QNG"}}};
    for (const auto& r : rows)
        EXPECT_EQ(sized(r.medium, r.pipeIn, r.acfm), r.codes) << r.medium << ", " << r.pipeIn << " in";
}

// The flow windows are inclusive, the insertion meters have no upper limit,
// and a flow of 0 fits nothing.
TEST_F(Selection, FlowWindows) {
    const struct { const char* medium; float pipeIn, acfm; bool kept; } rows[] = {
        {"AIR", 0.5f, 0.4f, true},            {"AIR", 0.5f, 0.399f, false},
        {"AIR", 0.5f, 16, true},              {"AIR", 0.5f, 16.01f, false},
        {kSteamSaturated, 0.5f, 10, true},    {kSteamSaturated, 0.5f, 10.01f, false},
        {"AIR", 4.5f, 6.0f, true},            {"AIR", 4.5f, 5.99f, false},
        {kSteamSaturated, 6, 37.8f, true},    {kSteamSaturated, 6, 37.7f, false},
        {kSteamSaturated, 6, 1e6f, true},     {"AIR", 6, 0, false}};
    for (const auto& r : rows)
        EXPECT_EQ(!sized(r.medium, r.pipeIn, r.acfm).empty(), r.kept)
            << r.medium << ", " << r.pipeIn << " in, " << r.acfm;
}

TEST_F(Selection, GasInsertionMeterTemperatureLimitsAreInclusive) {
    const struct { float degF; bool kept; } rows[] = {{300, true}, {301, false}, {-40, true}, {-41, false}};
    for (const auto& r : rows) {
        sized("AIR", 6, 1600, 100, r.degF);
        EXPECT_EQ(shared().MeterModel[8] == "QNG", r.kept) << r.degF;
        EXPECT_EQ(shared().MeterModel[9], "QNS") << r.degF;
    }
}

TEST_F(Selection, ResetClearsTheFlagsAndTheRanges) {
    auto& S = shared();
    sized("AIR", 2.067f, 100);
    S.FlowRangeFlag = S.PressRangeFlag = S.TempRangeFlag = S.ReyRangeFlag = 1;
    S.FlowRateIn = 0;  // nothing fits now
    modAcfmCalc();
    modGasSelection();
    EXPECT_TRUE(candidates().empty());
    EXPECT_EQ(std::tuple(S.MinFlowUser[4], S.MaxFlowUser[4], S.MaxFlowReyAcfm[4]), std::tuple(0, 0, 0));
    EXPECT_EQ(S.FlowRangeFlag + S.PressRangeFlag + S.TempRangeFlag + S.ReyRangeFlag, 0);
    EXPECT_EQ(std::tuple(S.MeterModel[24], S.MeterModel[25]), std::tuple("NONE", ""));
}

}  // namespace
}  // namespace quorin::test
