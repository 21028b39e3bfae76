#include <sys/resource.h>

#include <csignal>

#include "support/CoreFixture.h"
#include "support/UnitLists.h"

namespace quorin::test {
namespace {

class CaseFiles : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        makeDir();
        shared().InputFileName = shared().LqdInputFileName = (dir / "case.dat").string();
    }
    // Every value the two case files hold.
    static std::string wholeCase() {
        return gasCaseFileBytes() + liquidCaseFileBytes() + (shared().OtherMediaFlag ? "T" : "F");
    }
    Lines entries() const {
        Lines names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
        return names;
    }
};

TEST_F(CaseFiles, TheLiquidStartUpFileIsItsFourteenLines) {
    loadLiquidDefaults(true);
    modLqdRecalc();
    ASSERT_FALSE(modLqdSaveInputData());
    EXPECT_EQ(readFile(dir / "case.dat"),
              "\"Quorin Dynarel Inc.\"\r\n\"Quorin Vortex Flow Meter\"\r\n500\r\n\"GPM\"\r\n"
              "6\r\n\"INCHES\"\r\n70\r\n\"deg F\"\r\n\"WATER\"\r\n1\r\n62.3663\r\n"
              "\"lbm/ft^3\"\r\n1.12\r\n\"centipoise\"\r\n");
}

TEST_F(CaseFiles, ALiquidCaseComesBackExactly) {
    auto& S = shared();
    loadLiquidDefaults(true);
    S.CustomerIn = "Smith, Jones & M\u00FCller";
    S.TagNoIn = "FT-7 \"east\"";
    S.LqdViscIn = 0.000123;
    S.LqdViscUnit = "lbm/ft-sec";
    S.LqdDensityIn = 1010.25f;
    ASSERT_FALSE(modLqdSaveInputData());
    const std::string saved = liquidCaseFileBytes();
    EXPECT_NE(readFile(dir / "case.dat").find("\r\n0.000123\r\n"), std::string::npos);
    loadLiquidDefaults(false);
    ASSERT_FALSE(modLqdOpenInputData());
    EXPECT_EQ(S.LqdViscIn, 0.000123);
    EXPECT_EQ(S.CustomerIn, "Smith, Jones & M\u00FCller");
    EXPECT_EQ(S.TagNoIn, "FT-7 'east'");  // a double quote comes back as a single quote
    EXPECT_EQ(liquidCaseFileBytes(), saved);
}

TEST_F(CaseFiles, TheOtherGasIsMarkedOnLine21AndItsNameComesBack) {
    auto& S = shared();
    for (const std::string medium : {"other", "AIR"}) {
        const bool other = medium != "AIR";
        loadGasDefaults();
        S.MediaIn = medium;
        S.OtherMediaName = "Freon 22";
        ASSERT_FALSE(modSaveInputData()) << medium;
        EXPECT_EQ(S.OtherMediaFlag, other) << medium;
        const std::string bytes = readFile(dir / "case.dat");
        EXPECT_NE(bytes.find(other ? "\r\n#TRUE#\r\n\"Freon 22\"\r\n" : "\r\n#FALSE#\r\n"),
                  std::string::npos) << medium;
        loadGasDefaults();
        S.OtherMediaName.clear();
        ASSERT_FALSE(modOpenInputData()) << medium;
        EXPECT_TRUE(S.MediaIn == medium && S.OtherMediaFlag == other) << medium;
        EXPECT_EQ(S.OtherMediaName, "Freon 22") << medium;
        EXPECT_EQ(gasCaseFileBytes(), bytes) << medium;
    }
}

TEST_F(CaseFiles, EveryUnitOfTheInputListsSurvives) {
    using namespace units;
    auto& S = shared();
    S.LqdInputFileName = (dir / "liquid.dat").string();
    for (size_t k = 0; k < gasFlow.size(); ++k) {
        auto pick = [k](const List& list, size_t shift = 0) { return list[(k + shift) % list.size()]; };
        S.FlowUnitIn = pick(gasFlow), S.PipeUnitIn = pick(pipe), S.PressUnitIn = pick(pressure);
        S.AtmoPressUnitIn = pick(absolute), S.PressRefUnitIn = pick(absolute, 1);
        S.TempUnitIn = pick(temperature), S.TempRefUnitIn = pick(temperature, 1);
        S.LqdFlowUnit = pick(liquidFlow), S.LqdDensUnit = pick(density), S.LqdViscUnit = pick(viscosity);
        ASSERT_FALSE(modSaveInputData() || modLqdSaveInputData());
        const std::string saved = wholeCase();
        EXPECT_NE(saved.find("\"" + pick(pressure) + "\"\r\n"), std::string::npos);
        loadGasDefaults();
        loadLiquidDefaults(true);
        ASSERT_FALSE(modOpenInputData() || modLqdOpenInputData());
        EXPECT_EQ(wholeCase(), saved);
    }
}

