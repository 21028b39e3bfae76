#include "state/Text.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace quorin {

// ---- Unit texts ----------------------------------------------------------

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return out;
}

bool unitIs(std::string_view text, std::string_view upperLiteral) {
    return upper(text) == upperLiteral;
}

std::string Trim(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    return std::string(text.substr(b, e - b));
}

bool isShowable(double value) { return std::isfinite(value); }

// ---- Decimal digits of a value ------------------------------------------

namespace {

// value = 0.d1 d2 d3 ... x 10^point, digits without leading zeros;
// empty digits mean zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

template <typename T>
Decimal shortestDecimal(T value) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0) return d;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                             std::chars_format::scientific);
    std::string_view s(buf, size_t(res.ptr - buf));
    size_t ePos = s.find('e');
    for (char c : s.substr(0, ePos))
        if (c != '.') d.digits.push_back(c);
    int exp10 = 0;
    std::from_chars(s.data() + ePos + 1 + (s[ePos + 1] == '+' ? 1 : 0),
                    s.data() + s.size(), exp10);
    d.point = exp10 + 1;
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero.
void roundAt(Decimal& d, int keep) {
    if (keep >= int(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    bool up = d.digits[size_t(keep)] >= '5';
    d.digits.resize(size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[size_t(i)] == '9') d.digits[size_t(i--)] = '0';
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        } else {
            ++d.digits[size_t(i)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

char digitAt(const Decimal& d, int index) {  // index 0 is the first digit
    return index >= 0 && index < int(d.digits.size()) ? d.digits[size_t(index)]
                                                      : '0';
}

struct Pattern {
    int minInt = 0;
    int minDec = 0;
    int maxDec = 0;
    bool point = false;
    bool exponent = false;
    char expChar = 'e';
    bool expPlus = false;
    int expDigits = 0;
    std::string suffix;
};

Pattern parsePattern(std::string_view p) {
    Pattern pt;
    size_t i = 0;
    for (; i < p.size() && (p[i] == '0' || p[i] == '#'); ++i)
        if (p[i] == '0') ++pt.minInt;
    if (i < p.size() && p[i] == '.') {
        pt.point = true;
        for (++i; i < p.size() && (p[i] == '0' || p[i] == '#'); ++i) {
            ++pt.maxDec;
            if (p[i] == '0') pt.minDec = pt.maxDec;
        }
    }
    if (i + 1 < p.size() && (p[i] == 'e' || p[i] == 'E') &&
        (p[i + 1] == '+' || p[i + 1] == '-')) {
        pt.exponent = true;
        pt.expChar = p[i];
        pt.expPlus = p[i + 1] == '+';
        for (i += 2; i < p.size() && p[i] == '0'; ++i) ++pt.expDigits;
    }
    pt.suffix = std::string(p.substr(i));
    return pt;
}

std::string exponentText(int e, char mark, bool plus, int width) {
    std::string digits = std::to_string(e < 0 ? -e : e);
    while (int(digits.size()) < width) digits.insert(digits.begin(), '0');
    std::string out(1, mark);
    if (e < 0)
        out += '-';
    else if (plus)
        out += '+';
    return out + digits;
}

// Fraction digits beyond `minDec` that are zero are dropped.
void trimFraction(std::string& frac, int minDec) {
    while (int(frac.size()) > minDec && frac.back() == '0') frac.pop_back();
}

std::string formatDecimal(Decimal d, const Pattern& pt) {
    std::string body;
    if (pt.exponent) {
        int intDigits = pt.minInt > 0 ? pt.minInt : 1;
        roundAt(d, intDigits + pt.maxDec);
        int e = d.digits.empty() ? 0 : d.point - intDigits;
        for (int k = 0; k < intDigits; ++k) body += digitAt(d, k);
        std::string frac;
        for (int k = 0; k < pt.maxDec; ++k) frac += digitAt(d, intDigits + k);
        trimFraction(frac, pt.minDec);
        if (pt.point && (!frac.empty() || pt.maxDec == 0)) body += "." + frac;
        body += exponentText(e, pt.expChar, pt.expPlus, pt.expDigits);
    } else {
        roundAt(d, d.point + pt.maxDec);
        std::string ip;
        for (int k = 0; k < d.point; ++k) ip += digitAt(d, k);
        while (int(ip.size()) < pt.minInt) ip.insert(ip.begin(), '0');
        std::string frac;
        for (int k = 0; k < pt.maxDec; ++k) frac += digitAt(d, d.point + k);
        trimFraction(frac, pt.minDec);
        body = ip;
        if (pt.point) body += "." + frac;
    }
    // A value that rounds to zero is written without a sign.
    if (d.negative && !d.digits.empty()) body.insert(body.begin(), '-');
    return body + pt.suffix;
}

template <typename T>
std::string formatValue(T value, std::string_view pattern) {
    if (!std::isfinite(value)) return "Error";
    return formatDecimal(shortestDecimal(value), parsePattern(pattern));
}

template <typename T>
std::string strValue(T value, int significant, int fixedBelowExp) {
    if (!std::isfinite(value)) return "Error";
    Decimal d = shortestDecimal(value);
    roundAt(d, significant);
    std::string body;
    if (d.digits.empty()) {
        body = "0";
    } else {
        int e = d.point - 1;
        int n = int(d.digits.size());
        if (e >= -4 && e < fixedBelowExp) {
            if (d.point <= 0)
                body = "0." + std::string(size_t(-d.point), '0') + d.digits;
            else if (d.point >= n)
                body = d.digits + std::string(size_t(d.point - n), '0');
            else
                body = d.digits.substr(0, size_t(d.point)) + "." +
                       d.digits.substr(size_t(d.point));
        } else {
            body = d.digits.substr(0, 1);
            if (n > 1) body += "." + d.digits.substr(1);
            body += exponentText(e, 'E', true, 2);
        }
    }
    bool minus = d.negative && !d.digits.empty();
    return (minus ? "-" : " ") + body;
}

template <typename T>
bool parseNumber(std::string_view text, T& out) {
    std::string t = Trim(text);
    if (t.empty()) {
        out = 0;
        return true;
    }
    std::string_view s(t);
    bool negative = false;
    if (s[0] == '+' || s[0] == '-') {
        negative = s[0] == '-';
        s.remove_prefix(1);
        if (s.empty() || s[0] == '+' || s[0] == '-') return false;
    }
    T value{};
    auto res = std::from_chars(s.data(), s.data() + s.size(), value,
                               std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return false;
    if (!std::isfinite(value)) return false;
    out = negative ? -value : value;
    return true;
}

}  // namespace

std::string Format(float value, std::string_view pattern) {
    return formatValue(value, pattern);
}
std::string Format(double value, std::string_view pattern) {
    return formatValue(value, pattern);
}

std::string Str(float value) { return strValue(value, 7, 7); }
std::string Str(double value) { return strValue(value, 15, 15); }

std::string General(float value) { return Trim(Str(value)); }
std::string General(double value) { return Trim(Str(value)); }

bool parseSingle(std::string_view text, float& out) {
    return parseNumber(text, out);
}

namespace {

// The power of ten of the first significant digit of a number written with
// digits, an optional point and an optional exponent: 2 for "123.4", -3 for
// "0.00125", 297 for "0.001e300". A number without a significant digit
// gives 0.
long decimalExponent(std::string_view number) {
    const size_t e = number.find_first_of("eE");
    long exponent = 0;
    if (e != number.npos) {
        size_t k = e + 1;
        const bool minus = k < number.size() && number[k] == '-';
        if (k < number.size() && (number[k] == '-' || number[k] == '+')) ++k;
        // Far beyond any double either way; stopping there keeps the sum in range.
        for (; k < number.size() && exponent < 100000; ++k)
            exponent = exponent * 10 + (number[k] - '0');
        if (minus) exponent = -exponent;
    }
    const std::string_view mantissa = number.substr(0, e);
    const size_t first = mantissa.find_first_of("123456789");
    if (first == mantissa.npos) return 0;
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const long position = first < point ? long(point - first) - 1 : -long(first - point);
    return position + exponent;
}

}  // namespace

double leadingNumber(std::string_view text) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // Only digits and a point start a number: "inf" and "nan" read as 0.
    if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s.front())) || s.front() == '.'))
        return 0;
    double value = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value,
                                     std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large reads as infinity, too small as 0.
        const std::string_view number(s.data(), size_t(res.ptr - s.data()));
        value = decimalExponent(number) < 0 ? 0 : std::numeric_limits<double>::infinity();
    } else if (res.ec != std::errc()) {
        return 0;
    }
    return negative ? -value : value;
}
bool parseDouble(std::string_view text, double& out) {
    return parseNumber(text, out);
}

// ---- Windows-1252 --------------------------------------------------------

namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string fromAnsi(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (char ch : ansi) {
        auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0)
            appendUtf8(out, kHigh[b - 0x80] ? kHigh[b - 0x80] : char32_t(0xFFFD));
        else
            appendUtf8(out, b);
    }
    return out;
}

std::string toAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp;
        size_t len;
        if (b < 0x80) {
            cp = b;
            len = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            len = 4;
        } else {
            out += '?';
            ++i;
            continue;
        }
        bool ok = i + len <= utf8.size();
        for (size_t k = 1; ok && k < len; ++k) {
            auto c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0) != 0x80) ok = false;
            else cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok) {
            out += '?';
            ++i;
            continue;
        }
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += char(cp);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (kHigh[k] && kHigh[k] == cp) mapped = char(0x80 + k);
        out += mapped;
    }
    return out;
}

}  // namespace quorin
