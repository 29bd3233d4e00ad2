#pragma once
// The number texts the user sees: a value formatted with a mask, a value as
// plain text, and text read as a number.
#include <string>

std::string formatNumber(double value, const std::string& mask);
std::string numberToText(double value);
double textToNumber(const std::string& text);
