// The results table of a tag list as CSV and as a workbook, and the names of
// the tags' report files. The results are built by hand: what sizing puts in
// them is the sizing tests' matter.
#include <cstdio>

#include "support/CoreFixture.h"
#include "tags/TagList.h"

namespace quorin::test {
namespace {

using tags::Meter;
using tags::Result;
using tags::Status;

class TagResults : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        list.header = {"Tag Number", "Flow Rate", "Flow Unit", "Service"};
        list.rows = {{2, {"FT-101", "1600", "ACFM", "boiler feed"}},
                     {3, {"FT-102", "40", "GPM", "pump, north"}},
                     {4, {"FT-103", "abc", "ACFM", ""}}};
        Result fits;
        fits.status = Status::Fits;
        fits.meters = {Meter{"QWG40", 0, 0, "120.5", "2400.0", std::nullopt}};
        fits.density = 0.0749f;
        fits.viscosityCp = 0.0182f;
        fits.actualFlow = 1600;
        fits.velocityFps = 15.3f;
        fits.reynolds = 123456.7f;
        Result noted = fits;
        noted.status = Status::FitsWithNotes;
        noted.meters = {Meter{"QWL15", 0, 0, "5.2", "60.0", true},
                        Meter{"QWL20", 0, 0, "9.1", "98.0", false}};
        // A note of two lines: the second, indented, continues the first.
        noted.notes = {"** low flow", "Warning:  the flow will be", "      in the lower range."};
        noted.warnings = {"Temperature: below freezing", "Flow Rate: high"};
        Result bad;
        bad.error = "line 4: Flow Rate \"abc\" is not a number";
        results = {fits, noted, bad};
    }
    // A member of the workbook, through unzip.
    static std::string unzipped(const fs::path& book, const std::string& member) {
        const std::string command = "unzip -p '" + book.string() + "' " + member;
        std::FILE* pipe = ::popen(command.c_str(), "r");
        std::string text;
        char buffer[4096];
        for (size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
        if (pipe) ::pclose(pipe);
        return text;
    }
    tags::TagList list;
    std::vector<Result> results;
};

// Figures as the shortest text of their single-precision value; no Reynolds
// number without a meter; a bad row keeps its cells and gives its reason.
TEST_F(TagResults, CsvHasTheListsColumnsThenTheResults) {
    const Lines expected = {
        "Tag Number,Flow Rate,Flow Unit,Service,Status,Meters,Density (lb/ft^3),Viscosity (cP),"
        "Actual Flow,Velocity (ft/s),Reynolds Number,Min/Max Held,Notes,Warnings,Error",
        "FT-101,1600,ACFM,boiler feed,Fits,QWG40 120.5-2400.0,0.0749,0.0182,1600,15.3,123456.7,,,,",
        "FT-102,40,GPM,\"pump, north\",Fits with notes,QWL15 5.2-60.0; QWL20 9.1-98.0,0.0749,0.0182,1600,"
        "15.3,123456.7,QWL15: yes; QWL20: no,** low flow; Warning:  the flow will be in the lower range.,"
        "Temperature: below freezing; Flow Rate: high,",
        "FT-103,abc,ACFM,,Error,,,,,,,,,,\"line 4: Flow Rate \"\"abc\"\" is not a number\""};
    EXPECT_EQ(split(tags::resultsCsv(list, results)), expected);
    results[0].meters.clear();
    results[0].status = Status::NoMeter;
    list.separator = ';';
    EXPECT_EQ(split(tags::resultsCsv(list, results))[1],
              "FT-101;1600;ACFM;boiler feed;No meter;;0.0749;0.0182;1600;15.3;;;;;");
}

TEST_F(TagResults, WorkbookIsASpreadsheetWithNumbersAndAFrozenHeader) {
    makeDir();
    const fs::path book = dir / "results.xlsx";
    writeFile(book, "old");
    ASSERT_FALSE(tags::saveResultsXlsx(book.string(), list, results));
    const std::string sheet = unzipped(book, "xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find("<t>Tag Number</t>"), std::string::npos) << sheet.substr(0, 2000);
    // The flow rate and the Reynolds number are numbers; the bad row's rate is text.
    EXPECT_NE(sheet.find("<c r=\"B2\"><v>1600</v></c>"), std::string::npos);
    EXPECT_NE(sheet.find("<c r=\"K2\"><v>123456.7</v></c>"), std::string::npos);
    EXPECT_NE(sheet.find("<t>abc</t>"), std::string::npos);
    EXPECT_NE(sheet.find("<t>Temperature: below freezing; Flow Rate: high</t>"), std::string::npos);
    EXPECT_NE(sheet.find("ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\""),
              std::string::npos);
    EXPECT_NE(sheet.find("<col min=\"4\" max=\"4\" width=\"13.7"), std::string::npos);
    // A folder that is not there: an error and no file, nor one beside it.
    const FileError missing = tags::saveResultsXlsx((dir / "no" / "r.xlsx").string(), list, results);
    EXPECT_EQ(missing.number, 76);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
}

TEST_F(TagResults, ReportNamesReplaceBadCharactersAndNumberRepeats) {
    tags::ReportNames names;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"FT-101", "FT-101"}, {"FT-101", "FT-101-2"}, {"FT/102", "FT_102"}, {"a:b*c?", "a_b_c_"},
        {"", "_"},           {"..", "__"},          {"FT-101-2", "FT-101-2-2"}, {"Ü 7", "Ü 7"},
        {" FT-101 ", "FT-101-3"}, {" ", "_-2"}};
    for (const auto& [tag, name] : cases) EXPECT_EQ(names.next(tag), name) << tag;
    EXPECT_EQ(names.next(std::string(300, 'x')).size(), 240u);
}

}  // namespace
}  // namespace quorin::test
