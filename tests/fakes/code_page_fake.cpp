#include "platform/code_page.h"

// The fake code page holds U+0000 to U+00FF as the bytes of the same values.
bool appendInAnsiCodePage(const char16_t* text, std::size_t length, std::string& out) {
    bool exact = true;
    for (std::size_t i = 0; i < length; ++i) {
        exact = exact && text[i] <= 0xFF;
        out += text[i] <= 0xFF ? static_cast<char>(text[i]) : '?';
    }
    return exact;
}
