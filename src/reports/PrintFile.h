// The writer of the text reports, with the Print semantics of the original
// runtime: items follow each other with no separator, Tab(n) moves to
// character column n (1-based) and, when the line is already past column n,
// to column n of the next line; a line ends with CR LF. The bytes are
// Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace quorin {

class PrintWriter {
public:
    PrintWriter& tab(int column);
    PrintWriter& text(std::string_view utf8);
    // Ends the line (a Print statement without a trailing ";").
    PrintWriter& endLine();
    // A whole line ruled with 80 "_" from `column`.
    PrintWriter& rule(int column);

    // The file's bytes so far.
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
    int column_ = 1;  // where the next character goes
};

// The first `count` characters of a UTF-8 text.
std::string firstChars(const std::string& utf8, int count);

}  // namespace quorin
