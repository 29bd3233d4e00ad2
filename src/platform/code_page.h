#pragma once
// The system's ANSI code page, the form every text of the program takes.
#include <cstddef>
#include <string>

// Appends UTF-16 text in the ANSI code page. False when a character has no
// exact form there: it is appended as the code page's default character, and
// never as a look-alike (best fit) that would change what a varn matches.
bool appendInAnsiCodePage(const char16_t* text, std::size_t length, std::string& out);
