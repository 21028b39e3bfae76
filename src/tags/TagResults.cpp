// The results of a sized tag list as a table: CSV, an XLSX workbook, and the
// names of the tags' report files.
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "state/Text.h"
#include "tags/TagList.h"

namespace quorin::tags {

namespace {

// The columns after the list's own.
constexpr const char* kResultColumns[] = {
    "Status",       "Meters",          "Density (lb/ft^3)", "Viscosity (cP)",
    "Actual Flow",  "Velocity (ft/s)", "Reynolds Number",   "Min/Max Held",
    "Notes",        "Warnings",        "Error"};
constexpr size_t kResultCount = std::size(kResultColumns);
// The first of the operating figures among them, and how many there are.
constexpr size_t kFirstFigure = 2, kFigureCount = 5;

const char* statusText(Status status) {
    switch (status) {
    case Status::Fits: return "Fits";
    case Status::FitsWithNotes: return "Fits with notes";
    case Status::NoMeter: return "No meter";
    case Status::Error: return "Error";
    }
    return "";
}

// The lines joined by "; "; an indented line continues the one before it
// (a results screen's note of two lines) and joins it with one blank.
std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty() && !line.empty() && line.front() == ' ') {
            text += ' ' + Trim(line);
            continue;
        }
        if (!text.empty()) text += "; ";
        text += line;
    }
    return text;
}

// A figure as the shortest text that reads back as the same single-precision
// value (the precision the sizing works in); "" for a value that is no number.
std::string figureText(double value) {
    if (!std::isfinite(value)) return "";
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, float(value)).ptr;
    return std::string(text, end);
}

// One cell of the results table: a text, or a number with the text it is
// written as in CSV.
struct Cell {
    std::string text;
    bool number = false;
    double value = 0;
};

Cell numberCell(std::string text) {
    Cell cell{std::move(text)};
    const char* end = cell.text.data() + cell.text.size();
    const auto [ptr, ec] = std::from_chars(cell.text.data(), end, cell.value);
    cell.number = !cell.text.empty() && ec == std::errc{} && ptr == end && std::isfinite(cell.value);
    return cell;
}

// The list's columns whose cells are figures: written as numbers in the
// workbook when they read as one.
std::vector<bool> numericColumns(const TagList& list) {
    constexpr Field kNumeric[] = {
        Field::FlowRate,         Field::PipeSize,           Field::Temperature,
        Field::SpecificGravity,  Field::Pressure,           Field::AtmosphericPressure,
        Field::PressureReference, Field::TemperatureReference, Field::ViscosityA,
        Field::ViscosityB,       Field::Density,            Field::Viscosity,
        Field::MinFlow,          Field::MaxFlow};
    std::vector<bool> numeric(list.header.size(), false);
    for (size_t c = 0; c < list.header.size(); ++c)
        numeric[c] = std::find(std::begin(kNumeric), std::end(kNumeric), fieldOf(list.header[c])) !=
                     std::end(kNumeric);
    return numeric;
}

// The result columns of one row.
std::vector<Cell> resultCells(const Result& r) {
    std::vector<Cell> cells(kResultCount);
    cells[0].text = statusText(r.status);
    if (r.status != Status::Error) {
        std::string meters, held;
        for (const Meter& m : r.meters) {
            if (!meters.empty()) meters += "; ";
            meters += m.code + " " + m.minText + "-" + m.maxText;
            if (m.holdsMinMax) {
                if (!held.empty()) held += "; ";
                held += m.code + (*m.holdsMinMax ? ": yes" : ": no");
            }
        }
        cells[1].text = std::move(meters);
        const double figures[kFigureCount] = {r.density, r.viscosityCp, r.actualFlow, r.velocityFps,
                                              r.reynolds};
        // Without a meter there is no Reynolds number to give.
        const size_t shown = r.meters.empty() ? kFigureCount - 1 : kFigureCount;
        for (size_t k = 0; k < shown; ++k) cells[kFirstFigure + k] = numberCell(figureText(figures[k]));
        cells[7].text = std::move(held);
    }
    cells[8].text = joined(r.notes);
    cells[9].text = joined(r.warnings);
    cells[10].text = r.error;
    return cells;
}

