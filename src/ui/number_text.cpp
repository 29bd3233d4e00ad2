#include "ui/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// A non-negative decimal number 0.d1d2d3... x 10^intDigits: digits starts with
// the first significant digit and has no trailing zeros; zero has no digits.
// intDigits counts the digits before the point (0 or less below 1).
struct Decimal {
    std::string digits;
    int intDigits = 0;
};

// Little-endian base-10^9 integer, just enough to expand a double exactly.
using BigNumber = std::vector<std::uint32_t>;
constexpr std::uint32_t LIMB_BASE = 1000000000;

void multiplyBy(BigNumber& number, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : number) {
        // limb < 10^9 and factor < 2^32, so the product fits in 64 bits.
        std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % LIMB_BASE);
        carry = product / LIMB_BASE;
    }
    for (; carry != 0; carry /= LIMB_BASE) {
        number.push_back(static_cast<std::uint32_t>(carry % LIMB_BASE));
    }
}

void multiplyByPower(BigNumber& number, std::uint32_t base, int exponent) {
    while (exponent > 0) {
        std::uint32_t factor = 1;
        for (; exponent > 0 && factor <= UINT32_MAX / base; --exponent) {
            factor *= base;
        }
        multiplyBy(number, factor);
    }
}

std::string decimalDigits(const BigNumber& number) {
    std::string text = std::to_string(number.back());
    for (auto limb = number.rbegin() + 1; limb != number.rend(); ++limb) {
        std::string part = std::to_string(*limb);
        text.append(9 - part.size(), '0');
        text += part;
    }
    return text;
}

void stripTrailingZeros(Decimal& number) {
    number.digits.erase(number.digits.find_last_not_of('0') + 1);
    if (number.digits.empty()) {
        number.intDigits = 0;
    }
}

// A finite double is mantissa x 2^exponent, so its decimal expansion is finite:
// mantissa x 2^exponent, or mantissa x 5^-exponent / 10^-exponent.
Decimal exactDecimal(double magnitude) {
    Decimal result;
    if (magnitude == 0) {
        return result;
    }
    int binaryExponent = 0;
    double fraction = std::frexp(magnitude, &binaryExponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    binaryExponent -= 53;
    for (; (mantissa & 1) == 0; mantissa >>= 1) {
        ++binaryExponent;
    }
    BigNumber number;
    for (; mantissa != 0; mantissa /= LIMB_BASE) {
        number.push_back(static_cast<std::uint32_t>(mantissa % LIMB_BASE));
    }
    int fractionDigits = 0;
    if (binaryExponent >= 0) {
        multiplyByPower(number, 2, binaryExponent);
    } else {
        multiplyByPower(number, 5, -binaryExponent);
        fractionDigits = -binaryExponent;
    }
    result.digits = decimalDigits(number);
    result.intDigits = static_cast<int>(result.digits.size()) - fractionDigits;
    stripTrailingZeros(result);
    return result;
}

enum class Rounding {
    HalfEven,      // the whole dropped tail counts; an exact half goes to even
    NextDigitOnly  // only the first dropped digit counts; 5 goes to even
};

// Keeps the first `keep` digits (none when keep <= 0) and rounds.
Decimal roundDecimal(const Decimal& number, int keep, Rounding rule) {
    if (keep >= static_cast<int>(number.digits.size())) {
        return number;
    }
    char firstDropped = keep >= 0 ? number.digits[keep] : '0';
    bool tailNonZero = number.digits.find_first_not_of('0', keep + 1) != std::string::npos;
    bool lastKeptOdd = keep > 0 && (number.digits[keep - 1] - '0') % 2 == 1;
    bool up = firstDropped > '5' ||
              (firstDropped == '5' && (lastKeptOdd || (rule == Rounding::HalfEven && tailNonZero)));
    Decimal result;
    if (keep <= 0) {
        if (up) {
            result.digits = "1";
            result.intDigits = number.intDigits - keep + 1;
        }
        return result;
    }
    result.digits = number.digits.substr(0, keep);
    result.intDigits = number.intDigits;
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && result.digits[i] == '9'; --i) {
            result.digits[i] = '0';
        }
        if (i < 0) {
            result.digits.insert(0, 1, '1');
            ++result.intDigits;
        } else {
            ++result.digits[i];
        }
    }
    stripTrailingZeros(result);
    return result;
}

