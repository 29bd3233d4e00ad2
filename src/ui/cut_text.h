#pragma once
// Text taken from a buffer the system filled, or put into a field of fixed
// size: it ends at its first NUL byte.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "ui/characters.h"

// The text up to its first NUL byte, and at most limit bytes of it, cut
// before a character that the limit would split.
// (Built from pointer and size: the string_view constructor would bring the
// library's wide strings into the exe, 24 KB.)
inline std::string cutText(std::string_view text, std::size_t limit = std::string_view::npos) {
    const std::size_t size = std::min(text.find('\0'), text.size());
    return std::string(text.data(), characterCut(text.data(), size, limit));
}
