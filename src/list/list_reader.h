#pragma once
// Reading the list file's lines into varnList.
#include <cstddef>

#include "platform/files.h"

// The most bytes the entries may hold when loaded: far above any real list
// (1,000 captions of 255 bytes are 255 KB, and a line of megabytes still
// loads), low enough that no list file, however large, exhausts memory.
constexpr std::size_t MAX_LIST_BYTES_HELD = 64u << 20;

// What a read made of the file.
enum class ListFileRead {
    Whole,  // the list in memory is the file's
    // The list is not the file's whole list: a read failed part way (the
    // unfinished line is dropped, as it may be cut short), or the entries
    // would hold more than MAX_LIST_BYTES_HELD (the line that would pass it is
    // dropped, and nothing after it is read).
    NotWhole,
    // UTF-16 text with characters that the ANSI code page lacks: they stand
    // as its default character.
    NotInCodePage,
    // Not read at all: another program held the file (the load's open only).
    Held,
};

// The size of the byte-order mark that text starts with, 0 for none: FF FE or
// FE FF (UTF-16), or EF BB BF (UTF-8) where the ANSI code page is UTF-8.
std::size_t byteOrderMarkSize(const char* text, std::size_t size);

// Reads the open file from its start in pieces and adds each line that is not
// blank as an entry, moved into its slot so that it is held once. A line ends
// at CR, and one LF right after that CR belongs to the line end; any other LF
// is an ordinary byte. Stops at the end of the file or a Ctrl-Z, where the
// bytes after the last CR still form a line, and after the 1,000th entry: the
// lines past it are left out. A file that starts with a UTF-16 byte-order
// mark (FF FE or FE FF) is read as the text it holds, in the ANSI code page,
// by the same rules; any other file as its bytes. A UTF-8 mark is a mark where
// the ANSI code page is UTF-8, and otherwise part of the first varn.
ListFileRead readEntries(FileHandle file);
