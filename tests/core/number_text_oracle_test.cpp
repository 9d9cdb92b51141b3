// FormatNumber against the C runtime of Windows: msvcrt.dll's "%.15g", loaded at run time so
// that no other printf stands in for it. Over a fixed set of doubles every text must be equal
// to the runtime's, except where the 17-digit rounding leaves "50" as digits 16 and 17: there
// our rule rounds up and the runtime may round down, and ours must be the text rounded up.

#include "framework/number_text.h"
#include "tests/core/shown_text.h"

#include <windows.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace {

using SnprintfFunction = int(__cdecl*)(char*, std::size_t, const char*, ...);

// Digits 16 and 17 of |v| rounded to 17 significant digits are "50".
bool EndsInFifty(double v) {
    std::array<char, 32> text{};
    std::to_chars(text.data(), text.data() + text.size(), std::fabs(v),
                  std::chars_format::scientific, 16);
    return text[16] == '5' && text[17] == '0';
}

// ours is theirs with the 15th digit one higher (carrying into a new first digit).
bool IsOneUnitAbove(const Decoded& ours, const Decoded& theirs) {
    constexpr std::uint64_t kSmallest = 100000000000000;
    constexpr std::uint64_t kLargest = 999999999999999;
    if (ours.negative != theirs.negative)
        return false;
    const std::uint64_t oursDigits = std::stoull(ours.digits);
    const std::uint64_t theirDigits = std::stoull(theirs.digits);
    if (theirDigits == kLargest)
        return oursDigits == kSmallest && ours.exponent == theirs.exponent + 1;
    return oursDigits == theirDigits + 1 && ours.exponent == theirs.exponent;
}

class Oracle {
public:
    explicit Oracle(SnprintfFunction snprintf) : m_snprintf(snprintf) {}

    void Compare(double v) {
        // Negative zero is left out: we show it as "0", which reads back; the runtime "-0".
        if (v == 0 && std::signbit(v))
            return;
        ++m_total;
        std::array<char, 64> theirs{};
        m_snprintf(theirs.data(), theirs.size() - 1, "%.15g", v);
        const std::wstring wide = FormatNumber(v);
        const std::string ours(wide.begin(), wide.end());
        if (ours == theirs.data()) {
            ++m_equal;
            return;
        }
        if (std::isfinite(v) && EndsInFifty(v) &&
            IsOneUnitAbove(Decode(ours), Decode(theirs.data()))) {
            ++m_roundedUp;
            return;
        }
        if (++m_different <= 20)
            std::printf("different: %a ours '%s' runtime '%s'\n", v, ours.c_str(), theirs.data());
    }

    int Report() const {
        std::printf("total %d, equal %d, rounded up where digits 16-17 are 50: %d, other "
                    "differences: %d\n",
                    m_total, m_equal, m_roundedUp, m_different);
        return m_different == 0 && m_total >= 1000000 ? 0 : 1;
    }

private:
    SnprintfFunction m_snprintf;
    int m_total = 0;
    int m_equal = 0;
    int m_roundedUp = 0;
    int m_different = 0;
};

double Parse(const std::string& text) {
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

// count doubles either side of v, v included.
template <typename F>
void AroundEach(double v, int count, F&& visit) {
    double below = v;
    for (int i = 0; i < count; ++i)
        below = std::nextafter(below, -std::numeric_limits<double>::infinity());
    for (int i = 0; i <= 2 * count;
         ++i, below = std::nextafter(below, std::numeric_limits<double>::infinity()))
        visit(below);
}

} // namespace

int main() {
    const HMODULE msvcrt = LoadLibraryW(L"msvcrt.dll");
    const FARPROC proc = msvcrt ? GetProcAddress(msvcrt, "_snprintf") : nullptr;
    if (!proc) {
        std::printf("msvcrt.dll _snprintf not found\n");
        return 1;
    }
    Oracle oracle(reinterpret_cast<SnprintfFunction>(reinterpret_cast<void*>(proc)));
    const auto compare = [&](double v) { oracle.Compare(v); };
    std::mt19937_64 random(20261211);

    // Random bit patterns over the whole finite range, subnormals included.
    for (int i = 0; i < 500000;) {
        const double v = std::bit_cast<double>(random());
        if (std::isfinite(v) && v != 0) {
            compare(v);
            ++i;
        }
    }

    // Short decimals, as typed or as conversions of them give.
    for (int i = 0; i < 150000; ++i) {
        const std::string text = std::to_string(random() % 10000000) + "e" +
                                 std::to_string(static_cast<int>(random() % 31) - 15);
        const double v = Parse(text);
        compare(v);
        compare(-v / 3);
    }

    // Where the form changes, and every power of ten.
    for (double edge : {0.0001, 0.00009999999999999995, 1e15, 999999999999999.5, 1e14})
        AroundEach(edge, 5000, compare);
    for (int exponent = -323; exponent <= 308; ++exponent)
        AroundEach(Parse("1e" + std::to_string(exponent)), 30, compare);

    // Around the halfway points between two 15-digit numbers.
    for (int i = 0; i < 12000; ++i) {
        const std::string text = std::to_string(100000000000000 + random() % 900000000000000) +
                                 "5e" + std::to_string(static_cast<int>(random() % 600) - 315);
        AroundEach(Parse(text), 8, compare);
    }

    // The largest and smallest doubles, and the values that are not numbers.
    volatile double zero = 0.0;
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                     std::numeric_limits<double>::denorm_min(), 0.0, inf, -inf, inf * zero})
        compare(v);

    return oracle.Report();
}
