// The batch sizer: its command line and its exit status. That it writes what
// the screens' Save writes is checked with the screens.
#include <set>
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
        fs::create_directories(dir / "out");
    }
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return runBatch(args, out, err);
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    // A gas case of air at `psig` in a 2.067 in line, 100 ACFM, as the screen saves it.
    static std::string gasCase(float psig) {
        loadGasDefaults();
        modGasRecalc();
        shared().PressIn = psig;
        shared().PipeSizeIn = 2.067f;
        shared().FlowRateIn = 100;
        return gasCaseFileBytes();
    }
    static std::string liquidCase(float gpm) {
        water(gpm, 6);
        return liquidCaseFileBytes();
    }
    // The start-up averaging-tube case with other flows.
    static std::string tubeCase(float flow) {
        modnrvLoadPipeTbl();
        nrvLoadDefaults("01-01-2026");
        nrvRecalcAll();
        auto& S = shared();
        S.FlowRateMax = S.FlowRateNorm = S.FlowRateMin = flow;
        return norvaneDataFileBytes();
    }
    std::ostringstream out, err;
};

TEST_F(Batch, UsageErrorsExitWithTwoAndTheUsage) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"steam", "a.dat", "b.txt"}, {"gas", "a.dat"}, {"liquid", "--dir", "out"}}) {
        EXPECT_EQ(run(args), 2) << ::testing::PrintToString(args);
        EXPECT_NE(err.str().find("Usage: quorin-batch"), std::string::npos);
    }
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_EQ(out.str().rfind("Usage: quorin-batch gas|liquid|norvane IN.dat OUT.txt", 0), 0u);
}

// Each case starts from a fresh record: a liquid case sized after a gas case
// gives what it gives alone. A file that cannot be read or written is named
// with the reason, the rest are sized, and the status is 1.
TEST_F(Batch, CasesToFilesFoldersAndStandardOutput) {
    writeFile(path("g.dat"), gasCase(250.1f));
    writeFile(path("l.dat"), liquidCase(500));
    const std::string bytes = liquidCase(300);
    writeFile(path("bad.dat"), bytes.substr(0, bytes.size() / 2));
    ASSERT_EQ(run({"gas", path("g.dat"), path("g.txt")}), 0) << err.str();
    EXPECT_NE(readFile(path("g.txt")).find("Pressure is out of Range"), std::string::npos);
    EXPECT_EQ(run({"liquid", "--dir", path("out"), path("l.dat"), path("bad.dat"), path("none.dat")}), 1);
    EXPECT_NE(err.str().find("bad.dat: 62 - Input past end of file"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("none.dat: Cannot Find File"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(dir / "out" / "bad.txt"));
    ASSERT_EQ(run({"liquid", path("l.dat"), "-"}), 0);
    EXPECT_EQ(readFile(dir / "out" / "l.txt"), out.str());
    EXPECT_EQ(run({"gas", path("g.dat"), path("no/g.txt")}), 1);
    EXPECT_NE(err.str().find(path("no/g.txt")), std::string::npos);
}

// The file is recalculated after it is opened (the file holds no results),
// without asking a screen to select a box.
TEST_F(Batch, AveragingTubeFilesAreRecalculatedAndReported) {
    std::vector<std::string> selected;
    hooks().selectControl = [&selected](const std::string& c) { selected.push_back(c); };
    const std::string bytes = tubeCase(500);
    writeFile(path("half.dat"), bytes);
    writeFile(path("cut.dat"), bytes.substr(0, bytes.find("\"ACFM\"")));
    EXPECT_EQ(run({"norvane", "--dir", path("out"), path("half.dat"), path("cut.dat")}), 1);
    EXPECT_EQ(err.str(), path("cut.dat") + ": 62 - Input past end of file (line 20)\n");
    hooks().selectControl("restored");
    EXPECT_EQ(selected, Lines{"restored"});
    // A quarter of the start-up 6.425, a little more for a smaller correction CY.
    const std::string half = readFile(dir / "out" / "half.txt");
    const char* dp = " Differential Pressure(DP):        IN W.C.   1.604     1.604     1.604\r\n";
    EXPECT_NE(half.find(dp), std::string::npos);
}

// A stream whose every write fails, as standard output on a full disk or a
// closed pipe.
class FailingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST_F(Batch, FailedWriteToStandardOutputIsReported) {
    writeFile(path("l.dat"), liquidCase(500));
    FailingBuffer full;
    std::ostream closed(&full);
    EXPECT_EQ(runBatch({"liquid", path("l.dat"), "-"}, closed, err), 1);
    EXPECT_EQ(err.str(), path("l.dat") + ": Cannot write to standard output\n");
}

// Results that would overwrite a case file or each other are refused before
// anything is sized: one line each, status 2, nothing written.
TEST_F(Batch, ClashingFilesAreRefusedBeforeAnythingIsWritten) {
    fs::create_directories(dir / "a");
    fs::create_directories(dir / "b");
    for (const char* name : {"a/x.dat", "b/x.dat", "out/y.txt"}) writeFile(path(name), liquidCase(500));
    fs::create_hard_link(path("a/x.dat"), path("link.txt"));
    const std::string ax = path("a/x.dat");
    struct Case {
        std::vector<std::string> args;
        std::string said;
    };
    for (const Case& c : std::vector<Case>{
             {{"--dir", path("out"), ax, path("b/x.dat")}, " would both be written to "},
             {{"--dir", path("out"), ax, path("a/../a/x.dat")}, " would both be written to "},
             {{ax, ax}, "would replace the case file " + ax},
             {{ax, path("link.txt")}, "would replace the case file " + ax},
             {{"--dir", path("out"), path("out/y.txt")}, "would replace the case file"},
         }) {
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), "liquid");
        EXPECT_EQ(run(args), 2) << err.str();
        const std::string said = err.str();
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), fs::directory_iterator{}), 1);
}

