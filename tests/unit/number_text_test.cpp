#include "ui/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double INF = std::numeric_limits<double>::infinity();
const std::string NUL(1, '\0');

struct TextCase {
    double value;
    const char* text;
};

// Values are the single-precision numbers the program holds, widened exactly.
const TextCase MASK_CASES[] = {
    {0, "0.0"},
    {0.4f, "0.4"},
    {2, "2.0"},
    {6, "6.0"},
    {5.96f, "6.0"},
    {59.99f, "60.0"},
    {60, "60.0"},
    {123.45f, "123.4"},  // held as 123.4499969...
    {12345, "12345.0"},
    // Exact halves go to the even digit.
    {7.25f, "7.2"},
    {7.75f, "7.8"},
    {0.25f, "0.2"},
    {0.75f, "0.8"},
    // Just below or above a half: the whole expansion decides.
    {5.35f, "5.3"},    // 5.3499999...
    {2.55f, "2.5"},    // 2.5499999...
    {0.05f, "0.1"},    // 0.0500000007...
    {99.95f, "99.9"},  // 99.9499969...
    // Carries into new integer digits.
    {9.96f, "10.0"},
    {99.96f, "100.0"},  // 99.9599990...: 5 then non-zero digits
    {12345678, "12345678.0"},
    // Negative values: the sign sits before the first digit; a value that
    // rounds to zero shows no sign.
    {-5, "-5.0"},
    {-123.45f, "-123.4"},
    {-0.04f, "0.0"},
    {-0.0, "0.0"},
    // Non-finite values have names.
    {INF, "Inf"},
    {-INF, "-Inf"},
    {std::nan(""), "NaN"},
};

TEST(FormatNumber, BothProgramMasks) {
    for (const TextCase& c : MASK_CASES) {
        EXPECT_EQ(c.text, formatNumber(c.value, "###0.0")) << c.value;
        EXPECT_EQ(c.text, formatNumber(c.value, "##.0")) << c.value;
    }
}

TEST(FormatNumber, ZeroPositionsPadAndHashPositionsDoNot) {
    EXPECT_EQ("0005.0", formatNumber(5, "0000.0"));
    EXPECT_EQ("-0005.0", formatNumber(-5, "0000.0"));
    EXPECT_EQ("0.4", formatNumber(0.4f, ".0"));  // at least one integer digit
    EXPECT_EQ("2", formatNumber(2.5, "#"));      // no point: a whole number, half to even
    EXPECT_EQ("4", formatNumber(3.5, "0"));
    EXPECT_EQ("7.250", formatNumber(7.25f, "#.000"));
    EXPECT_EQ("$12345.0", formatNumber(12345, "$#0.0"));
}

TEST(FormatNumber, UsesTheExactExpansionOfWholeDoubles) {
    // 0.15 is held as 0.1499999999999999944...; so is 1e300's long tail of digits.
    EXPECT_EQ("0.1", formatNumber(0.15, "#.0"));
    EXPECT_EQ("0.2", formatNumber(0.25, "#.0"));
    std::string big = formatNumber(1e300, "##.0");
    ASSERT_EQ(303u, big.size());
    EXPECT_EQ("1000000000000000052504760255204420248704468581108159", big.substr(0, 52));
    EXPECT_EQ(".0", big.substr(301));
    std::string largest = formatNumber(DBL_MAX, "##.0");
    EXPECT_EQ(311u, largest.size());
    EXPECT_EQ("17976931348623157", largest.substr(0, 17));
    EXPECT_EQ("0.0", formatNumber(std::numeric_limits<double>::denorm_min(), "##.0"));
    EXPECT_EQ("0.0", formatNumber(-DBL_MIN, "##.0"));
}

