#pragma once
// The varns: entries 1 to varnCount of varnList, slot 0 unused, entries above
// the count empty. Texts are stored exactly as they came in.
#include <cstdint>
#include <string>
#include <vector>

constexpr int MAX_VARNS = 1000;

extern std::vector<std::string> varnList;  // MAX_VARNS + 1 slots once allocated
extern std::int16_t varnCount;
// Set by every add, edit and removal: the list then differs from what was
// loaded, and losing it at exit would lose the user's work.
extern bool varnListChanged;

// The lowest entry number among all MAX_VARNS slots whose text equals text
// exactly, or 0. Slots past varnCount take part: the empty text finds the
// first free slot.
int findVarn(const std::string& text);

// Sort entries 1 to varnCount. Adding uses the case-sensitive ordering (bytes
// compared unsigned, so every upper-case letter before every lower-case one);
// removing and editing fold a to z to upper case (letters that are characters
// of their own, never a byte of a longer character), so the six characters
// from '[' to '`' come after the letters. Entries that compare equal keep their
// order.
void sortVarnsCaseSensitive();
void sortVarnsFolded();
// An entry as the folding ordering compares it.
std::string foldedForOrder(const std::string& text);

// The text without its trailing spaces (byte 0x20 only): what is tested for
// emptiness in the user's input.
std::string withoutTrailingSpaces(const std::string& text);