// Whatever a file's name or the reason holds, each error is one line.
TEST_F(Batch, EachErrorIsOneLine) {
    writeFile(path("l.dat"), liquidCase(500));
    EXPECT_EQ(run({"liquid", "--dir", path("no"), path("l.dat"), path("a\nb.dat")}), 1);
    EXPECT_EQ(err.str(), path("l.dat") + ": Cannot save " + path("no/l.txt") + ": Path not found\n" +
                             path("a") + "\\nb.dat: Cannot Find File\n");
}

// The sample tag list: the bad row is named with its line and sizes nothing,
// every other row is in the results, and each sized tag's report is the one
// its case gives (FT-202 is examples/water-20m3h.dat), named after its tag.
TEST_F(Batch, TagListIsSizedRowByRowWithItsBadRowNamed) {
    const fs::path examples = fs::path(__FILE__).parent_path() / "../../examples";
    const std::string sample = (examples / "tags-sample.csv").string();
    const std::string reports = path("rep");
    EXPECT_EQ(run({"tags", sample, path("r.csv"), "--reports", reports, "--xlsx", path("r.xlsx")}), 1);
    EXPECT_EQ(err.str(), sample + ": line 13: Flow Rate \"about 40\" is not a number\n");
    const Lines rows = split(readFile(dir / "r.csv"));
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[7].rfind("Liquid,FT-202,Cooling water supply,", 0), 0u);
    EXPECT_NE(rows[7].find(",Fits,QWL20 4.06-39.75,"), std::string::npos) << rows[7];
    EXPECT_TRUE(fs::exists(dir / "r.xlsx"));
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(reports)) names.insert(entry.path().filename().string());
    EXPECT_EQ(names.size(), 11u);
    EXPECT_TRUE(names.count("FT-202-2.txt"));
    EXPECT_TRUE(names.count("FT_204.txt"));
    EXPECT_FALSE(names.count("FT-205.txt"));
    ASSERT_EQ(run({"liquid", (examples / "water-20m3h.dat").string(), "-"}), 0);
    EXPECT_EQ(readFile(dir / "rep" / "FT-202.txt"), out.str());
    // Results over the list itself, or a lone option, write nothing.
    writeFile(path("l.csv"), "Tag Number\r\nA\r\n");
    EXPECT_EQ(run({"tags", path("l.csv"), path("r.csv"), "--xlsx", path("l.csv")}), 2);
    EXPECT_NE(err.str().find(" would replace the tag list "), std::string::npos) << err.str();
    EXPECT_EQ(run({"tags", path("l.csv"), path("r.csv"), "--reports"}), 2);
    EXPECT_EQ(readFile(dir / "l.csv"), "Tag Number\r\nA\r\n");
    EXPECT_EQ(split(readFile(dir / "r.csv")).size(), 13u);
}

// A list of more than a megabyte (where a case file's reading stops) is read
// to its end.
TEST_F(Batch, LongTagListIsReadToItsEnd) {
    std::string list = "Workflow,Tag Number,Service\r\n";
    for (int k = 0; list.size() < (3u << 19); ++k)
        list += "Liquid,FT-" + std::to_string(k) + ",cooling water\r\n";
    list += "Liquid,LAST,x\r\n";
    writeFile(path("long.csv"), list);
    EXPECT_EQ(run({"tags", path("long.csv"), path("r.csv")}), 0) << err.str().substr(0, 200);
    const Lines rows = split(readFile(dir / "r.csv"));
    EXPECT_EQ(rows.size(), size_t(std::count(list.begin(), list.end(), '\n')));
    EXPECT_EQ(rows.back().rfind("Liquid,LAST,x,", 0), 0u);
}

}  // namespace
}  // namespace quorin::test
