#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

class CaseFiles : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        dir = fs::temp_directory_path() / ("quorin-case-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        shared().InputFileName = shared().LqdInputFileName = (dir / "case.dat").string();
    }
    void TearDown() override {
        fs::remove_all(dir);
        CoreTest::TearDown();
    }
    static std::string read(const fs::path& path) {
        std::ostringstream s;
        s << std::ifstream(path, std::ios::binary).rdbuf();
        return s.str();
    }
    static void write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // Every value the two case files hold.
    static std::string wholeCase() {
        return gasCaseFileBytes() + liquidCaseFileBytes() + (shared().OtherMediaFlag ? "T" : "F");
    }
    Texts entries() const {
        Texts names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
        return names;
    }
    fs::path dir;
};

TEST_F(CaseFiles, TheLiquidStartUpFileIsItsFourteenLines) {
    loadLiquidDefaults(true);
    modLqdRecalc();
    ASSERT_FALSE(modLqdSaveInputData());
    EXPECT_EQ(read(dir / "case.dat"),
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
    EXPECT_NE(read(dir / "case.dat").find("\r\n0.000123\r\n"), std::string::npos);
    loadLiquidDefaults(false);
    ASSERT_FALSE(modLqdOpenInputData());
    EXPECT_EQ(S.LqdViscIn, 0.000123);
    EXPECT_EQ(S.CustomerIn, "Smith, Jones & M\u00FCller");
    EXPECT_EQ(S.TagNoIn, "FT-7 'east'");  // a double quote comes back as a single quote
    EXPECT_EQ(liquidCaseFileBytes(), saved);
}

TEST_F(CaseFiles, TheOtherGasIsMarkedOnLine21AndItsNameComesBack) {
    auto& S = shared();
    for (const std::string medium : {"Other", "OTHER", "other", "AIR"}) {
        const bool other = medium != "AIR";
        loadGasDefaults();
        S.MediaIn = medium;
        S.OtherMediaName = "Freon 22";
        ASSERT_FALSE(modSaveInputData()) << medium;
        EXPECT_EQ(S.OtherMediaFlag, other) << medium;
        const std::string bytes = read(dir / "case.dat");
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
    // The unit lists of the two input screens.
    const Texts gasFlow = {"ACFM", "ACF/Day", "SCFM", "SCF/Day", "m^3/Hr", "m^3/Day",
                           "Nm^3/Hr", "Nm^3/Day", "lbs/min", "lbs/Hr", "Kg/Hr", "FPS", "FPM",
                           "MPS", "LPM", "Metric Tons/Hr"};
    const Texts pipe = {"INCHES", "MILLIMETERS", "CENTIMETERS", "METERS", "SQUARE FEET",
                        "SQUARE MILLIMETERS", "SQUARE CENTIMETERS", "SQUARE METERS"};
    const Texts press = {"PSIA", "PSIG", "BAR G", "Kg/cm^2 G", "KPa G", "INCHES H2O G",
                         "TORR (mmHg) G", "BAR A"};
    const Texts absolute = {"PSIA", "Kg/cm^2 A", "BAR A", "KPa A"};
    const Texts temp = {"deg F", "deg C", "deg R"};
    const Texts liquidFlow = {"GPM", "LPM", "Ft^3/Min", "Ft^3/Day", "m^3/Hr", "m^3/Day", "FPS",
                              "FPM", "MPS", "lbs/Min", "lbs/Hr", "Kg/Hr", "Metric Tons/Hr"};
    const Texts dens = {"lbm/ft^3", "Kg/m^3", "gm/cm^3"};
    const Texts visc = {"centipoise", "centistokes", "lbm/ft-sec", "ft^2/sec", "ssu"};
    auto& S = shared();
    S.LqdInputFileName = (dir / "liquid.dat").string();
    for (size_t k = 0; k < gasFlow.size(); ++k) {
        auto pick = [k](const Texts& list, size_t shift = 0) { return list[(k + shift) % list.size()]; };
        S.FlowUnitIn = pick(gasFlow), S.PipeUnitIn = pick(pipe), S.PressUnitIn = pick(press);
        S.AtmoPressUnitIn = pick(absolute), S.PressRefUnitIn = pick(absolute, 1);
        S.TempUnitIn = pick(temp), S.TempRefUnitIn = pick(temp, 1);
        S.LqdFlowUnit = pick(liquidFlow), S.LqdDensUnit = pick(dens), S.LqdViscUnit = pick(visc);
        ASSERT_FALSE(modSaveInputData() || modLqdSaveInputData());
        const std::string saved = wholeCase();
        EXPECT_NE(saved.find("\"" + pick(press) + "\"\r\n"), std::string::npos);
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

struct OpenFailure {
    const char* name;
    bool gas;
    std::string contents;  // of case.dat
    const char* path;      // in the test's folder
    int number, line;
    const char* message;
};

std::ostream& operator<<(std::ostream& os, const OpenFailure& c) { return os << c.name; }

class OpenFailures : public CaseFiles, public ::testing::WithParamInterface<OpenFailure> {};

TEST_P(OpenFailures, LeaveTheCaseAsItWasAndSayWhy) {
    const OpenFailure& c = GetParam();
    auto& S = shared();
    loadGasDefaults();
    loadLiquidDefaults(false);
    write(dir / "case.dat", c.contents);
    fs::create_directory(dir / "folder.dat");
    S.InputFileName = S.LqdInputFileName = (dir / c.path).string();
    const std::string before = wholeCase();
    const FileError error = c.gas ? modOpenInputData() : modLqdOpenInputData();
    EXPECT_EQ(error.number, c.number);
    EXPECT_EQ(error.line, c.line);
    EXPECT_EQ(openFailureMessage(error), c.message);
    EXPECT_EQ(wholeCase(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenFailures,
    ::testing::Values(
        OpenFailure{"TenOfFourteenLines", false, liquidLines(10), "case.dat", 62, 11,
                    "62 - Input past end of file (line 11)"},
        OpenFailure{"TextWhereANumberBelongs", false, liquidLines(14, "five hundred"), "case.dat",
                    13, 3, "13 - Type mismatch (line 3)"},
        OpenFailure{"ANumberTooLargeForItsField", false, liquidLines(14, "1E+39"), "case.dat", 6,
                    3, "6 - Overflow (line 3)"},
        OpenFailure{"ALiquidFileOnTheGasScreen", true, liquidLines(14), "case.dat", 13, 9,
                    "13 - Type mismatch (line 9)"},
        OpenFailure{"AnEmptyFile", true, "", "case.dat", 62, 1,
                    "62 - Input past end of file (line 1)"},
        OpenFailure{"AMissingFile", false, "", "missing.dat", 53, 0, "Cannot Find File"},
        OpenFailure{"AFolderThatDoesNotExist", true, "", "no folder/case.dat", 76, 0,
                    "Path Not Found"},
        OpenFailure{"AFolder", false, "", "folder.dat", 75, 0, "75 - Path/File access error"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Saving ----------------------------------------------------------------

TEST_F(CaseFiles, SavingReplacesAnExistingFileAndLeavesNothingElse) {
    write(dir / "case.dat", std::string(2000, 'x'));
    loadLiquidDefaults(true);
    ASSERT_FALSE(modLqdSaveInputData());
    EXPECT_EQ(read(dir / "case.dat"), liquidCaseFileBytes());
    EXPECT_EQ(entries(), Texts{"case.dat"});
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
    EXPECT_EQ(entries(), Texts{"folder.dat"});

    // A write that fails part way (the process may write no more than 100
    // bytes to a file) leaves the old file as it was, and no other file.
    fs::remove(dir / "folder.dat");
    write(dir / "case.dat", "old");
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
    EXPECT_EQ(read(dir / "case.dat"), "old");
    EXPECT_EQ(entries(), Texts{"case.dat"});
}

}  // namespace
}  // namespace quorin::test