// count digits starting at index `from` of the digits, zeros outside them.
std::string digitRange(const Decimal& number, int from, int count) {
    std::string text;
    for (int i = from; i < from + count; ++i) {
        bool inside = i >= 0 && i < static_cast<int>(number.digits.size());
        text += inside ? number.digits[i] : '0';
    }
    return text;
}

std::string integerPart(const Decimal& number) {
    return number.intDigits > 0 ? digitRange(number, 0, number.intDigits) : "0";
}

bool isDigitPosition(char c) {
    return c == '#' || c == '0';
}

// Fills the integer positions of the mask from the units leftwards.
std::string fillIntegerMask(const std::string& mask, const std::string& digits) {
    std::vector<std::string> pieces(mask.size());
    std::size_t remaining = digits.size();
    std::size_t leftmost = mask.size();
    for (std::size_t i = mask.size(); i-- > 0;) {
        if (!isDigitPosition(mask[i])) {
            pieces[i] = mask[i];
            continue;
        }
        leftmost = i;
        if (remaining > 0) {
            pieces[i] = digits[--remaining];
        } else if (mask[i] == '0') {
            pieces[i] = "0";
        }
    }
    std::string text;
    for (std::size_t i = 0; i <= mask.size(); ++i) {
        if (i == leftmost) {
            text += digits.substr(0, remaining);  // more digits than positions
        }
        if (i < mask.size()) {
            text += pieces[i];
        }
    }
    return text;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Inf" : "Inf";
}

}  // namespace

std::string formatNumber(double value, const std::string& mask) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    std::size_t point = mask.find('.');
    int decimals = 0;
    if (point != std::string::npos) {
        for (std::size_t i = point + 1; i < mask.size(); ++i) {
            decimals += isDigitPosition(mask[i]) ? 1 : 0;
        }
    }
    Decimal exact = exactDecimal(std::fabs(value));
    Decimal rounded = roundDecimal(exact, exact.intDigits + decimals, Rounding::HalfEven);

    std::string text = fillIntegerMask(mask.substr(0, point), integerPart(rounded));
    if (point != std::string::npos) {
        std::string fraction = digitRange(rounded, rounded.intDigits, decimals);
        std::size_t next = 0;
        text += '.';
        for (std::size_t i = point + 1; i < mask.size(); ++i) {
            text += isDigitPosition(mask[i]) ? fraction[next++] : mask[i];
        }
    }
    if (value < 0 && !rounded.digits.empty()) {
        std::size_t firstDigit = text.find_first_of("0123456789");
        text.insert(firstDigit == std::string::npos ? 0 : firstDigit, 1, '-');
    }
    return text;
}

std::string numberToText(double value) {
    std::string text = value < 0 ? "-" : " ";
    if (!std::isfinite(value)) {
        return std::isnan(value) ? " NaN" : text + "Inf";
    }
    Decimal rounded = roundDecimal(exactDecimal(std::fabs(value)), 7, Rounding::NextDigitOnly);
    if (rounded.digits.empty()) {
        return text + "0";
    }
    int exponent = rounded.intDigits - 1;
    int digitCount = static_cast<int>(rounded.digits.size());
    if (exponent >= -2 && exponent <= 6) {
        text += integerPart(rounded);
        if (digitCount > rounded.intDigits) {
            text += '.';
            text += digitRange(rounded, rounded.intDigits, digitCount - rounded.intDigits);
        }
        return text;
    }
    text += rounded.digits[0];
    if (digitCount > 1) {
        text += '.';
        text += rounded.digits.substr(1);
    }
    std::string exponentDigits = std::to_string(std::abs(exponent));
    if (exponentDigits.size() < 2) {
        exponentDigits.insert(0, 1, '0');
    }
    return text + 'E' + (exponent < 0 ? '-' : '+') + exponentDigits;
}

