#include "reports/PrintFile.h"

#include "state/Text.h"

namespace quorin {

PrintWriter& PrintWriter::tab(int column) {
    if (column < 1) column = 1;
    if (column_ > column) endLine();
    bytes_.append(size_t(column - column_), ' ');
    column_ = column;
    return *this;
}

PrintWriter& PrintWriter::text(std::string_view utf8) {
    const std::string ansi = toAnsi(utf8);
    bytes_ += ansi;
    column_ += int(ansi.size());
    return *this;
}

PrintWriter& PrintWriter::endLine() {
    bytes_ += "\r\n";
    column_ = 1;
    return *this;
}

PrintWriter& PrintWriter::rule(int column) {
    return tab(column).text(std::string(80, '_')).endLine();
}

std::string firstChars(const std::string& utf8, int count) {
    size_t i = 0;
    for (int n = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;  // continuation
        if (n++ == count) break;
    }
    return utf8.substr(0, i);
}

}  // namespace quorin
