#pragma once
// How the ANSI code page makes characters of bytes. Text is held as that code
// page's bytes; wherever the program changes or cuts text, it works on whole
// characters, so that no byte of one character is taken for another.
#include <array>
#include <cstddef>

struct TextCodePage {
    enum class Form {
        SingleByte,  // every byte a character (1252 and the like)
        DoubleByte,  // a lead byte and the byte after it are one character (932, 936, 949, 950)
        Utf8,        // every byte from 0x80 up is part of a character beyond ASCII
    };
    Form form = Form::SingleByte;
    std::array<bool, 256> leadByte{};  // DoubleByte: the bytes that begin a two-byte character
};

// The process's, read once at start; single-byte until then.
extern TextCodePage textCodePage;

// The code page of that number, as the platform describes it.
TextCodePage describeCodePage(unsigned number);

// Upper-cases a to z into out, which has room for size bytes, character by
// character: a byte that is part of a character of two or more bytes is left
// as it is, and so is a lead byte at the very end. With withOemLetters, in a
// single-byte code page only, seven bytes more: 0x81, 0x82, 0x84, 0x86,
// 0x87, 0x94 and 0xA4 become 0x9A, 0x90, 0x8E, 0x8F, 0x80, 0x99 and 0xA5.
void upperCaseLetters(const char* text, std::size_t size, char* out, bool withOemLetters);

// The most bytes, at most limit, that text can be cut to without splitting a
// character: a cut that would fall inside one ends before it.
std::size_t characterCut(const char* text, std::size_t size, std::size_t limit);
