#pragma once
// textToNumber written out the slow, obvious way: every digit of the text
// gathered first, then cut to what counts, then one correctly rounding
// conversion by the C library. Good for texts shorter than a million bytes,
// where no count of digits comes near the limits the fast reader guards.
#include <algorithm>
#include <cstdlib>
#include <string>

namespace numberref {

// The value of c as a digit of base, or -1.
inline int digitOf(char c, int base) {
    const std::string digits = "0123456789abcdef";
    const char lower = c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
    const std::size_t at = digits.find(lower);
    return at != std::string::npos && static_cast<int>(at) < base ? static_cast<int>(at) : -1;
}

// The digits after '&' as bits, then as a hexadecimal literal for strtod.
inline double basedInteger(const std::string& text, std::size_t i) {
    int bitsPerDigit = 3;
    if (i < text.size()) {
        const char c = text[i];
        if (c == 'B' || c == 'b') {
            bitsPerDigit = 1;
        } else if (c == 'H' || c == 'h') {
            bitsPerDigit = 4;
        }
        if (std::string("BbHhOoQq").find(c) != std::string::npos) {
            ++i;
        }
    }
    std::string bits;
    for (; i < text.size(); ++i) {
        const int digit = digitOf(text[i], 1 << bitsPerDigit);
        if (digit < 0) {
            break;
        }
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit) {
            bits += (digit >> bit) & 1 ? '1' : '0';
        }
    }
    bits.erase(0, bits.find('1'));
    if (bits.empty()) {
        return 0;
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string literal = "0x";
    for (std::size_t k = 0; k < bits.size(); k += 4) {
        literal += "0123456789abcdef"[std::stoi(bits.substr(k, 4), nullptr, 2)];
    }
    return std::strtod((literal + "p0").c_str(), nullptr);
}

inline double decimal(const std::string& text, std::size_t i) {
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string digits;
    long long beforePoint = -1;  // digits before the point, once one is seen
    for (; i < text.size(); ++i) {
        if (text[i] == '.' && beforePoint < 0) {
            beforePoint = static_cast<long long>(digits.size());
        } else if (text[i] >= '0' && text[i] <= '9') {
            digits += text[i];
        } else {
            break;
        }
    }
    if (beforePoint < 0) {
        beforePoint = static_cast<long long>(digits.size());
    }
    long long exponent = 0;
    if (!digits.empty() && i < text.size() &&
        std::string("EeDd").find(text[i]) != std::string::npos) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        std::string exponentDigits;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            exponentDigits += text[i];
        }
        exponentDigits.erase(0, exponentDigits.find_first_not_of('0'));
        exponent = exponentDigits.size() > 4 ? 9999
                   : exponentDigits.empty()  ? 0
                                             : std::min(std::stoll(exponentDigits), 9999LL);
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    // The value is 0.<digits> x 10^(beforePoint + exponent); the first 18
    // significant digits count, the rest are dropped.
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) {
        return 0;
    }
    const long long point = beforePoint - static_cast<long long>(firstSignificant) + exponent;
    const std::string kept = digits.substr(firstSignificant, 18);
    const std::string literal =
        "0." + kept + "e" + std::to_string(point);  // strtod reads '.' in the C locale
    const double value = std::strtod(literal.c_str(), nullptr);
    return negative ? -value : value;
}

inline double textToNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) {
        ++i;
    }
    if (i < text.size() && text[i] == '&') {
        return basedInteger(text, i + 1);
    }
    return decimal(text, i);
}

}  // namespace numberref
