// Tag lists: reading and writing CSV, and sizing each row as the batch
// sizer sizes a case file holding the same fields.
#include "batch/Batch.h"
#include "support/CoreFixture.h"
#include "tags/TagList.h"

namespace quorin::test {
namespace {

using tags::Field;
using tags::Status;
using tags::TagList;

// Cases of both workflows in several units; "Service" is no column of the
// program's. The figures are plant cases of the kind the screens size.
const std::string kList =
    "Workflow,Tag Number,Media,Flow Rate,Flow Unit,Pipe Size,Pipe Unit,Pressure,Pressure Unit,"
    "Temperature,Temperature Unit,Specific Gravity,Viscosity A,Viscosity B,Other Gas Name,"
    "Density,Density Unit,Viscosity,Viscosity Unit,Min Flow,Max Flow,Service\r\n"
    "Gas/Steam,FT-101,AIR,1600,ACFM,6,INCHES,100,PSIG,70,deg F,,,,,,,,,900,1800,Plant air\r\n"
    "gas/steam,FT-102,STEAM,5000,lbs/Hr,4,INCHES,150,PSIG,400,deg F,,,,,,,,,,,Header\r\n"
    "Gas/Steam,FT-103,nitrogen,500,Nm^3/Hr,50,MILLIMETERS,6,BAR G,20,deg C,,,,,,,,,,,\r\n"
    "Gas/Steam,FT-104,OTHER,300,SCFM,3,INCHES,50,PSIG,100,deg F,0.8,9,0.02,Flue mix,,,,,,,\r\n"
    "Liquid,LT-201,WATER,500,GPM,6,INCHES,,,70,deg F,,,,,,,,,,,Cooling\r\n"
    "Liquid,LT-202,OIL,20,m^3/Hr,2,INCHES,,,40,deg C,,,,,850,Kg/m^3,5,centipoise,,,\r\n"
    "Liquid,LT-203,GLYCOL,40,GPM,2,INCHES,,,60,deg F,1.1,,,,,,,,,,\r\n";

TagList parsed(const std::string& bytes) {
    TagList list;
    std::string error;
    EXPECT_TRUE(tags::parseTagList(bytes, list, error)) << error;
    return list;
}

class TagLists : public CoreTest {};

// The acceptance: each row's results text equals the batch sizer's report of
// a case file holding the row's case.
TEST_F(TagLists, EveryRowSizesAsItsCaseFile) {
    makeDir();
    const TagList list = parsed(kList);
    const std::vector<tags::Result> results = tags::sizeTags(list);
    ASSERT_EQ(results.size(), 7u);
    const std::string today = "01-02-2026";
    for (size_t k = 0; k < results.size(); ++k) {
        const tags::Result& r = results[k];
        SCOPED_TRACE(list.rows[k].cells[1]);
        ASSERT_NE(r.status, Status::Error) << r.error;
        tags::Workflow workflow;
        std::string error;
        ASSERT_TRUE(tags::loadTagCase(list, list.rows[k], workflow, error));
        const bool gas = workflow == tags::Workflow::Gas;
        const fs::path file = dir / "case.dat";
        writeFile(file, gas ? gasCaseFileBytes() : liquidCaseFileBytes());
        std::string report;
        const Workflow route = gas ? Workflow::Gas : Workflow::Liquid;
        ASSERT_FALSE(sizeCaseFile(route, file.string(), today, report));
        EXPECT_EQ(gas ? gasResultsText(*r.gas, today) : liquidResultsText(*r.liquid, today), report);
    }
    // The row's table figures are the view's: the first gas row in ACFM.
    const tags::Result& air = results[0];
    ASSERT_FALSE(air.meters.empty());
    const GasResultsScreen screen = gasResultsScreen(*air.gas, today);
    EXPECT_EQ(air.meters[0].minText, screen.flowLow[0]);
    EXPECT_EQ(air.actualFlow, air.gas->FlowAcfm);
    for (const tags::Meter& m : air.meters) {
        EXPECT_EQ(m.holdsMinMax, m.minFlow <= 900 && m.maxFlow >= 1800) << m.code;
    }
    EXPECT_FALSE(results[1].meters[0].holdsMinMax.has_value());
    // The gravity of the glycol row gives its density (1.1 x 62.3663).
    EXPECT_NEAR(results[6].density, 68.6029, 1e-3);
}

TEST_F(TagLists, ReadsBothSeparatorsQuotesBomAndWindows1252) {
    struct Case {
        const char* what;
        std::string bytes;
        char separator;
        std::vector<std::string> header, cells;
        int firstLine, secondLine;
    };
    const std::vector<std::string> head = {"Tag Number", "Service", "Temperature Unit"};
    const std::vector<Case> cases = {
        {"comma", "Tag Number,Service,Temperature Unit\nA,b c,deg F\nB,,\n", ',', head,
         {"A", "b c", "deg F"}, 2, 3},
        {"semicolon, commas inside, blank lines",
         "\r\nTag Number;Service;Temperature Unit\r\nA;b,c;deg F\r\n\r\nB\r\n", ';', head,
         {"A", "b,c", "deg F"}, 3, 5},
        {"quotes and a line break", "Tag Number,Service,Temperature Unit\n\"A\",\"say \"\"x, y\"\"\nz\",\n"
         "B,,\n", ',', head, {"A", "say \"x, y\"\nz", ""}, 2, 4},
        {"byte-order mark", "\xEF\xBB\xBFTag Number,Service,Temperature Unit\nA,\xC3\xA9,\xC2\xB0" "F\nB\n",
         ',', head, {"A", "\xC3\xA9", "\xC2\xB0" "F"}, 2, 3},
        {"Windows-1252", "Tag Number;Service;Temperature Unit\nA;\xE9;\xB0" "F\nB\n", ';', head,
         {"A", "\xC3\xA9", "\xC2\xB0" "F"}, 2, 3},
        {"carriage returns alone", "Tag Number;Service;Temperature Unit\rA;b,c,d,e,f,g;deg F\r\rB\r", ';',
         head,
         {"A", "b,c,d,e,f,g", "deg F"}, 2, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TagList list = parsed(c.bytes);
        EXPECT_EQ(list.separator, c.separator);
        EXPECT_EQ(list.header, c.header);
        ASSERT_EQ(list.rows.size(), 2u);
        EXPECT_EQ(list.rows[0].cells, c.cells);
        EXPECT_EQ(list.rows[0].line, c.firstLine);
        EXPECT_EQ(list.rows[1].line, c.secondLine);
        EXPECT_EQ(list.column(Field::TemperatureUnit), 2);
    }
    TagList none;
    std::string error;
    EXPECT_FALSE(tags::parseTagList("\r\n \r\n", none, error));
}

TEST_F(TagLists, WritesBackEveryColumnUnchanged) {
    const std::string notes = "Line;Tag Number;Notes\r\n7; A ;\"x;\"\"y\"\"\r\nz\"\r\n";
    const std::string bom = "\xEF\xBB\xBFTag Number,Service\r\nA,\xC2\xB0" "C\r\n";
    for (const std::string& bytes : {kList, notes, bom}) {
        EXPECT_EQ(tags::tagListCsv(parsed(bytes)), bytes);
    }
    // A Windows-1252 list comes back in UTF-8 with the mark spreadsheets
    // read it by; so do its results.
    const TagList ansi = parsed("Tag Number,Service\r\nA,\xB0" "C\r\n");
    EXPECT_EQ(tags::tagListCsv(ansi), bom);
    EXPECT_EQ(tags::resultsCsv(ansi, {}).rfind("\xEF\xBB\xBFTag Number,Service,Status,", 0), 0u);
    EXPECT_EQ(tags::resultsCsv(parsed(notes), {}).rfind("Line;", 0), 0u);
    makeDir();
    const std::string path = (dir / "list.csv").string();
    ASSERT_FALSE(tags::saveTagList(path, parsed(kList)));
    TagList read;
    ASSERT_FALSE(tags::readTagList(path, read));
    EXPECT_EQ(tags::tagListCsv(read), kList);
    EXPECT_EQ(tags::readTagList((dir / "none.csv").string(), read).number, 53);
    writeFile(dir / "empty.csv", "");
    EXPECT_EQ(openFailureMessage(tags::readTagList((dir / "empty.csv").string(), read)),
              "62 - The file holds no header");
}

TEST_F(TagLists, NamesEveryBadRowAndSizesTheOthers) {
    const std::string bytes =
        "Workflow,Tag Number,Flow Rate,Flow Unit,Pipe Unit,Density Unit,Min Flow\n"
        "Gas/Steam,G1,1600,ACFM,INCHES,Bogus,\n"
        "Gas/Steam,G2,abc,ACFM,,,\n"
        "Steam,G3,100,ACFM,,,\n"
        "Liquid,L1,\"12\n3\",GPM,,gm/cm^3,\n"
        "Liquid,L2,50,ACFM,,,x\n"
        "Gas/Steam,G4,1e99,furlongs,,,\n"
        "liquid,L3,50,gpm,inches,Kg/m^3,\n";
    // Row 1's density unit is no gas field; row 7 writes its units in lower case.
    const std::vector<std::string> errors = {
        "",
        "line 3: Flow Rate \"abc\" is not a number",
        "line 4: Workflow \"Steam\" is neither \"Gas/Steam\" nor \"Liquid\"",
        "line 5: Flow Rate \"12\n3\" is not a number",
        "line 7: Flow Unit \"ACFM\" is not one of its units; Min Flow \"x\" is not a number",
        "line 8: Flow Rate \"1e99\" is too large; Flow Unit \"furlongs\" is not one of its units",
        "",
    };
    const TagList list = parsed(bytes);
    const std::vector<tags::Result> results = tags::sizeTags(list);
    ASSERT_EQ(results.size(), errors.size());
    for (size_t k = 0; k < errors.size(); ++k) {
        EXPECT_EQ(results[k].error, errors[k]);
        EXPECT_EQ(results[k].status == Status::Error, !errors[k].empty()) << k;
    }
}

// Storing a case into a row writes every field of its workflow; the row then
// holds that case, and sizing leaves the record it found.
TEST_F(TagLists, StoresTheCaseInTheRecord) {
    water(120, 3);
    modLqdSelection();
    const SharedState before = shared();
    TagList list = parsed("Tag Number,Line\r\nold,L-7\r\n");
    tags::storeTagCase(list, list.rows[0], tags::Workflow::Liquid);
    EXPECT_EQ(list.cell(list.rows[0], Field::Workflow), "Liquid");
    EXPECT_EQ(list.cell(list.rows[0], Field::FlowRate), "120");
    EXPECT_EQ(list.rows[0].cells[1], "L-7");
    const tags::Result sized = tags::sizeTag(list, list.rows[0]);
    EXPECT_EQ(shared().LqdFlowRateIn, before.LqdFlowRateIn);
    EXPECT_EQ(liquidResultsText(*sized.liquid, "x"), liquidResultsText(modLqdResults(), "x"));
}

}  // namespace
}  // namespace quorin::test
