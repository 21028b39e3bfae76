#include <sys/resource.h>

#include <csignal>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

class CaseFiles : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        shared().InputFileName = shared().LqdInputFileName = (makeDir() / "case.dat").string();
    }
    // Every value the two case files hold.
    static std::string wholeCase() {
        return gasCaseFileBytes() + liquidCaseFileBytes() + (shared().OtherMediaFlag ? "T" : "F");
    }
    // How many files the folder holds (no file left beside a saved one).
    long files() const { return std::distance(fs::directory_iterator(dir), fs::directory_iterator{}); }
};

// The start-up case (the seed file of the readers' fuzzing) replaces whatever
// the file held and leaves no other file; an edited case comes back exactly, a
// double quote as a single quote.
TEST_F(CaseFiles, TheLiquidStartUpFileIsItsFourteenLinesAndACaseComesBackExactly) {
    writeFile(dir / "case.dat", std::string(2000, 'x'));
    loadLiquidDefaults(true);
    ASSERT_FALSE(modLqdSaveInputData());
    const fs::path seed = fs::path(__FILE__).parent_path() / "../../fuzz/corpus/liquid-start-up.dat";
    EXPECT_EQ(std::tuple(readFile(dir / "case.dat"), files()), std::tuple(readFile(seed), 1));
    auto& S = shared();
    S.CustomerIn = "Smith, Jones & M\u00FCller";
    S.TagNoIn = "FT-7 \"east\"";
    S.LqdViscIn = 0.000123;
    S.LqdViscUnit = "lbm/ft-sec";
    S.LqdDensityIn = 1010.25f;
    ASSERT_FALSE(modLqdSaveInputData());
    const std::string saved = liquidCaseFileBytes();
    loadLiquidDefaults(false);
    ASSERT_FALSE(modLqdOpenInputData());
    EXPECT_EQ(std::tuple(S.CustomerIn, S.TagNoIn, S.LqdViscIn),
              std::tuple("Smith, Jones & M\u00FCller", "FT-7 'east'", 0.000123));
    EXPECT_EQ(liquidCaseFileBytes(), saved);
}

// The flag on line 21 follows the medium; the custom gas's name comes back
// either way, with the medium and its flag (the case's bytes).
TEST_F(CaseFiles, TheOtherGasIsMarkedOnLine21AndItsNameComesBack) {
    auto& S = shared();
    for (const auto& [medium, line21] : {std::pair{"other", "#TRUE#"}, std::pair{"AIR", "#FALSE#"}}) {
        loadGasDefaults();
        S.MediaIn = medium;
        S.OtherMediaName = "Freon 22";
        ASSERT_FALSE(modSaveInputData()) << medium;
        const std::string bytes = readFile(dir / "case.dat");
        EXPECT_EQ(std::tuple(split(bytes)[20], split(bytes)[21]), std::tuple(line21, "\"Freon 22\""))
            << medium;
        loadGasDefaults();
        S.OtherMediaName.clear();
        ASSERT_FALSE(modOpenInputData()) << medium;
        EXPECT_EQ(gasCaseFileBytes(), bytes) << medium;
    }
}

// The case and the message after a failed open: nothing the file's first
// lines held is taken.
TEST_F(CaseFiles, AFailedOpenLeavesTheCaseAsItWasAndSaysWhy) {
    const std::string head = "\"Acme\"\r\n\"FT-7\"\r\n";  // customer, tag
    const struct { bool gas; std::string contents; const char* path; const char* message; } rows[] = {
        {false, head + "250\r\n", "case.dat", "62 - Input past end of file (line 4)"},
        {false, head + "five hundred\r\n", "case.dat", "13 - Type mismatch (line 3)"},
        {false, head + "1E+39\r\n", "case.dat", "6 - Overflow (line 3)"},  // too large for its field
        {true, "", "no folder/case.dat", "Path Not Found"},
        {false, "", "folder.dat", "75 - Path/File access error"}};
    auto& S = shared();
    fs::create_directory(dir / "folder.dat");
    for (const auto& r : rows) {
        loadGasDefaults();
        loadLiquidDefaults(false);
        writeFile(dir / "case.dat", r.contents);
        S.InputFileName = S.LqdInputFileName = (dir / r.path).string();
        const std::string before = wholeCase();
        EXPECT_EQ(openFailureMessage(r.gas ? modOpenInputData() : modLqdOpenInputData()), r.message);
        EXPECT_EQ(wholeCase(), before) << r.message;
    }
}

// A folder in the file's place and a write that fails part way (the process
// may write no more than 100 bytes to a file) leave what was there, and no
// other file.
TEST_F(CaseFiles, AFailedSaveSaysWhyAndLeavesWhatWasThere) {
    loadGasDefaults();
    auto& S = shared();
    writeFile(dir / "case.dat", "old");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit small{100, saved.rlim_max};
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileError error = modSaveInputData();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(std::tuple(error.number, error.text, readFile(dir / "case.dat"), files()),
              std::tuple(61, "Disk full", "old", 1));
    fs::create_directory(dir / "folder.dat");
    S.InputFileName = (dir / "folder.dat").string();
    EXPECT_EQ(saveFailureMessage(S.InputFileName, modSaveInputData()),
              "Cannot save " + S.InputFileName + ":\nPath/File access error");
    EXPECT_TRUE(files() == 2 && fs::is_empty(dir / "folder.dat"));
}

}  // namespace
}  // namespace quorin::test
