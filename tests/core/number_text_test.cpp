#include "framework/number_text.h"
#include "tests/core/shown_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kMinNormal = std::numeric_limits<double>::min();
constexpr double kMinSubnormal = std::numeric_limits<double>::denorm_min();

std::string Shown(double v) {
    std::array<char, kMaxShownChars + 1> text{};
    const std::size_t length = FormatNumber(v, text);
    return std::string(text.data(), length);
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

double FromBits(std::uint64_t bits) {
    return std::bit_cast<double>(bits);
}

// ---------------------------------------------------------------------------------------------
// Reading

struct ReadCase {
    std::wstring text;
    std::optional<double> value;
};

void ExpectReads(std::span<const ReadCase> cases) {
    for (const ReadCase& c : cases) {
        const std::optional<double> got = ParseNumber(c.text);
        const std::string text = Narrow(c.text);
        ASSERT_EQ(got.has_value(), c.value.has_value()) << "'" << text << "'";
        if (got) {
            EXPECT_EQ(*got, *c.value) << "'" << text << "'";
            EXPECT_EQ(std::signbit(*got), std::signbit(*c.value)) << "'" << text << "'";
        }
    }
}

TEST(ParseNumber, OutcomeTable) {
    const ReadCase cases[] = {
        {L"1", 1},
        {L"007", 7},
        {L" 12 ", 12},
        {L"1.5", 1.5},
        {L".5", 0.5},
        {L"5.", 5},
        {L"-4", -4},
        {L"+4", 4},
        {L"1e3", 1000},
        {L"1E3", 1000},
        {L"1d3", 1000},
        {L"1D3", 1000},
        {L"2.5e-3", 0.0025},
        {L"0", 0},
        {L"00", 0},
        {L"0.0", 0},
        {L"0e5", 0},
        {L"", std::nullopt},
        {L"   ", std::nullopt},
        {L"-0", std::nullopt},
        {L"+0", std::nullopt},
        {L".0", std::nullopt},
        {L"1e-400", std::nullopt},
        {L"1e400", kInf},
        {L"1,5", std::nullopt},
        {L"1 000", std::nullopt},
        {L"1e", std::nullopt},
        {L"1e+", std::nullopt},
        {L"abc", std::nullopt},
        {L"1x", std::nullopt},
        {L"1.#INF", std::nullopt},
    };
    ExpectReads(cases);
}

TEST(ParseNumber, BlanksAreSpacesAndTabsOnly) {
    const ReadCase cases[] = {
        {L"\t 12\t ", 12},       {L" \t-0.25", -0.25},      {L"\t", std::nullopt},
        {L"\n12", std::nullopt}, {L"12\r\n", std::nullopt}, {L"\u00A012", std::nullopt},
        {L"- 4", std::nullopt},  {L"1 e3", std::nullopt},   {L" 0 ", 0},
        {L"\t0e0", 0},
    };
    ExpectReads(cases);
}

TEST(ParseNumber, SignsPointsAndDigits) {
    const ReadCase cases[] = {
        {L"-.5", -0.5},
        {L"+5.", 5},
        {L"-1.5e1", -15},
        {L"0.000", 0},
        {L"0.", 0},
        {L".", std::nullopt},
        {L"-", std::nullopt},
        {L"+", std::nullopt},
        {L"-.", std::nullopt},
        {L"+-1", std::nullopt},
        {L"--1", std::nullopt},
        {L"1.2.3", std::nullopt},
        {L"1..", std::nullopt},
        {L"0x10", std::nullopt},
        {L"inf", std::nullopt},
        {L"nan", std::nullopt},
        {L"-1.#IND", std::nullopt},
        {L"\uFF11", std::nullopt},
        {L"1\u0660", std::nullopt},
    };
    ExpectReads(cases);
}

TEST(ParseNumber, ExponentNeedsLetterAndDigits) {
    const ReadCase cases[] = {
        {L"1e+3", 1000},
        {L"1E-3", 0.001},
        {L"1d+3", 1000},
        {L"1D-3", 0.001},
        {L"1.e2", 100},
        {L".5e1", 5},
        {L"5e0", 5},
        {L"5e-0", 5},
        {L"1e0003", 1000},
        {L"1e-", std::nullopt},
        {L"1d", std::nullopt},
        {L"1D+", std::nullopt},
        {L"e3", std::nullopt},
        {L"1ee3", std::nullopt},
        {L"1e3.5", std::nullopt},
        {L"1e 3", std::nullopt},
        {L"1f3", std::nullopt},
        {L"1q3", std::nullopt},
        {L"1e+-3", std::nullopt},
    };
    ExpectReads(cases);
}

TEST(ParseNumber, RangeLimits) {
    const ReadCase cases[] = {
        {L"1.7976931348623157e308", kMax},
        {L"1.7976931348623158e308", kMax},
        {L"1.7976931348623159e308", kInf},
        {L"-1e400", -kInf},
        {L"1e99999999999999999999", kInf},
        {L"1.79769313486232e+308", kInf},
        {L"2.2250738585072014e-308", kMinNormal},
        {L"4.9406564584124654e-324", kMinSubnormal},
        {L"-4.94065645841247e-324", -kMinSubnormal},
        {L"3e-324", kMinSubnormal},
        {L"1e-310", 1e-310},
        {L"2e-324", std::nullopt},
        {L"-1e-400", std::nullopt},
        {L"1e-99999999999999999999", std::nullopt},
        // Zero, whatever the digits say, is a number when the text begins with '0'.
        {L"01e-400", 0},
        {L"0.1e-400", 0},
        {L"0e99999999999999999999", 0},
    };
    ExpectReads(cases);
}

TEST(ParseNumber, ReadsTheNearestDouble) {
    const ReadCase cases[] = {
        {L"0.1", 0.1},
        {L"0.30000000000000004", 0.30000000000000004},
        {L"9007199254740993", 9007199254740992.0},
        {L"9007199254740995", 9007199254740996.0},
        {L"123456789012345678901234567890", 123456789012345678901234567890.0},
        {L"2.4703282292062328e-324", kMinSubnormal},
    };
    ExpectReads(cases);
}

TEST(ParseNumber, ReadsOnlyTheFirst31Characters) {
    ASSERT_EQ(kMaxReadChars, 31u);
    // A 40-digit text reads as its first 31 digits.
    EXPECT_EQ(ParseNumber(L"1234567890123456789012345678901234567890"),
              1234567890123456789012345678901.0);
    const std::wstring thirtyOnes(30, L'1');
    const ReadCase cases[] = {
        {thirtyOnes + L"2", 1111111111111111111111111111112.0},
        {thirtyOnes + L"2x", 1111111111111111111111111111112.0},
        // The exponent's digits lie beyond the limit: a bare letter is left.
        {thirtyOnes + L"e5", std::nullopt},
        {L"1" + std::wstring(30, L' ') + L"x", 1},
        {std::wstring(31, L' ') + L"5", std::nullopt},
        {std::wstring(30, L'0') + L"15", 1},
        {L"." + std::wstring(29, L'0') + L"15", 1e-30},
        {L"-" + std::wstring(30, L'9') + L"-", -999999999999999999999999999999.0},
    };
    ExpectReads(cases);
}

// ---------------------------------------------------------------------------------------------
// Formatting

struct ShowCase {
    double value;
    std::string_view text;
};

void ExpectShown(std::span<const ShowCase> cases) {
    for (const ShowCase& c : cases) {
        const std::string narrow = Shown(c.value);
        EXPECT_EQ(narrow, c.text) << std::hexfloat << c.value;
        EXPECT_EQ(FormatNumber(c.value), std::wstring(c.text.begin(), c.text.end()))
            << std::hexfloat << c.value;
    }
}

TEST(FormatNumber, WorkedExamples) {
    volatile double one = 1, two = 2, three = 3, tenth = 0.1, fifth = 0.2;
    const ShowCase cases[] = {
        {1, "1"},
        {0.5, "0.5"},
        {-40, "-40"},
        {one / three, "0.333333333333333"},
        {two / three, "0.666666666666667"},
        {tenth + fifth, "0.3"},
        {671.6700000000001, "671.67"},
        {3.2808398950131235, "3.28083989501312"},
        {1.8000000000000682, "1.80000000000007"},
        {100000000000000, "100000000000000"},
        {999999999999999.9, "1e+015"},
        {1234567890123456, "1.23456789012346e+015"},
        {1234567890123445, "1.23456789012345e+015"},
        {1e21, "1e+021"},
        {0.0001, "0.0001"},
        {0.00009999, "9.999e-005"},
        {0.00001, "1e-005"},
        {5.684341886080802e-14, "5.6843418860808e-014"},
        {kMax, "1.79769313486232e+308"},
        {0, "0"},
        {kInf, "1.#INF"},
    };
    ExpectShown(cases);
}

TEST(FormatNumber, ChoosesTheFormByTheRoundedExponent) {
    const ShowCase cases[] = {
        {0.0001, "0.0001"},
        {std::nextafter(0.0001, 0.0), "0.0001"},
        {0.00009999999999999, "9.999999999999e-005"},
        {0.000123456789012345678, "0.000123456789012346"},
        {-0.000123456789012345678, "-0.000123456789012346"},
        {999999999999999.4, "999999999999999"},
        {999999999999999.5, "1e+015"},
        {999999999999999.9, "1e+015"},
        {-999999999999999.9, "-1e+015"},
        {1e15, "1e+015"},
        {99999999999999.94, "99999999999999.9"},
        {99999999999999.95, "100000000000000"},
        {123456789012345.6, "123456789012346"},
        {0.5e-4, "5e-005"},
        {1e100, "1e+100"},
        {1.5e-100, "1.5e-100"},
        {1e-10, "1e-010"},
        {12.5, "12.5"},
        {1000, "1000"},
        {1010.101, "1010.101"},
    };
    ExpectShown(cases);
}

TEST(FormatNumber, ExtremesSignsAndSpecialValues) {
    volatile double zero = 0, inf = kInf;
    const ShowCase cases[] = {
        {-kMax, "-1.79769313486232e+308"},
        {kMinNormal, "2.2250738585072e-308"},
        {-kMinNormal, "-2.2250738585072e-308"},
        {kMinSubnormal, "4.94065645841247e-324"},
        {-kMinSubnormal, "-4.94065645841247e-324"},
        {FromBits(0x000FFFFFFFFFFFFF), "2.2250738585072e-308"},
        {FromBits(0x0000000000000003), "1.48219693752374e-323"},
        {-0.0, "0"},
        {-kInf, "-1.#INF"},
        {inf * zero, "-1.#IND"},
        {inf - inf, "-1.#IND"},
        {std::numeric_limits<double>::quiet_NaN(), "-1.#IND"},
        {-std::numeric_limits<double>::quiet_NaN(), "-1.#IND"},
        {FromBits(0x7FF0000000000001), "-1.#IND"},
        {FromBits(0xFFFFFFFFFFFFFFFF), "-1.#IND"},
    };
    ExpectShown(cases);
    EXPECT_EQ(Shown(-kMax).size(), kMaxShownChars);
}

// The exact decimal digits of a finite positive double, from its bits, and the exponent of
// the first. A value m * 2^e is m * 2^e as an integer for e >= 0 and m * 5^-e / 10^-e below.
Decoded ExactDecimal(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    std::uint64_t m = bits & 0xFFFFFFFFFFFFF;
    int e = biased == 0 ? -1074 : biased - 1075;
    if (biased != 0)
        m |= std::uint64_t{1} << 52;
    // Little-endian limbs of nine decimal digits.
    std::vector<std::uint64_t> limbs{m % 1000000000, m / 1000000000 % 1000000000,
                                     m / 1000000000000000000};
    const auto multiply = [&](std::uint64_t factor) {
        std::uint64_t carry = 0;
        for (std::uint64_t& limb : limbs) {
            // Below 1e9 * 2^31 + carry: no overflow.
            const std::uint64_t product = limb * factor + carry;
            limb = product % 1000000000;
            carry = product / 1000000000;
        }
        for (; carry != 0; carry /= 1000000000)
            limbs.push_back(carry % 1000000000);
    };
    for (int k = e; k > 0; k -= std::min(k, 30))
        multiply(std::uint64_t{1} << std::min(k, 30));
    for (int k = -e; k > 0; k -= std::min(k, 13)) {
        std::uint64_t power = 1;
        for (int i = 0; i < std::min(k, 13); ++i)
            power *= 5;
        multiply(power);
    }
    std::string digits;
    for (auto limb = limbs.rbegin(); limb != limbs.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        digits += std::string(9 - part.size(), '0') + part;
    }
    digits.erase(0, digits.find_first_not_of('0'));
    Decoded d;
    d.exponent = static_cast<int>(digits.size()) - 1 + std::min(e, 0);
    digits.erase(digits.find_last_not_of('0') + 1);
    d.digits = digits;
    return d;
}

// The display rule applied literally to the exact digits: half up to 17, then half up to 15.
Decoded RoundTwice(Decoded exact) {
    for (const std::size_t keep : {std::size_t{17}, std::size_t{15}}) {
        std::string& digits = exact.digits;
        const bool up = digits.size() > keep && digits[keep] >= '5';
        digits.resize(keep, '0');
        if (!up)
            continue;
        std::size_t i = keep;
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i > 0) {
            ++digits[i - 1];
        } else {
            digits.insert(digits.begin(), '1');
            digits.resize(keep);
            ++exact.exponent;
        }
    }
    return exact;
}

