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

}  // namespace quorin
