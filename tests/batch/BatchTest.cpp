// The batch sizer: its command line, its exit status, and that it writes what
// the screens' Save writes for the same case.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "batch/Batch.h"
#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class Batch : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        dir = fs::temp_directory_path() /
              ("quorin-batch-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::remove_all(dir);
        CoreTest::TearDown();
    }
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return runBatch(args, out, err);
    }
    // A gas case as the screen saves it, sized by the steps a user takes.
    static std::string gasCase(float psig, float pipeIn, float acfm) {
        loadGasDefaults();
        modGasRecalc();
        auto& S = shared();
        S.PressIn = psig;
        S.PipeSizeIn = pipeIn;
        S.FlowRateIn = acfm;
        S.CustomerIn = "Acme, Inc.";
        return gasCaseFileBytes();
    }
    static std::string liquidCase(float gpm, float pipeIn, double cp) {
        loadLiquidDefaults(true);
        auto& S = shared();
        S.LqdFlowRateIn = gpm;
        S.PipeSizeIn = pipeIn;
        S.LqdViscIn = cp;
        return liquidCaseFileBytes();
    }
    // What the results screen's Save writes after opening `file` on a
    // freshly opened input screen and pressing Find Meter.
    static std::string screenReport(Workflow w, const fs::path& file, const std::string& today) {
        shared() = SharedState{};
        if (w == Workflow::Gas) {
            loadGasDefaults();
            modGasRecalc();
            shared().InputFileName = file.string();
            EXPECT_FALSE(modOpenInputData());
            modGasRecalc();
            modGasSelection();
            modGasResults(today);
            return gasResultsText(today);
        }
        loadLiquidDefaults(false);
        modLqdRecalc();
        shared().LqdInputFileName = file.string();
        EXPECT_FALSE(modLqdOpenInputData());
        modLqdRecalc();
        modLqdSelection();
        modLqdResults(today);
        return liquidResultsText(today);
    }

    fs::path dir;
    std::ostringstream out, err;
};

TEST_F(Batch, UsageErrorsExitWithTwoAndTheUsage) {
    const std::vector<std::vector<std::string>> wrong = {
        {}, {"steam", "a.dat", "b.txt"}, {"gas"}, {"gas", "a.dat"}, {"gas", "a", "b", "c"},
        {"liquid", "--dir", "out"}};
    for (const auto& args : wrong) {
        EXPECT_EQ(run(args), 2) << ::testing::PrintToString(args);
        EXPECT_NE(err.str().find("Usage: quorin-batch"), std::string::npos);
    }
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_EQ(out.str().rfind("Usage: quorin-batch gas|liquid IN.dat OUT.txt", 0), 0u);
}

TEST_F(Batch, OneCaseToAFileAndToStandardOutput) {
    write(dir / "wafer.dat", gasCase(100, 2.067f, 100));
    ASSERT_EQ(run({"gas", (dir / "wafer.dat").string(), (dir / "wafer.txt").string()}), 0)
        << err.str();
    const std::string report = read(dir / "wafer.txt");
    EXPECT_NE(report.find("QWG20"), std::string::npos);
    EXPECT_EQ(report, screenReport(Workflow::Gas, dir / "wafer.dat", todayDate()));

    ASSERT_EQ(run({"gas", (dir / "wafer.dat").string(), "-"}), 0);
    EXPECT_EQ(out.str(), report);
    EXPECT_TRUE(err.str().empty());
}

TEST_F(Batch, AFolderOfCasesWithABadOneSizesTheRestAndNamesIt) {
    write(dir / "a.dat", liquidCase(500, 6, 1));
    write(dir / "b.dat", liquidCase(20, 1.049f, 1));
    std::string truncated = liquidCase(300, 6, 1);
    truncated.resize(truncated.size() / 2);
    write(dir / "bad.dat", truncated);
    fs::create_directories(dir / "out");
    const int status = run({"liquid", "--dir", (dir / "out").string(), (dir / "a.dat").string(),
                            (dir / "bad.dat").string(), (dir / "b.dat").string(),
                            (dir / "none.dat").string()});
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.str().find("bad.dat: 62 - Input past end of file"), std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("none.dat: Cannot Find File"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(dir / "out" / "bad.txt"));
    const std::string today = todayDate();
    EXPECT_EQ(read(dir / "out" / "a.txt"), screenReport(Workflow::Liquid, dir / "a.dat", today));
    EXPECT_EQ(read(dir / "out" / "b.txt"), screenReport(Workflow::Liquid, dir / "b.dat", today));
    EXPECT_NE(read(dir / "out" / "b.txt").find("QWL10"), std::string::npos);
}

TEST_F(Batch, AResultsFileThatCannotBeWrittenIsNamed) {
    write(dir / "a.dat", gasCase(100, 6, 1600));
    EXPECT_EQ(run({"gas", (dir / "a.dat").string(), (dir / "no" / "a.txt").string()}), 1);
    EXPECT_NE(err.str().find((dir / "no" / "a.txt").string()), std::string::npos);
}

TEST_F(Batch, EachCaseStartsFromAFreshRecord) {
    // A liquid case sized after a gas case in the same process gives what it
    // gives alone.
    write(dir / "g.dat", gasCase(250.1f, 2.067f, 100));
    write(dir / "l.dat", liquidCase(500, 6, 1));
    ASSERT_EQ(run({"gas", (dir / "g.dat").string(), (dir / "g.txt").string()}), 0);
    ASSERT_EQ(run({"liquid", (dir / "l.dat").string(), (dir / "l1.txt").string()}), 0);
    ASSERT_EQ(run({"liquid", (dir / "l.dat").string(), (dir / "l2.txt").string()}), 0);
    EXPECT_EQ(read(dir / "l1.txt"), read(dir / "l2.txt"));
    EXPECT_NE(read(dir / "g.txt").find("Pressure is out of Range"), std::string::npos);
}

}  // namespace
}  // namespace quorin::test