// Characters of a UTF-8 text, for a column's width.
size_t characters(const std::string& text) {
    return size_t(std::count_if(text.begin(), text.end(),
                                [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Writes the workbook to `file` (a new file of this process's own).
bool writeWorkbook(const std::string& file, const TagList& list, const std::vector<Result>& results) {
    // Rows go out as they are written, so a long list takes little memory;
    // its texts are then stored in the cells themselves.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(file.c_str(), &options);
    if (!book) return false;
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Results");
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);

    const size_t own = list.header.size();
    std::vector<size_t> widths(own + kResultCount, 0);
    bool written = sheet != nullptr;
    auto put = [&](size_t row, size_t col, const Cell& cell, lxw_format* format) {
        widths[col] = std::max(widths[col], characters(cell.text));
        if (cell.text.empty() || !written) return;
        const lxw_error error =
            cell.number ? worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(col), cell.value, format)
                        : worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(col),
                                                 cell.text.c_str(), format);
        written = error == LXW_NO_ERROR;
    };
    for (size_t c = 0; c < own; ++c) put(0, c, Cell{list.header[c]}, bold);
    for (size_t c = 0; c < kResultCount; ++c) put(0, own + c, Cell{kResultColumns[c]}, bold);
    const std::vector<bool> numeric = numericColumns(list);
    for (size_t k = 0; k < list.rows.size(); ++k) {
        const Row& row = list.rows[k];
        for (size_t c = 0; c < own; ++c) {
            const std::string& text = c < row.cells.size() ? row.cells[c] : std::string();
            put(k + 1, c, numeric[c] ? numberCell(text) : Cell{text}, nullptr);
        }
        if (k < results.size()) {
            const std::vector<Cell> cells = resultCells(results[k]);
            for (size_t c = 0; c < kResultCount; ++c) put(k + 1, own + c, cells[c], nullptr);
        }
    }
    if (sheet) {
        worksheet_freeze_panes(sheet, 1, 0);
        // Fitted to the longest text, a little room beside it, at most 80
        // characters wide (a long line of notes wraps no column off the screen).
        for (size_t c = 0; c < widths.size(); ++c)
            worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c),
                                 double(std::min<size_t>(widths[c] + 2, 80)), nullptr);
    }
    const lxw_error closed = workbook_close(book);
    return written && closed == LXW_NO_ERROR;
}

}  // namespace

std::string resultsCsv(const TagList& list, const std::vector<Result>& results) {
    const char sep = list.separator;
    std::string out(list.byteOrderMark ? "\xEF\xBB\xBF" : "");
    out.reserve(256 * (list.rows.size() + 1));
    auto line = [&](const std::vector<std::string>& own, const std::vector<Cell>& tail) {
        bool first = true;
        for (size_t c = 0; c < list.header.size(); ++c) {
            if (!first) out += sep;
            first = false;
            appendCsvCell(out, c < own.size() ? own[c] : std::string(), sep);
        }
        for (const Cell& cell : tail) {
            if (!first) out += sep;
            first = false;
            appendCsvCell(out, cell.text, sep);
        }
        out += "\r\n";
    };
    std::vector<Cell> header;
    for (const char* caption : kResultColumns) header.push_back(Cell{caption});
    line(list.header, header);
    for (size_t k = 0; k < list.rows.size(); ++k)
        line(list.rows[k].cells, k < results.size() ? resultCells(results[k]) : std::vector<Cell>{});
    return out;
}

FileError saveResultsCsv(const std::string& path, const TagList& list,
                         const std::vector<Result>& results) {
    return replaceFile(path, resultsCsv(list, results));
}

FileError saveResultsXlsx(const std::string& path, const TagList& list,
                          const std::vector<Result>& results) {
    // The library writes the workbook to a file of its own, which then
    // replaces the target as every saved file does (beside it, renamed over
    // it): a failed export leaves the old file whole and no new one.
    std::string work = (std::filesystem::temp_directory_path() / "quorin-xlsx-XXXXXX").string();
    const int fd = ::mkstemp(work.data());
    if (fd < 0) return runtimeError(75);
    ::close(fd);
    const bool written = writeWorkbook(work, list, results);
    std::string bytes;
    if (written) {
        std::ifstream in(work, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    ::unlink(work.c_str());
    if (!written || bytes.empty()) return runtimeError(57);
    return replaceFile(path, bytes);
}

std::string ReportNames::next(const std::string& tagNumber) {
    // What Windows, macOS and Linux all refuse in a name, and the control
    // characters; a name of dots alone would name a folder.
    std::string name;
    for (const char c : Trim(tagNumber)) {
        const auto u = static_cast<unsigned char>(c);
        const bool bad =
            u < 0x20 || u == 0x7F || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos;
        name += bad ? '_' : c;
    }
    if (name.find_first_not_of('.') == std::string::npos) std::replace(name.begin(), name.end(), '.', '_');
    if (name.empty()) name = "_";
    // A file name holds at most 255 bytes: room for "-NNNNN.txt", cut
    // between characters.
    constexpr size_t kLongest = 240;
    if (name.size() > kLongest) {
        size_t cut = kLongest;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.resize(cut);
    }
    std::string candidate = name;
    for (int n = 2; !taken_.insert(candidate).second; ++n) candidate = name + "-" + std::to_string(n);
    return candidate;
}

}  // namespace quorin::tags
