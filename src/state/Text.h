// Texts every part of the program shares: unit comparison, number texts and
// the Windows-1252 characters of the data and report files.
//
// Number texts always use "." as the decimal point, whatever the desktop's
// language. A value that is not finite is written "Error" by every routine
// here, so a screen or report never shows a made-up number.
#pragma once

#include <string>
#include <string_view>

namespace quorin {

// ---- Unit texts ----------------------------------------------------------
// Upper-cases the ASCII letters of a unit or medium text.
std::string upper(std::string_view text);
// True when the upper-cased text equals `upperLiteral` (already upper case).
bool unitIs(std::string_view text, std::string_view upperLiteral);

// ---- Number texts --------------------------------------------------------
// Writes `value` with a display pattern: "0" a digit always written, "#" a
// digit written only when it is not a trailing zero, "e+00"/"e-0" an exponent
// (the "+" form always shows the sign, digits give the minimum width);
// anything after the pattern (for example a trailing blank) is copied.
// Halves round away from zero on the decimal value the field holds at its own
// precision: a float is taken from its shortest round-trip text.
std::string Format(float value, std::string_view pattern);
std::string Format(double value, std::string_view pattern);

// The general number-to-text conversion: a blank before a non-negative number,
// at most 7 significant digits of a float (15 of a double), no trailing
// zeros, a leading zero before the point, exponent form ("1.5E+07",
// "1E-05") outside 1e-4 <= |v| < 1e7 (float) or 1e15 (double).
std::string Str(float value);
std::string Str(double value);

// The shortest general form: Str without the leading blank.
std::string General(float value);
std::string General(double value);

// Removes blanks at both ends.
std::string Trim(std::string_view text);

// The display rule: false for a non-finite value, which is shown as "Error".
bool isShowable(double value);

// Reads a number typed into a box ("C" locale, optional blanks around it).
// Empty text reads as 0. Returns false for text that is not a number or does
// not fit a float; `out` is then left unchanged.
bool parseSingle(std::string_view text, float& out);
// The value of the longest leading part of the text that reads as a number
// (blanks, a sign, digits with one point, an exponent): "1.2.3" gives 1.2,
// "12abc" 12, and text without such a part (empty, ".", "abc") 0.
double leadingNumber(std::string_view text);
bool parseDouble(std::string_view text, double& out);

// ---- Windows-1252 --------------------------------------------------------
inline constexpr const char* kDeg = "\u00B0";  // byte 176
inline constexpr const char* kSup2 = "\u00B2"; // byte 178
inline constexpr const char* kSup3 = "\u00B3"; // byte 179

// UTF-8 to Windows-1252 bytes; characters the code page lacks become '?'.
std::string toAnsi(std::string_view utf8);
// Windows-1252 bytes to UTF-8 (the five unassigned bytes map to U+FFFD).
std::string fromAnsi(std::string_view ansi);

}  // namespace quorin