namespace {

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of c as a digit of base, or -1.
int digitValue(char c, int base) {
    int value = -1;
    if (isDecimalDigit(c)) {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

// Far beyond the double range in either direction, yet safe from overflow.
constexpr long long EXPONENT_LIMIT = 1000000;

void addSaturated(long long& total, long long step) {
    if (total + step <= EXPONENT_LIMIT && total + step >= -EXPONENT_LIMIT) {
        total += step;
    }
}

// The digits after '&'; text[i] is the character after the ampersand.
double readBasedInteger(const std::string& text, std::size_t i) {
    int bitsPerDigit = 3;
    if (i < text.size()) {
        switch (text[i]) {
            case 'B':
            case 'b':
                bitsPerDigit = 1;
                ++i;
                break;
            case 'H':
            case 'h':
                bitsPerDigit = 4;
                ++i;
                break;
            case 'O':
            case 'o':
            case 'Q':
            case 'q':
                ++i;
                break;
            default:
                break;
        }
    }
    int base = 1 << bitsPerDigit;
    std::uint64_t value = 0;
    long long droppedBits = 0;  // digits that no longer fit scale the kept ones
    for (; i < text.size(); ++i) {
        int digit = digitValue(text[i], base);
        if (digit < 0) {
            break;
        }
        if (droppedBits == 0 && value <= (UINT64_MAX - digit) >> bitsPerDigit) {
            value = (value << bitsPerDigit) | static_cast<unsigned>(digit);
        } else {
            addSaturated(droppedBits, bitsPerDigit);
            // A dropped digit that is not 0 still decides a tie when the kept
            // value is rounded to a double: it stands in as a sticky lowest
            // bit, far below the 53 that stay, since the kept value has at
            // least 60 bits by now.
            value |= digit != 0 ? 1 : 0;
        }
    }
    // ldexp gives HUGE_VAL beyond the range, without undefined behaviour.
    return std::ldexp(static_cast<double>(value), static_cast<int>(droppedBits));
}

constexpr int MAX_SIGNIFICANT_DIGITS = 18;
constexpr int MAX_EXPONENT = 9999;

double readDecimal(const std::string& text, std::size_t i) {
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint64_t mantissa = 0;  // at most 18 digits: below 10^18
    int kept = 0;
    long long scale = 0;  // the value is mantissa x 10^scale
    bool anyDigit = false;
    bool afterPoint = false;
    for (; i < text.size(); ++i) {
        if (text[i] == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (!isDecimalDigit(text[i])) {
            break;
        }
        anyDigit = true;
        int digit = text[i] - '0';
        if (kept == 0 && digit == 0) {
            // A leading zero: not significant, but it moves the point.
            if (afterPoint) {
                addSaturated(scale, -1);
            }
        } else if (kept < MAX_SIGNIFICANT_DIGITS) {
            mantissa = mantissa * 10 + static_cast<unsigned>(digit);
            ++kept;
            if (afterPoint) {
                addSaturated(scale, -1);
            }
        } else if (!afterPoint) {
            addSaturated(scale, 1);  // a dropped integer digit still counts
        }
    }
    if (anyDigit && i < text.size() && std::string("EeDd").find(text[i]) != std::string::npos) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        int exponent = 0;
        for (; i < text.size() && isDecimalDigit(text[i]); ++i) {
            exponent = std::min(exponent * 10 + (text[i] - '0'), MAX_EXPONENT);
        }
        addSaturated(scale, negativeExponent ? -exponent : exponent);
    }
    if (mantissa == 0) {
        return 0;
    }
    // Digits and exponent without a point, so the locale plays no part; strtod
    // rounds correctly and gives HUGE_VAL or 0 beyond the range.
    const std::string number = std::to_string(mantissa) + 'e' + std::to_string(scale);
    double value = std::strtod(number.c_str(), nullptr);
    return negative ? -value : value;
}

}  // namespace

double textToNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) {
        ++i;
    }
    if (i < text.size() && text[i] == '&') {
        return readBasedInteger(text, i + 1);
    }
    return readDecimal(text, i);
}
