#include "reports/ListFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <type_traits>

#include "state/Text.h"

namespace quorin {

namespace {

constexpr const char* kLineEnd = "\r\n";

constexpr int kTypeMismatch = 13;
constexpr int kOverflow = 6;
constexpr int kPastEnd = 62;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool startsNumber(char c) { return (c >= '0' && c <= '9') || c == '.'; }

// True when a number's text (digits, an optional point, an optional
// exponent) is below 1 in magnitude: "0.0001", "5e-400".
bool belowOne(std::string_view number) {
    const size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    const size_t first = mantissa.find_first_of("123456789");
    if (first == mantissa.npos) return true;  // zero
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    // The power of ten of the first significant digit.
    long long power = first < point ? (long long)(point - first) - 1 : -(long long)(first - point);
    if (e != number.npos) {
        std::string_view exponent = number.substr(e + 1);
        const bool minus = !exponent.empty() && exponent.front() == '-';
        if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+'))
            exponent.remove_prefix(1);
        long long value = 0;
        for (char c : exponent) {
            value = value * 10 + (c - '0');
            if (value > 1000000) break;  // far beyond any double either way
        }
        power += minus ? -value : value;
    }
    return power < 0;
}

// Reads a whole line as a number of type T: an optional sign, digits with
// an optional point, an optional exponent. Returns 0 on success, otherwise
// the runtime's error number (13 not a number, 6 too large for the field).
template <typename T>
int readNumber(std::string_view text, T& out) {
    std::string_view s = trimmed(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // Only digits and a point start a number: "inf", "nan" and an empty
    // line are not numbers here.
    if (s.empty() || !startsNumber(s.front())) return kTypeMismatch;
    double value = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), value,
                               std::chars_format::general);
    if (res.ptr != s.data() + s.size()) return kTypeMismatch;
    if (res.ec == std::errc::result_out_of_range) {
        if (!belowOne(s)) return kOverflow;
        value = 0;  // far too small for any double
    } else if (res.ec != std::errc()) {
        return kTypeMismatch;
    }
    if constexpr (std::is_same_v<T, float>) {
        // The largest float is written rounded up to seven digits
        // (3.402824E+38); that text still reads as the largest float.
        constexpr double kMax = std::numeric_limits<float>::max();
        if (std::fabs(value) > 3.402824e38) return kOverflow;
        if (std::fabs(value) > kMax) {
            out = negative ? -float(kMax) : float(kMax);
            return 0;
        }
        // A float written with seven digits reads back as itself when parsed
        // as a float directly; the double above only decides the range.
        float f = 0;
        auto fr = std::from_chars(s.data(), s.data() + s.size(), f, std::chars_format::general);
        if (fr.ec != std::errc()) f = static_cast<float>(value);  // below the normal range
        out = negative ? -f : f;
    } else {
        out = negative ? -value : value;
    }
    return 0;
}

}  // namespace

// ---- Writer --------------------------------------------------------------

void ListWriter::string(std::string_view utf8) {
    std::string text = toAnsi(utf8);
    for (char& c : text) {
        // A double quote would end the value early, and a line break would
        // split it over two lines: neither could be read back.
        if (c == '"') c = '\'';
        else if (c == '\r' || c == '\n') c = ' ';
    }
    bytes_ += '"';
    bytes_ += text;
    bytes_ += '"';
    bytes_ += kLineEnd;
}

void ListWriter::single(float value) {
    bytes_ += General(value);
    bytes_ += kLineEnd;
}

void ListWriter::number(double value) {
    bytes_ += General(value);
    bytes_ += kLineEnd;
}

void ListWriter::boolean(bool value) {
    bytes_ += value ? "#TRUE#" : "#FALSE#";
    bytes_ += kLineEnd;
}

// ---- Reader --------------------------------------------------------------

ListReader::ListReader(std::string bytes) : bytes_(std::move(bytes)) {}

bool ListReader::fail(int number) {
    errorNumber_ = number;
    return false;
}

bool ListReader::next(std::string_view& text) {
    if (failed()) return false;
    ++line_;
    if (at_ >= bytes_.size()) return fail(kPastEnd);
    size_t end = bytes_.find('\n', at_);
    if (end == std::string::npos) end = bytes_.size();
    text = std::string_view(bytes_).substr(at_, end - at_);
    at_ = end < bytes_.size() ? end + 1 : end;
    return true;
}

bool ListReader::string(std::string& out) {
    std::string_view text;
    if (!next(text)) return false;
    text = trimmed(text);
    // The text between the first and the last quote of the line: a quote
    // inside it (written by programs that did not replace it) is kept.
    if (text.empty() || text.front() != '"') return fail(kTypeMismatch);
    if (text.size() < 2 || text.back() != '"') {
        // A string still open where the file ends: the file was cut short.
        return fail(at_ >= bytes_.size() && bytes_.back() != '\n' ? kPastEnd : kTypeMismatch);
    }
    out = fromAnsi(text.substr(1, text.size() - 2));
    return true;
}

bool ListReader::single(float& out) {
    std::string_view text;
    if (!next(text)) return false;
    float value = 0;
    if (int error = readNumber(text, value)) return fail(error);
    out = value;
    return true;
}

bool ListReader::number(double& out) {
    std::string_view text;
    if (!next(text)) return false;
    double value = 0;
    if (int error = readNumber(text, value)) return fail(error);
    out = value;
    return true;
}

bool ListReader::boolean(bool& out) {
    std::string_view text;
    if (!next(text)) return false;
    const std::string word = upper(trimmed(text));
    if (word == "#TRUE#") out = true;
    else if (word == "#FALSE#") out = false;
    else return fail(kTypeMismatch);
    return true;
}

}  // namespace quorin