// ---- Files that cannot be opened -------------------------------------------

std::string liquidLines(int count, const char* line3 = "500") {
    const std::string lines[] = {"\"Acme\"", "\"T-1\"", line3, "\"GPM\"", "6", "\"INCHES\"", "70",
                                 "\"deg F\"", "\"WATER\"", "1", "62.3663", "\"lbm/ft^3\"", "1.12",
                                 "\"centipoise\""};
    std::string out;
    for (int k = 0; k < count; ++k) out += lines[k] + "\r\n";
    return out;
}

// The case and the message after a failed open.
TEST_F(CaseFiles, AFailedOpenLeavesTheCaseAsItWasAndSaysWhy) {
    const struct { bool gas; std::string contents; const char* path; int number, line; const char* message; } rows[] = {
        {false, liquidLines(10), "case.dat", 62, 11, "62 - Input past end of file (line 11)"},
        {false, liquidLines(14, "five hundred"), "case.dat", 13, 3, "13 - Type mismatch (line 3)"},
        {false, liquidLines(14, "1E+39"), "case.dat", 6, 3, "6 - Overflow (line 3)"},  // too large for its field
        {true, liquidLines(14), "case.dat", 13, 9, "13 - Type mismatch (line 9)"},    // a liquid file
        {true, "", "case.dat", 62, 1, "62 - Input past end of file (line 1)"},
        {false, "", "missing.dat", 53, 0, "Cannot Find File"},
        {true, "", "no folder/case.dat", 76, 0, "Path Not Found"},
        {false, "", "folder.dat", 75, 0, "75 - Path/File access error"}};
    auto& S = shared();
    fs::create_directory(dir / "folder.dat");
    for (const auto& r : rows) {
        SCOPED_TRACE(r.message);
        loadGasDefaults();
        loadLiquidDefaults(false);
        writeFile(dir / "case.dat", r.contents);
        S.InputFileName = S.LqdInputFileName = (dir / r.path).string();
        const std::string before = wholeCase();
        const FileError error = r.gas ? modOpenInputData() : modLqdOpenInputData();
        EXPECT_EQ(std::tuple(error.number, error.line), std::tuple(r.number, r.line));
        EXPECT_EQ(openFailureMessage(error), r.message);
        EXPECT_EQ(wholeCase(), before);
    }
}

// ---- Saving ----------------------------------------------------------------

TEST_F(CaseFiles, SavingReplacesAnExistingFileAndLeavesNothingElse) {
    writeFile(dir / "case.dat", std::string(2000, 'x'));
    loadLiquidDefaults(true);
    ASSERT_FALSE(modLqdSaveInputData());
    EXPECT_EQ(readFile(dir / "case.dat"), liquidCaseFileBytes());
    EXPECT_EQ(entries(), Lines{"case.dat"});
}

TEST_F(CaseFiles, AFailedSaveSaysWhyAndLeavesWhatWasThere) {
    loadGasDefaults();
    auto& S = shared();
    S.InputFileName = (dir / "missing" / "case.dat").string();
    FileError error = modSaveInputData();
    EXPECT_EQ(saveFailureMessage(S.InputFileName, error),
              "Cannot save " + S.InputFileName + ":\nPath not found");
    EXPECT_TRUE(entries().empty());

    fs::create_directory(dir / "folder.dat");
    S.InputFileName = (dir / "folder.dat").string();
    error = modSaveInputData();
    EXPECT_EQ(saveFailureMessage(S.InputFileName, error),
              "Cannot save " + S.InputFileName + ":\nPath/File access error");
    EXPECT_TRUE(fs::is_empty(dir / "folder.dat"));
    EXPECT_EQ(entries(), Lines{"folder.dat"});

    // A write that fails part way (the process may write no more than 100
    // bytes to a file) leaves the old file as it was, and no other file.
    fs::remove(dir / "folder.dat");
    writeFile(dir / "case.dat", "old");
    S.InputFileName = (dir / "case.dat").string();
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    error = modSaveInputData();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(error.number, 61);
    EXPECT_EQ(error.text, "Disk full");
    EXPECT_EQ(readFile(dir / "case.dat"), "old");
    EXPECT_EQ(entries(), Lines{"case.dat"});
}

}  // namespace
}  // namespace quorin::test
