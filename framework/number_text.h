#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The number text rules of the value and result fields: which texts read as numbers and how
// numbers are shown. They give the same results on every C runtime.

// Reading looks at no more than this many characters of a text; the rest is ignored.
inline constexpr std::size_t kMaxReadChars = 31;

// The longest shown text, e.g. "-1.23456789012346e-308".
inline constexpr std::size_t kMaxShownChars = 22;

// Reads a field's text as a number, or nothing when the text is not a number. Of the first
// kMaxReadChars characters: blanks and tabs, an optional sign, digits with at most one '.'
// (at least one digit), an optional exponent (e, E, d or D, optional sign, at least one
// digit), blanks and tabs, and nothing else. The value is the nearest double; too large a
// magnitude reads as an infinity of its sign. A value of zero, including one too small for a
// double, is a number only when the first character after the leading blanks is '0'.
//   "007" -> 7    " 12 " -> 12    ".5" -> 0.5    "1d3" -> 1000    "1e400" -> +infinity
//   "0e5" -> 0    "-0", ".0", "1e-400", "1,5", "1e", "" -> not a number
std::optional<double> ParseNumber(std::wstring_view text);

// Writes v in the display format into out, followed by a terminating '\0', and returns the
// number of characters before it (at most kMaxShownChars). The digits are the exact value of
// |v| rounded half up to 17 significant digits, then half up to 15; trailing zeros are
// dropped. A first digit at 10^-5 or below, or at 10^15 or above, gives the exponential form
// with a signed exponent of at least three digits.
//   1 -> "1"    0.1 + 0.2 -> "0.3"    0.00009999 -> "9.999e-005"    1e21 -> "1e+021"
//   1234567890123445 -> "1.23456789012345e+015"    -0.0 -> "0"
//   +infinity -> "1.#INF"    -infinity -> "-1.#INF"    NaN -> "-1.#IND"
std::size_t FormatNumber(double v, std::span<char, kMaxShownChars + 1> out);

// The same text as a wide string, for a window's text.
std::wstring FormatNumber(double v);
