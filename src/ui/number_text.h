#pragma once
// The number texts the user sees: a value formatted with a mask, a value as
// plain text, and text read as a value. Callers hold their numbers in single
// precision and pass them widened to double, so the digits are judged on the
// exact decimal expansion of the value received.
#include <string>

// Mask characters: '#' and '0' are digit positions, the first '.' is the
// decimal point; any other character is printed where it stands. The value is
// rounded to as many decimals as the mask has digit positions after the point,
// half to even on its exact expansion. Integer digits fill the positions from
// the units leftwards: a spare '0' prints 0, a spare '#' nothing, and digits
// beyond the positions are printed in front. The result is never padded, always
// shows at least one integer digit, and has a minus sign before its first
// digit when the rounded value is negative and not zero. Infinities and NaN
// give "Inf", "-Inf" and "NaN".
std::string formatNumber(double value, const std::string& mask);

// A space for a value that is not negative, a minus sign otherwise, then the
// value with 7 significant digits: no trailing zeros, no point for a whole
// number. The 8th significant digit alone decides the rounding: above 5 up,
// below 5 down, 5 up only when the 7th digit is odd. Magnitudes from 0.01 up
// to (not including) 10000000 are written plainly, a value below 1 with a 0
// before the point (" 0.5"); others in exponent form (" 1.5E+08",
// "-2.5E-03"), which keeps every written digit significant. Zero is " 0";
// infinities and NaN give " Inf", "-Inf" and " NaN".
std::string numberToText(double value);

// Skips leading spaces, tabs and line feeds, then reads either an unsigned
// integer after '&' (&H/&h hexadecimal, &O/&o/&Q/&q octal, &B/&b binary, '&'
// followed by anything else octal from that character) or a decimal number:
// optional sign, digits with an optional point, optional exponent (E, e, D or
// d, optional sign, capped at +/-9999). The first 18 significant digits count;
// reading stops at the first character that does not fit, a NUL byte included.
// Text without digits gives 0. Never fails: a value beyond the double range
// gives +/-infinity (HUGE_VAL), so it stays above or below any bound it is
// checked against after narrowing to float; one too small to represent gives
// 0. Work is linear in the length of the text.
double textToNumber(const std::string& text);
