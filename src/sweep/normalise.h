#pragma once
// Text normalisation for the sweep's caption test: the program's only
// case-insensitive comparison. A fixed table, whatever the locale, applied to
// the characters of the ANSI code page (ui/characters.h).
#include <cstddef>
#include <string>

// Drops spaces (0x20 only) at both ends and upper-cases a to z, plus, in a
// single-byte code page, seven bytes of the OEM letters: 0x81, 0x82, 0x84,
// 0x86, 0x87, 0x94, 0xA4. No byte of a character of two or more bytes changes.
std::string normaliseText(const std::string& text);

// The same into out, which has room for size bytes; returns the length written.
std::size_t normaliseBytes(const char* text, std::size_t size, char* out);
