// The list format of the case files: one value a line, in the order the
// reader expects them, as the original program's runtime wrote and read
// them, so files of either open in both.
//
//   string   the text in double quotes: "GPM"
//   number   the shortest general form, a leading zero, no blank: 500, 0.5,
//            1.5E-05 (a 32-bit field keeps 7 significant digits, a 64-bit
//            one 15)
//   Boolean  #TRUE# or #FALSE#
//
// Lines end with CR LF; the bytes are Windows-1252 (the degree sign and the
// superscripts two and three are single bytes). The reader also takes lines
// that end with LF alone and blanks around a value.
#pragma once

#include <string>
#include <string_view>

namespace quorin {

class ListWriter {
public:
    // A double quote inside the text is written as a single quote and a
    // line break as a blank, so the line always reads back.
    void string(std::string_view utf8);
    void single(float value);
    void number(double value);
    void boolean(bool value);

    // The file's bytes so far.
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

class ListReader {
public:
    explicit ListReader(std::string bytes);

    // Each read takes the next line. At the first line that is missing or
    // does not hold a value of the type asked for, it returns false, leaves
    // `out` unchanged, and every later read fails as well.
    bool string(std::string& out);  // UTF-8
    bool single(float& out);
    bool number(double& out);
    bool boolean(bool& out);

    bool failed() const { return errorNumber_ != 0; }
    // The runtime's error number of the failure: 62 "Input past end of
    // file" (also for a string cut short by the end of the file), 13 "Type
    // mismatch", 6 "Overflow" (a number too large for its field); 0 while
    // nothing failed.
    int errorNumber() const { return errorNumber_; }
    // The 1-based line of the last value read, or of the failure.
    int line() const { return line_; }

private:
    bool next(std::string_view& text);
    bool fail(int number);

    std::string bytes_;
    size_t at_ = 0;
    int line_ = 0;
    int errorNumber_ = 0;
};

// One routine per file kind walks its fields in file order with either of
// these, so writing and reading can never disagree on the order or the type
// of a line.
struct ListFieldWriter {
    ListWriter& out;
    void operator()(const std::string& v) { out.string(v); }
    void operator()(const float& v) { out.single(v); }
    void operator()(const double& v) { out.number(v); }
    void operator()(const bool& v) { out.boolean(v); }
};

struct ListFieldReader {
    ListReader& in;
    void operator()(std::string& v) { in.string(v); }
    void operator()(float& v) { in.single(v); }
    void operator()(double& v) { in.number(v); }
    void operator()(bool& v) { in.boolean(v); }
};

}  // namespace quorin
