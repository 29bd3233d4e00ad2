#include <windows.h>

#include "platform/code_page.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16");

unsigned ansiCodePageNumber() {
    return GetACP();
}

bool isLeadByte(unsigned codePage, unsigned char byte) {
    return IsDBCSLeadByteEx(codePage, byte) != FALSE;
}

bool appendInAnsiCodePage(const char16_t* text, std::size_t length, std::string& out) {
    if (length == 0) {
        return true;
    }
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text);
    const int count = static_cast<int>(length);
    // With UTF-8 as the ANSI code page every character has a form, and the
    // used-default flag must not be asked for; only a lone surrogate fails.
    // WC_ERR_INVALID_CHARS is taken only with the code page named CP_UTF8.
    const bool utf8 = GetACP() == CP_UTF8;
    const UINT codePage = utf8 ? CP_UTF8 : CP_ACP;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const usedDefaultFlag = utf8 ? nullptr : &usedDefault;
    int size = WideCharToMultiByte(codePage, flags, wide, count, nullptr, 0, nullptr, nullptr);
    bool exact = size > 0;
    if (!exact) {  // a lone surrogate in UTF-8: converted with stand-ins all the same
        size = WideCharToMultiByte(codePage, 0, wide, count, nullptr, 0, nullptr, nullptr);
    }
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(size));
    const int written = WideCharToMultiByte(codePage, exact ? flags : 0, wide, count, &out[start],
                                            size, nullptr, exact ? usedDefaultFlag : nullptr);
    out.resize(start + static_cast<std::size_t>(written > 0 ? written : 0));
    return exact && written > 0 && !usedDefault;
}
