#pragma once
// The list file "brimlock.ini" in the current directory: one varn per line,
// CR LF line ends. A file that cannot be read gives an empty list, one that
// cannot be written keeps its content; the save says what became of it.

#include <cstddef>

extern const char* const LIST_FILE_NAME;

// The most bytes the entries may hold when loaded: far above any real list
// (1,000 captions of 255 bytes are 255 KB, and a line of megabytes still
// loads), low enough that no list file, however large, exhausts memory.
constexpr std::size_t MAX_LIST_BYTES_HELD = 64u << 20;

// False when the last load could not read the whole file (it could not be
// opened for reading, a read failed part way, or the entries before the
// 1,000th would hold more than MAX_LIST_BYTES_HELD): the list in memory is
// then not the file's list, and saving it would throw away the entries never
// read.
extern bool listFileReadWhole;

// What a save did: the list is now in the file, or why not. Whenever it is not
// Saved the file keeps its old content (short of a disk that also fails to
// take back, in place, bytes it held a moment before).
enum class SaveResult {
    Saved,
    NotReadWhole,           // the last load did not read it whole: kept as it was
    ReadOnly,               // the file is read-only
    CannotOpen,             // not opened for writing: another program holds it
    CannotCreate,           // missing, and the folder takes no new file
    TemporaryInTheWay,      // a brimlock.ini.tmp is there and cannot be replaced
    CannotCreateTemporary,  // brimlock.ini.tmp not created, though the folder takes files
    WriteFailed,            // a write, the cut or the flush failed (a full disk)
    ReplaceFailed,          // the new file could not be put in place of the old
};

// Expects an empty list; fills varnList and varnCount from the file, creating
// the file empty when it is missing. Reads in pieces and holds each entry
// once; stops after the 1,000th entry.
void loadVarnList();
// Writes entries 1 to varnCount: into brimlock.ini.tmp, put in place of the
// list file only once every byte is written; in place only in a folder that
// takes no new file, where a failure puts the old bytes back.
SaveResult saveVarnList();