// Seven significant digits, a leading space for the sign of a positive value,
// and the exponent form beyond the plain range.
TEST(NumberToText, SevenDigitsThenTheExponentForm) {
    const TextCase cases[] = {
        // The values the program shows.
        {6, " 6"},
        {2.5, " 2.5"},
        {2.55f, " 2.55"},           // 2.5499999523: the 8th digit 9 rounds up
        {12.345678, " 12.34568"},   // as a double
        {12.345678f, " 12.34568"},  // and as the float 12.3456783
        {59.99f, " 59.99"},
        {7.1f, " 7.1"},
        {60, " 60"},
        {2, " 2"},
        {-6, "-6"},
        {-2.5, "-2.5"},
        {0, " 0"},
        {-0.0, " 0"},
        // The eighth digit alone decides the rounding.
        {1234564.4, " 1234564"},
        {1234564.6, " 1234565"},
        {1234564.5, " 1234564"},   // 5 after an even digit keeps
        {1234565.5, " 1234566"},   // 5 after an odd digit rounds up
        {1234564.51, " 1234564"},  // digits after the 5 are not looked at
        {1.23456650000001, " 1.234566"},
        {1.23456750000001, " 1.234568"},
        {999999.95, " 999999.9"},  // held as 999999.9499999...
        // Small and large magnitudes.
        {0.5, " 0.5"},
        {0.01, " 0.01"},
        {0.0123456789, " 0.01234568"},
        {0.0099999999, " 0.01"},  // rounds up into the plain range
        {0.001, " 1E-03"},
        {-0.0025, "-2.5E-03"},
        {1234567, " 1234567"},
        {9999999.5, " 1E+07"},  // the carry makes an 8th integer digit
        {12345678, " 1.234568E+07"},
        {1.5e8, " 1.5E+08"},
        {1e300, " 1E+300"},
        {DBL_MAX, " 1.797693E+308"},
        {std::numeric_limits<double>::denorm_min(), " 4.940656E-324"},
        {INF, " Inf"},
        {-INF, "-Inf"},
        {std::nan(""), " NaN"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(c.text, numberToText(c.value)) << c.value;
    }
}

struct ReadCase {
    std::string text;
    double value;
};

// Reads what it can and stops at the first byte that does not fit.
TEST(TextToNumber, DecimalNumbersAndBasedIntegers) {
    const ReadCase cases[] = {
        {"10", 10},
        {"  5", 5},
        {"3.7", 3.7},
        {".5", 0.5},
        {"12abc", 12},
        {"1,5", 1},
        {"abc", 0},
        {"", 0},
        {"-5", -5},
        {"1e1", 10},
        {"-", 0},
        {" \t5", 5},
        {"\n\n 7", 7},
        {"\r5", 0},  // only spaces, tabs and line feeds are skipped
        {"+.5", 0.5},
        {"-.5e1", -5},
        {"5.", 5},
        {".", 0},
        {"1.2.3", 1.2},
        {"- 5", 0},
        {"+-5", 0},
        {"1e", 1},
        {"1e+", 1},
        {"2.5D2", 250},
        {"2.5d-1", 0.25},
        {"1E+2x", 100},
        {"e5", 0},
        {"0.005", 0.005},
        {"000123", 123},
        {"-0", 0},
        {"12" + NUL + "3", 12},  // a NUL ends the number
        {NUL + "5", 0},
        // Integers in bases 16, 8 and 2.
        {"&H1F", 31},
        {"&h1f", 31},
        {" &H10", 16},
        {"&HFFFF", 65535},
        {"&HG", 0},
        {"&H", 0},
        {"&O17", 15},
        {"&o17", 15},
        {"&Q17", 15},
        {"&q17", 15},
        {"&17", 15},  // a bare ampersand reads octal from the next character
        {"&18", 1},
        {"&9", 0},
        {"&", 0},
        {"&B101", 5},
        {"&b102", 2},
        {"-&H10", 0},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
        {"&H10000000000000000", 18446744073709551616.0},  // one digit beyond 64 bits
        {"&H10" + NUL + "1", 16},
        // Out of range: infinity or zero.
        {"1e9999", INF},
        {"-1e9999", -INF},
        {"1e99999999999999999999", INF},
        {"1e-9999", 0},
        {"&H1" + std::string(300, '0'), INF},
        {"&B" + std::string(2000, '1'), INF},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(c.value, textToNumber(c.text)) << '"' << c.text.substr(0, 30) << '"';
    }
}

TEST(TextToNumber, KeepsEighteenSignificantDigits) {
    // The 19-digit text lies just above the tie between two doubles; cut to 18
    // digits it is the exact tie, which rounds to the even neighbour.
    EXPECT_EQ(9007199254740992.0, textToNumber("9007199254740993.001"));
    EXPECT_EQ(9007199254740994.0, textToNumber("9007199254740993.01"));
    // Dropped integer digits still count as tens.
    EXPECT_EQ(1.23456789012345678e21, textToNumber("1234567890123456789999"));
}

// Digits beyond 64 bits are dropped, but one that is not 0 still breaks a
// tie in the rounding to double. (Found by the fuzz target.)
TEST(TextToNumber, DroppedDigitsStillRoundTheValue) {
    EXPECT_EQ(std::ldexp(1.0, 67) + std::ldexp(1.0, 15), textToNumber("&H80000000000004001"));
    EXPECT_EQ(std::ldexp(1.0, 67), textToNumber("&H80000000000004000"));
    EXPECT_EQ(std::ldexp(1.0, 66) + std::ldexp(1.0, 14), textToNumber("&O10000000000000000020001"));
    EXPECT_EQ(6.4016573885583706e+32, textToNumber("&H1F90071000925480bbbbbbbbbbbbzb"));
}

TEST(TextToNumber, ExponentIsCappedAt9999) {
    std::string tiny = "0." + std::string(9700, '0') + "1";  // 1e-9701
    EXPECT_EQ(1e298, textToNumber(tiny + "e10005"));
    std::string huge = "1" + std::string(9700, '0');  // 1e9700
    EXPECT_EQ(1e-299, textToNumber(huge + "e-10005"));
}

TEST(TextToNumber, HugeTextsStayBounded) {
    const std::size_t megabytes = 4 << 20;
    EXPECT_EQ(INF, textToNumber(std::string(megabytes, '9')));
    EXPECT_EQ(-INF, textToNumber("-" + std::string(megabytes, '9')));
    EXPECT_EQ(INF, textToNumber("&H" + std::string(megabytes, 'F')));
    EXPECT_EQ(1, textToNumber(std::string(megabytes, '0') + "1"));
    EXPECT_EQ(0, textToNumber("0." + std::string(megabytes, '0') + "1"));
    EXPECT_EQ(5, textToNumber(std::string(megabytes, ' ') + "5"));
    // Enough leading fraction zeros to saturate the scale, then a large exponent.
    EXPECT_EQ(0, textToNumber("." + std::string(megabytes, '0') + "1e9999"));
    EXPECT_EQ(0, textToNumber(std::string(megabytes, '.')));
}

}  // namespace
