// The batch sizer: its command line and its exit status. That it writes what
// the screens' Save writes is checked with the screens.
#include <sstream>

#include "batch/Batch.h"
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class Batch : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        makeDir();
    }
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return runBatch(args, out, err);
    }
    std::string path(const char* name) const { return (dir / name).string(); }
    // A gas case as the screen saves it.
    static std::string gasCase(float psig, float pipeIn, float acfm) {
        loadGasDefaults();
        modGasRecalc();
        auto& S = shared();
        S.PressIn = psig, S.PipeSizeIn = pipeIn, S.FlowRateIn = acfm;
        S.CustomerIn = "Acme, Inc.";
        return gasCaseFileBytes();
    }
    // An averaging-tube case as the screen saves it: the start-up case with
    // other flows and line, or a gas of the user's own.
    static std::string tubeCase(float flow, float lineSize = 6, const char* fluid = "AIR") {
        modnrvLoadPipeTbl();
        nrvLoadDefaults("01-01-2026");
        nrvRecalcAll();
        auto& S = shared();
        S.FlowRateMax = S.FlowRateNorm = S.FlowRateMin = flow;
        S.LineSize = lineSize;
        if (fluid != S.Fluid) S.Fluid = fluid, S.CpCv = 1.18f, S.MolW = 86.47f;
        S.Cust = "Acme, Inc.";
        return norvaneDataFileBytes();
    }
    static std::string liquidCase(float gpm, float pipeIn) {
        loadLiquidDefaults(true);
        auto& S = shared();
        S.LqdFlowRateIn = gpm, S.PipeSizeIn = pipeIn, S.LqdViscIn = 1;
        return liquidCaseFileBytes();
    }

    std::ostringstream out, err;
};

TEST_F(Batch, UsageErrorsExitWithTwoAndTheUsage) {
    const std::vector<std::vector<std::string>> wrong = {
        {}, {"steam", "a.dat", "b.txt"}, {"gas"}, {"gas", "a.dat"}, {"gas", "a", "b", "c"}, {"liquid", "--dir", "out"},
        {"norvane", "a.dat"}, {"Norvane", "a.dat", "b.txt"}};
    for (const auto& args : wrong) {
        EXPECT_EQ(run(args), 2) << ::testing::PrintToString(args);
        EXPECT_NE(err.str().find("Usage: quorin-batch"), std::string::npos);
    }
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_EQ(out.str().rfind("Usage: quorin-batch gas|liquid|norvane IN.dat OUT.txt", 0), 0u);
}

TEST_F(Batch, OneCaseToAFileAndToStandardOutput) {
    writeFile(path("wafer.dat"), gasCase(100, 2.067f, 100));
    ASSERT_EQ(run({"gas", path("wafer.dat"), path("wafer.txt")}), 0) << err.str();
    const std::string report = readFile(path("wafer.txt"));
    EXPECT_NE(report.find("QWG20"), std::string::npos);
    EXPECT_NE(report.find("Acme, Inc."), std::string::npos);
    ASSERT_EQ(run({"gas", path("wafer.dat"), "-"}), 0);
    EXPECT_EQ(out.str(), report);
    EXPECT_TRUE(err.str().empty());
}

// Each file of a folder is sized as it is alone; a truncated or missing one is
// named with the reason, the rest are sized, and the status is 1.
TEST_F(Batch, AFolderOfCasesWithABadOneSizesTheRestAndNamesIt) {
    writeFile(path("a.dat"), liquidCase(500, 6));
    writeFile(path("b.dat"), liquidCase(20, 1.049f));
    std::string truncated = liquidCase(300, 6);
    truncated.resize(truncated.size() / 2);
    writeFile(path("bad.dat"), truncated);
    fs::create_directories(dir / "out");
    EXPECT_EQ(run({"liquid", "--dir", path("out"), path("a.dat"), path("bad.dat"), path("b.dat"), path("none.dat")}), 1);
    EXPECT_NE(err.str().find("bad.dat: 62 - Input past end of file"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("none.dat: Cannot Find File"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(dir / "out" / "bad.txt"));
    for (const char* name : {"a", "b"}) {
        ASSERT_EQ(run({"liquid", path((name + std::string(".dat")).c_str()), "-"}), 0);
        EXPECT_EQ(readFile(dir / "out" / (name + std::string(".txt"))), out.str()) << name;
    }
    EXPECT_NE(out.str().find("QWL10"), std::string::npos);
}

TEST_F(Batch, AResultsFileThatCannotBeWrittenIsNamed) {
    writeFile(path("a.dat"), gasCase(100, 6, 1600));
    EXPECT_EQ(run({"gas", path("a.dat"), (dir / "no" / "a.txt").string()}), 1);
    EXPECT_NE(err.str().find((dir / "no" / "a.txt").string()), std::string::npos);
}

// A liquid case sized after a gas case in the same process gives what it
// gives alone.
TEST_F(Batch, EachCaseStartsFromAFreshRecord) {
    writeFile(path("g.dat"), gasCase(250.1f, 2.067f, 100));
    writeFile(path("l.dat"), liquidCase(500, 6));
    ASSERT_EQ(run({"gas", path("g.dat"), path("g.txt")}), 0);
    ASSERT_EQ(run({"liquid", path("l.dat"), path("l1.txt")}), 0);
    ASSERT_EQ(run({"liquid", path("l.dat"), path("l2.txt")}), 0);
    EXPECT_EQ(readFile(path("l1.txt")), readFile(path("l2.txt")));
    EXPECT_NE(readFile(path("g.txt")).find("Pressure is out of Range"), std::string::npos);
}

// The file is recalculated after it is opened (the file holds no results),
// without asking a screen to select a box.
TEST_F(Batch, AveragingTubeFilesAreRecalculatedAndReported) {
    std::vector<std::string> selected;
    hooks().selectControl = [&selected](const std::string& c) { selected.push_back(c); };
    writeFile(path("half.dat"), tubeCase(500));
    writeFile(path("odd.dat"), tubeCase(1000, 7, "FREON 22"));  // no K for 7 in, an unknown gas
    const std::string cut = tubeCase(500);
    writeFile(path("cut.dat"), cut.substr(0, cut.find("\"ACFM\"")));
    fs::create_directories(dir / "out");
    EXPECT_EQ(run({"norvane", "--dir", path("out"), path("half.dat"), path("cut.dat"), path("odd.dat")}), 1);
    EXPECT_EQ(err.str(), path("cut.dat") + ": 62 - Input past end of file (line 20)\n");
    EXPECT_FALSE(fs::exists(dir / "out" / "cut.txt"));
    hooks().selectControl("restored");
    EXPECT_EQ(selected, Lines{"restored"});
    ASSERT_EQ(run({"norvane", path("half.dat"), "-"}), 0);
    const std::string half = readFile(dir / "out" / "half.txt");
    EXPECT_EQ(out.str(), half);
    // A quarter of the start-up 6.425, a little more for a smaller correction CY.
    for (const char* line : {" Customer:        Acme, Inc. ", " Flow Rate(Q):                     ACFM       500 ",
                             " Differential Pressure(DP):        IN W.C.   1.604     1.604     1.604\r\n"})
        EXPECT_NE(half.find(line), std::string::npos) << line;
    // The 7 in line keeps the file's K, the unknown gas its k and MW.
    const std::string odd = readFile(dir / "out" / "odd.txt");
    for (const char* line : {"(K):                        0.637\r\n", "(k):                                    1.18 \r\n",
                             "(MW):                       86.470\r\n", "(SG):                       2.9854\r\n"})
        EXPECT_NE(odd.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace quorin::test
