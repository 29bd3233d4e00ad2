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

// The lead bytes of the double-byte code pages that Windows uses as ANSI
// code pages: Japanese, simplified Chinese, Korean, traditional Chinese.
bool isLeadByte(unsigned codePage, unsigned char byte) {
    switch (codePage) {
        case 932:
            return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        case 936:
        case 949:
        case 950:
            return byte >= 0x81 && byte <= 0xFE;
        default:
            return false;
    }
}
