// Tag lists: a project's instrument list of flow tags, each a case of either
// vortex workflow, read from and written to CSV as spreadsheets write it, and
// sized row by row exactly as opening a case file that holds the same fields
// and pressing Find Meter. No Qt: the batch sizer and the tag-list window
// both use it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "gas/Results.h"
#include "liquid/Results.h"
#include "reports/Files.h"

namespace quorin::tags {

// The fields a column can carry, matched by its caption without regard to
// case or surrounding blanks (`fieldCaption`). A column of any other caption
// is Unknown: kept and written back unchanged.
enum class Field {
    Workflow,  // "Gas/Steam" or "Liquid"
    Customer, TagNumber, Media, FlowRate, FlowUnit, PipeSize, PipeUnit, Temperature,
    TemperatureUnit, SpecificGravity,
    // gas/steam only
    Pressure, PressureUnit, AtmosphericPressure, AtmosphericPressureUnit, PressureReference,
    PressureReferenceUnit, TemperatureReference, TemperatureReferenceUnit, ViscosityA, ViscosityB,
    OtherGasName,
    // liquid only
    Density, DensityUnit, Viscosity, ViscosityUnit,
    // optional, in the row's flow unit
    MinFlow, MaxFlow,
    Unknown
};
// The column caption of a field ("Tag Number"); "" for Unknown.
const char* fieldCaption(Field field);
// The field of a caption, Unknown when none matches.
Field fieldOf(std::string_view caption);

enum class Workflow { Gas, Liquid };

struct Row {
    int line = 0;                    // line of the file where the row starts (the header is line 1)
    std::vector<std::string> cells;  // one per column, UTF-8; a short row is padded with ""
};

struct TagList {
    std::vector<std::string> header;  // the captions as read, in order (UTF-8)
    std::vector<Row> rows;
    char separator = ',';             // as detected from the header; written back the same
    // Read with a UTF-8 byte-order mark, or from Windows-1252: written back
    // (list and results) with the mark, so spreadsheets read its UTF-8.
    bool byteOrderMark = false;

    // The column of a field, -1 when the list has none.
    int column(Field field) const;
    // The cell of a field in `row`, "" when the list has no such column.
    const std::string& cell(const Row& row, Field field) const;
    // Writes a cell, adding the field's column (at the end, "" in every
    // other row) when the list has none.
    void set(Row& row, Field field, std::string value);
};

// Reads CSV bytes: a header row, then one row per tag; comma or semicolon
// separated (whichever the header line holds more of, outside quotes);
// quoted fields with doubled quotes and line breaks inside; UTF-8 with or
// without a byte-order mark, or Windows-1252 when the bytes are not UTF-8
// (converted to UTF-8). Blank lines and rows of blank cells are skipped; a
// row longer than the header widens it with columns without captions. False
// with `error` set when the bytes hold no header.
bool parseTagList(std::string_view bytes, TagList& list, std::string& error);
// Reads a file (FileError as the case files report it) and parses it; a file
// without a header is error 62 ("Input past end of file").
FileError readTagList(const std::string& path, TagList& list);
// The list as CSV in UTF-8 (after a byte-order mark when the list has one),
// with its separator, its header and every column (unknown ones unchanged),
// CR LF line ends; a field is quoted when it holds the separator, a quote or
// a line break.
std::string tagListCsv(const TagList& list);
// Appends one cell of a CSV line, quoted (quotes doubled) when it holds the
// separator, a quote or a line break.
void appendCsvCell(std::string& out, std::string_view cell, char separator);
// Writes the list to `path` as `replaceFile` does: a failed save leaves the
// old file whole.
FileError saveTagList(const std::string& path, const TagList& list);

enum class Status { Fits, FitsWithNotes, NoMeter, Error };

struct Meter {
    std::string code;
    float minFlow = 0, maxFlow = 0;  // in the row's flow unit
    std::string minText, maxText;    // as the results screen writes them
    // With Min Flow and Max Flow given: whether this meter's range holds
    // both (inclusive at its ends).
    std::optional<bool> holdsMinMax;
};

// The outcome of sizing one row.
struct Result {
    Status status = Status::Error;
    std::string error;  // Status::Error: why, e.g. "line 7: Flow Rate \"abc\" is not a number"
    Workflow workflow = Workflow::Gas;
    std::string flowUnit;
    std::vector<Meter> meters;
    // Operating figures: density (lb/ft^3), viscosity (cP), actual flow
    // (gas: ACFM; liquid: GPM), line velocity (ft/s), and the Reynolds number
    // of the first recommended meter at the operating flow (0 without one).
    double density = 0, viscosityCp = 0, actualFlow = 0, velocityFps = 0, reynolds = 0;
    std::vector<std::string> notes, warnings;
    // The results view, for the row's report and page (one of the two, as
    // the workflow says; neither for an error).
    std::optional<GasResultsView> gas;
    std::optional<LiquidResultsView> liquid;
};

// Puts the row's case into the case record: the workflow's start-up case,
// the row's fields over it (a missing column or an empty cell keeps the
// start-up value), then the Open chain. Numbers are read as a case file's
// number lines, units compared with their box's list in upper case and kept
// as written. A gas medium of the table brings its constants where the row
// leaves Specific Gravity, Viscosity A or Viscosity B empty (as choosing it
// on the screen does); a liquid Specific Gravity without a Density gives the
// density (as the screen's gravity entry does). False with `error` set
// ("line N: Flow Rate \"abc\" is not a number; ...", every problem of the
// row) for an unknown workflow, a field that is not a number or a unit that
// is no unit of its list; the record then holds the start-up case.
bool loadTagCase(const TagList& list, const Row& row, Workflow& workflow, std::string& error);
// Sizes the row: `loadTagCase`, the Find Meter chain and the results view.
// The case record and the hooks are left as they were; a calculation's
// message meanwhile is added to the row's warnings instead of being shown.
Result sizeTag(const TagList& list, const Row& row);
// Every row in order, as `sizeTag` sizes each.
std::vector<Result> sizeTags(const TagList& list);
// Writes the case in the record (of `workflow`) into the row's cells,
// adding columns that are missing (Update Tag in List, Add Current Case).
void storeTagCase(TagList& list, Row& row, Workflow workflow);

// The results as CSV: the list's own columns first, then "Status",
// "Meters" ("QWG20 5.0-200.0; ..."), "Density (lb/ft^3)", "Viscosity (cP)",
// "Actual Flow", "Velocity (ft/s)", "Reynolds Number", "Min/Max Held",
// "Notes", "Warnings", "Error"; the list's byte-order mark first. A note's
// indented second line continues it, joined with one blank.
std::string resultsCsv(const TagList& list, const std::vector<Result>& results);
FileError saveResultsCsv(const std::string& path, const TagList& list,
                         const std::vector<Result>& results);
// The same table as an XLSX workbook: one sheet, the header row frozen,
// numbers as numbers, warnings and errors in their own columns, column
// widths fitted to their texts. Written to a temporary file beside `path`
// and renamed over it, so a failed export leaves no partial file.
FileError saveResultsXlsx(const std::string& path, const TagList& list,
                          const std::vector<Result>& results);

// The file names of the tags' reports in one folder: a tag's Tag Number
// without the blanks around it (as the report shows it), with every
// character that cannot stand in a file name replaced by "_" ("" becomes
// "_"), then "-2", "-3"… where an earlier tag took the same
// name. Without ".txt".
class ReportNames {
public:
    std::string next(const std::string& tagNumber);

private:
    std::unordered_set<std::string> taken_;
};

}  // namespace quorin::tags
