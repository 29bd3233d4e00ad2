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

unsigned ansiCodePageNumber() {
    return 1252;
}

// As in Japanese Windows; no other code page has lead bytes here.
bool isLeadByte(unsigned codePage, unsigned char byte) {
    return codePage == 932 && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
}
