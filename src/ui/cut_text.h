#pragma once
// Text taken from a buffer the system filled, or put into a field of fixed
// size: it ends at its first NUL byte.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

// The text up to its first NUL byte, and at most limit bytes of it.
// (Built from pointer and size: the string_view constructor would bring the
// library's wide strings into the exe, 24 KB.)
inline std::string cutText(std::string_view text, std::size_t limit = std::string_view::npos) {
    return std::string(text.data(), std::min({text.find('\0'), limit, text.size()}));
}
