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