void ExpectRuleDigits(double v) {
    const Decoded expected = RoundTwice(ExactDecimal(v));
    const Decoded shown = Decode(Shown(v));
    EXPECT_EQ(shown.digits, expected.digits) << std::hexfloat << v << " shown " << Shown(v);
    EXPECT_EQ(shown.exponent, expected.exponent) << std::hexfloat << v << " shown " << Shown(v);
}

TEST(FormatNumber, ExactDecimalReferenceKnowsItsValues) {
    EXPECT_EQ(ExactDecimal(0.1).digits, "1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(ExactDecimal(0.1).exponent, -1);
    EXPECT_EQ(ExactDecimal(std::ldexp(1.0, -25)).digits, "298023223876953125");
    EXPECT_EQ(ExactDecimal(1e21).digits, "1");
    EXPECT_EQ(ExactDecimal(1e21).exponent, 21);
    EXPECT_EQ(ExactDecimal(kMinSubnormal).exponent, -324);
    EXPECT_EQ(ExactDecimal(kMax).exponent, 308);
}

// A value whose exact decimal has 18 significant digits ending in 5 lies halfway between two
// 17-digit numbers; the rule rounds it up.
TEST(FormatNumber, SeventeenDigitTiesFromBitPatterns) {
    const struct {
        double value;
        std::string_view text;
    } named[] = {
        {1000000000000000.25, "1e+015"},
        {1000000000000000.75, "1e+015"},
        {std::ldexp(1.0, -25), "2.98023223876953e-008"},
        {std::ldexp(3.0, -25), "8.94069671630859e-008"},
    };
    for (const auto& c : named) {
        ASSERT_EQ(ExactDecimal(c.value).digits.size(), 18u) << c.text;
        EXPECT_EQ(Shown(c.value), c.text);
        ExpectRuleDigits(c.value);
    }

    // Odd mantissas times a power of two whose decimals have exactly 18 digits, small and
    // large mantissas alike.
    std::mt19937_64 random(18);
    int ties = 0;
    for (int attempt = 0; attempt < 400000 && ties < 2000; ++attempt) {
        const int bitsInMantissa = 1 + static_cast<int>(random() % 53);
        const std::uint64_t m = (random() >> (64 - bitsInMantissa)) | 1;
        const int e = -1 - static_cast<int>(random() % 60);
        const double v = std::ldexp(static_cast<double>(m), e);
        if (ExactDecimal(v).digits.size() != 18)
            continue;
        ++ties;
        ExpectRuleDigits(v);
        ExpectRuleDigits(-v);
    }
    EXPECT_GE(ties, 1000);
}

// Values at 16 and 17 digits ...49, ...50 and ...51, built by stepping from the decimal
// halfway point between two 15-digit numbers.
TEST(FormatNumber, FifteenDigitHalfwayNeighbourhoods) {
    std::mt19937_64 random(15);
    for (int i = 0; i < 3000; ++i) {
        const std::uint64_t digits = 100000000000000 + random() % 900000000000000;
        const int exponent = static_cast<int>(random() % 600) - 315;
        const std::wstring text = std::to_wstring(digits) + L"5e" + std::to_wstring(exponent);
        const std::optional<double> half = ParseNumber(text);
        ASSERT_TRUE(half.has_value());
        double v = *half;
        for (int k = 0; k < 4; ++k)
            v = std::nextafter(v, 0.0);
        for (int step = 0; step < 9; ++step, v = std::nextafter(v, kInf))
            ExpectRuleDigits(v);
    }
}

TEST(FormatNumber, RandomDoublesFollowTheExactRule) {
    std::mt19937_64 random(17);
    for (int i = 0; i < 20000; ++i) {
        const double v = FromBits(random() & 0x7FFFFFFFFFFFFFFF);
        if (!std::isfinite(v) || v == 0)
            continue;
        ExpectRuleDigits(v);
    }
}

// Formatting then reading gives a value that formats the same, for every double below the
// largest 15-digit text that still reads as finite.
TEST(FormatNumber, ShownTextsReadBack) {
    std::mt19937_64 random(31);
    const auto check = [](double v) {
        const std::string shown = Shown(v);
        const std::optional<double> read = ParseNumber(std::wstring(shown.begin(), shown.end()));
        ASSERT_TRUE(read.has_value()) << shown;
        EXPECT_EQ(Shown(*read), shown);
    };
    for (int i = 0; i < 100000; ++i) {
        const double v = FromBits(random());
        if (std::isfinite(v) && std::fabs(v) < 1.797693134862315e308)
            check(v);
        check(static_cast<double>(random() % 2000000) / 1000.0);
    }
    for (const double v : {0.0, -0.0, kMinSubnormal, -kMinSubnormal, kMinNormal, 1e-5, 1e15,
                           std::nextafter(1e15, 0.0), 1.797693134862314e308})
        check(v);
}

// The shown form of the largest doubles rounds above the largest double, so it reads back as
// infinity, which then shows as such.
TEST(FormatNumber, LargestDoublesReadBackAsInfinity) {
    EXPECT_EQ(ParseNumber(FormatNumber(kMax)), kInf);
    EXPECT_EQ(ParseNumber(FormatNumber(-kMax)), -kInf);
    EXPECT_EQ(ParseNumber(FormatNumber(kInf)), std::nullopt);
    EXPECT_EQ(ParseNumber(FormatNumber(std::numeric_limits<double>::quiet_NaN())), std::nullopt);
}

} // namespace
