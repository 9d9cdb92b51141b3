#include "framework/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}
bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Characters are appended up to the capacity of the span; a longer text is cut there.
class TextWriter {
public:
    explicit TextWriter(std::span<char, kMaxShownChars + 1> out) : m_out(out) {}

    void Put(char c) {
        if (m_length < kMaxShownChars)
            m_out[m_length++] = c;
    }
    void Put(std::string_view text) {
        for (char c : text)
            Put(c);
    }
    std::size_t Finish() {
        m_out[m_length] = '\0';
        return m_length;
    }

private:
    std::span<char, kMaxShownChars + 1> m_out;
    std::size_t m_length = 0;
};

constexpr int kShownDigits = 15;
constexpr int kExactDigits = 17;

// The first 15 significant digits of |v| after the two roundings, and the decimal exponent of
// the first of them.
struct ShownDigits {
    std::array<char, kShownDigits> digits;
    int exponent;
};

// std::to_chars rounds the exact value to 17 digits to nearest, ties to even, where the rule
// rounds ties up. The two differ only on an exact tie whose lower candidate D is even: D ends
// in 0, 2, 4, 6 or 8, so D + 1 differs from D in the 17th digit alone, which the rounding to
// 15 digits does not look at. The 15 digits shown are therefore those of the rule, ties
// included, without a test for ties.
ShownDigits RoundToShownDigits(double magnitude) {
    // "d.dddddddddddddddde+XXX"
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                       std::chars_format::scientific, kExactDigits - 1);
    const std::string_view exact(text.data(), static_cast<std::size_t>(written.ptr - text.data()));

    ShownDigits shown{};
    shown.digits[0] = exact[0];
    for (std::size_t i = 1; i < kShownDigits; ++i)
        shown.digits[i] = exact[i + 1];
    // The 'e' follows the 17 digits and the point; from_chars takes a '-' but no '+'.
    std::size_t e = kExactDigits + 2;
    if (exact[e] == '+')
        ++e;
    std::from_chars(exact.data() + e, exact.data() + exact.size(), shown.exponent);

    if (exact[kShownDigits + 1] >= '5') {
        int i = kShownDigits - 1;
        for (; i >= 0 && shown.digits[static_cast<std::size_t>(i)] == '9'; --i)
            shown.digits[static_cast<std::size_t>(i)] = '0';
        if (i >= 0) {
            ++shown.digits[static_cast<std::size_t>(i)];
        } else {
            shown.digits[0] = '1';
            ++shown.exponent;
        }
    }
    return shown;
}

// The digits without their trailing zeros; at least the first digit.
std::string_view SignificantDigits(const ShownDigits& shown) {
    std::size_t count = kShownDigits;
    while (count > 1 && shown.digits[count - 1] == '0')
        --count;
    return {shown.digits.data(), count};
}

void WriteExponential(const ShownDigits& shown, TextWriter& writer) {
    const std::string_view digits = SignificantDigits(shown);
    writer.Put(digits[0]);
    if (digits.size() > 1) {
        writer.Put('.');
        writer.Put(digits.substr(1));
    }
    writer.Put(shown.exponent < 0 ? "e-" : "e+");
    const int magnitude = std::abs(shown.exponent);
    if (magnitude < 100)
        writer.Put('0');
    if (magnitude < 10)
        writer.Put('0');
    std::array<char, 4> exponent{};
    const auto written =
        std::to_chars(exponent.data(), exponent.data() + exponent.size(), magnitude);
    writer.Put({exponent.data(), static_cast<std::size_t>(written.ptr - exponent.data())});
}

// Only for exponents from -4 to 14, where the point falls inside or just before the digits.
void WritePositional(const ShownDigits& shown, TextWriter& writer) {
    const std::string_view digits = SignificantDigits(shown);
    if (shown.exponent < 0) {
        writer.Put("0.");
        for (int i = -1; i > shown.exponent; --i)
            writer.Put('0');
        writer.Put(digits);
        return;
    }
    const auto whole = static_cast<std::size_t>(shown.exponent) + 1;
    writer.Put(std::string_view(shown.digits.data(), whole));
    if (digits.size() > whole) {
        writer.Put('.');
        writer.Put(digits.substr(whole));
    }
}

} // namespace

std::optional<double> ParseNumber(std::wstring_view text) {
    text = text.substr(0, std::min(text.size(), kMaxReadChars));
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const bool beginsWithZero = i < text.size() && text[i] == L'0';

    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }

    // The prefix without its sign, the exponent letter written 'e', for from_chars. It is no
    // longer than the text it comes from.
    std::array<char, kMaxReadChars> number{};
    std::size_t length = 0;
    const auto take = [&](wchar_t c) {
        if (length < number.size())
            number[length++] = static_cast<char>(c);
    };

    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            ++digits;
        } else if (text[i] == L'.' && !point) {
            point = true;
        } else {
            break;
        }
        take(text[i]);
    }
    // Without a digit the prefix is empty and reads as zero, and the text does not begin
    // with '0'.
    if (digits == 0)
        return std::nullopt;

    bool negativeExponent = false;
    if (i < text.size() &&
        (text[i] == L'e' || text[i] == L'E' || text[i] == L'd' || text[i] == L'D')) {
        std::size_t j = i + 1;
        const bool minus = j < text.size() && text[j] == L'-';
        if (j < text.size() && (text[j] == L'+' || minus))
            ++j;
        // A letter without digits is left over and makes the text not a number.
        if (j < text.size() && IsDigit(text[j])) {
            negativeExponent = minus;
            take(L'e');
            if (minus)
                take(L'-');
            for (i = j; i < text.size() && IsDigit(text[i]); ++i)
                take(text[i]);
        }
    }

    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i != text.size())
        return std::nullopt;

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + length, value);
    if (error == std::errc::result_out_of_range) {
        // The at most 30 mantissa characters alone lie between 1e-30 and 1e30, so only an
        // exponent takes the value out of range, upwards when it is positive.
        value = negativeExponent ? 0.0 : HUGE_VAL;
    } else if (error != std::errc() || end != number.data() + length) {
        return std::nullopt;
    }
    if (value == 0.0 && !beginsWithZero)
        return std::nullopt;
    return negative ? -value : value;
}

std::size_t FormatNumber(double v, std::span<char, kMaxShownChars + 1> out) {
    TextWriter writer(out);
    if (std::isnan(v)) {
        // Every NaN the converter can meet comes from an invalid operation.
        writer.Put("-1.#IND");
        return writer.Finish();
    }
    // A negative zero shows as "0", a text that reads back; "-0" would not.
    if (v < 0.0)
        writer.Put('-');
    if (std::isinf(v)) {
        writer.Put("1.#INF");
        return writer.Finish();
    }
    const ShownDigits shown = RoundToShownDigits(std::fabs(v));
    if (shown.exponent < -4 || shown.exponent >= kShownDigits)
        WriteExponential(shown, writer);
    else
        WritePositional(shown, writer);
    return writer.Finish();
}

std::wstring FormatNumber(double v) {
    std::array<char, kMaxShownChars + 1> text{};
    const std::size_t length = FormatNumber(v, text);
    return std::wstring(text.data(), text.data() + length);
}
