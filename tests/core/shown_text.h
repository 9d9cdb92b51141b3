#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Shown number texts taken apart, for the tests that compare them digit by digit.

// 15 significant digits and the exponent of the first, as a shown text spells them.
struct Decoded {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

inline Decoded Decode(std::string_view text) {
    Decoded d;
    if (!text.empty() && text[0] == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('e');
    int exponent = 0;
    if (e != std::string_view::npos) {
        exponent = std::stoi(std::string(text.substr(e + 1)));
        text = text.substr(0, e);
    }
    const std::size_t point = text.find('.');
    const int whole = static_cast<int>(point == std::string_view::npos ? text.size() : point);
    int leadingZeros = 0;
    for (char c : text) {
        if (c == '.')
            continue;
        if (d.digits.empty() && c == '0')
            ++leadingZeros;
        else
            d.digits += c;
    }
    d.exponent = d.digits.empty() ? 0 : whole - 1 - leadingZeros + exponent;
    d.digits.resize(15, '0');
    return d;
}
