#pragma once
// The system's ANSI code page, the form every text of the program takes.
#include <cstddef>
#include <string>

constexpr unsigned CODE_PAGE_UTF8 = 65001;

// The number of the process's ANSI code page.
unsigned ansiCodePageNumber();
// Whether byte begins a two-byte character in that code page.
bool isLeadByte(unsigned codePage, unsigned char byte);

// Appends UTF-16 text in the ANSI code page. False when a character has no
// exact form there: it is appended as the code page's default character, and
// never as a look-alike (best fit) that would change what a varn matches.
bool appendInAnsiCodePage(const char16_t* text, std::size_t length, std::string& out);
