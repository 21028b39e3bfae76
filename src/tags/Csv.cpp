// Tag lists as CSV: reading with libcsv (separator from the header, the
// text's encoding found from its bytes, each row's first line counted) and
// writing back with the list's own separator.
#include <csv.h>

#include <algorithm>
#include <memory>

#include "state/Text.h"
#include "tags/TagList.h"

namespace quorin::tags {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// True when `bytes` are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool isUtf8(std::string_view bytes) {
    size_t k = 0;
    while (k < bytes.size()) {
        const unsigned char c = bytes[k];
        if (c < 0x80) {
            ++k;
            continue;
        }
        // The continuation bytes that follow, and the lowest code point
        // their count may carry.
        int more = 0;
        if (c >= 0xC2 && c <= 0xDF) more = 1;
        else if (c >= 0xE0 && c <= 0xEF) more = 2;
        else if (c >= 0xF0 && c <= 0xF4) more = 3;
        else return false;
        const unsigned lowest = more == 1 ? 0x80 : more == 2 ? 0x800 : 0x10000;
        if (k + more >= bytes.size()) return false;
        unsigned code = c & (0x3F >> more);
        for (int n = 1; n <= more; ++n) {
            const unsigned char d = bytes[k + n];
            if ((d & 0xC0) != 0x80) return false;
            code = (code << 6) | (d & 0x3F);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        k += more + 1;
    }
    return true;
}

// The header's separator: ';' when its line (the first that is not blank)
// holds more semicolons than commas outside quotes, else ','.
char headerSeparator(std::string_view text) {
    int commas = 0, semicolons = 0;
    bool quoted = false, begun = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if ((c == '\n' || c == '\r') && begun) break;
        if (c == ',') ++commas;
        else if (c == ';') ++semicolons;
        begun = begun || (c != ' ' && c != '\t' && c != '\r' && c != '\n');
    }
    return semicolons > commas ? ';' : ',';
}

// What libcsv's callbacks build: the rows as they end, each with the line
// it started on.
struct Collector {
    std::vector<std::vector<std::string>> rows;
    std::vector<int> lines;
    std::vector<std::string> cells;
    int line = 0;       // the physical line being fed
    int rowStart = 0;   // the line of the open row's first byte; 0: no row open
};

void onField(void* data, size_t size, void* sink) {
    auto& c = *static_cast<Collector*>(sink);
    c.cells.emplace_back(data ? static_cast<const char*>(data) : "", data ? size : 0);
}

void onRowEnd(int, void* sink) {
    auto& c = *static_cast<Collector*>(sink);
    c.rows.push_back(std::move(c.cells));
    c.lines.push_back(c.rowStart ? c.rowStart : c.line);
    c.cells.clear();
    c.rowStart = 0;
}

// Blanks are data: a cell keeps the blanks around it.
int noSpace(unsigned char) { return 0; }

bool blankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

bool parseTagList(std::string_view bytes, TagList& list, std::string& error) {
    std::string text;
    bool mark = bytes.substr(0, kBom.size()) == kBom;
    if (mark) bytes.remove_prefix(kBom.size());
    if (isUtf8(bytes)) {
        text = std::string(bytes);
    } else {
        text = fromAnsi(bytes);
        mark = true;
    }

    csv_parser parser;
    if (csv_init(&parser, 0) != 0) {
        error = "Out of memory";
        return false;
    }
    std::unique_ptr<csv_parser, void (*)(csv_parser*)> owner(&parser, csv_free);
    const char separator = headerSeparator(text);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    csv_set_space_func(&parser, noSpace);

    // Fed one physical line at a time, so a row's first line is known; a
    // line ends in LF, CR LF or a CR alone (older Mac spreadsheets).
    Collector c;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos) end = text.size();
        else end += text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        const std::string_view line = std::string_view(text).substr(at, end - at);
        ++c.line;
        if (!c.rowStart && !blankLine(line)) c.rowStart = c.line;
        if (csv_parse(&parser, line.data(), line.size(), onField, onRowEnd, &c) != line.size()) {
            error = csv_strerror(csv_error(&parser));
            return false;
        }
        at = end;
    }
    csv_fini(&parser, onField, onRowEnd, &c);

    // A row of blank cells (a spreadsheet's empty rows) is a blank line.
    std::vector<size_t> kept;
    for (size_t k = 0; k < c.rows.size(); ++k)
        if (!std::all_of(c.rows[k].begin(), c.rows[k].end(),
                         [](const std::string& cell) { return Trim(cell).empty(); }))
            kept.push_back(k);
    if (kept.empty()) {
        error = "The file holds no header";
        return false;
    }
    list = TagList{};
    list.separator = separator;
    list.byteOrderMark = mark;
    list.header = std::move(c.rows[kept.front()]);
    size_t width = list.header.size();
    for (const size_t k : kept) width = std::max(width, c.rows[k].size());
    // A row longer than the header keeps its cells under columns without
    // captions, so nothing read is lost.
    list.header.resize(width);
    list.rows.reserve(kept.size() - 1);
    for (size_t n = 1; n < kept.size(); ++n) {
        Row row{c.lines[kept[n]], std::move(c.rows[kept[n]])};
        row.cells.resize(width);
        list.rows.push_back(std::move(row));
    }
    return true;
}

FileError readTagList(const std::string& path, TagList& list) {
    std::string bytes;
    // A list is read to its end, however long.
    if (FileError error = readWholeFile(path, bytes, bytes.max_size())) return error;
    std::string problem;
    if (!parseTagList(bytes, list, problem)) {
        FileError error = runtimeError(62);
        error.text = problem;  // says more than "Input past end of file"
        return error;
    }
    return {};
}

void appendCsvCell(std::string& out, std::string_view cell, char separator) {
    if (cell.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos) {
        out += cell;
        return;
    }
    out += '"';
    for (const char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string tagListCsv(const TagList& list) {
    std::string out(list.byteOrderMark ? kBom : "");
    auto line = [&](const std::vector<std::string>& cells) {
        for (size_t k = 0; k < list.header.size(); ++k) {
            if (k) out += list.separator;
            if (k < cells.size()) appendCsvCell(out, cells[k], list.separator);
        }
        out += "\r\n";
    };
    line(list.header);
    for (const Row& row : list.rows) line(row.cells);
    return out;
}

FileError saveTagList(const std::string& path, const TagList& list) {
    return replaceFile(path, tagListCsv(list));
}

}  // namespace quorin::tags
