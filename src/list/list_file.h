#pragma once
// The list file "brimlock.ini" in the current directory: one varn per line,
// CR LF line ends. A file that cannot be read gives an empty list. A save
// writes the whole new list into brimlock.ini.tmp and then renames that over
// the list file in one step, so that at every instant one of the two holds
// a whole list: the old one or the new one, never less. The save says what
// became of the list.

#include <cstddef>

#include "list/list_reader.h"
#include "platform/files.h"

extern const char* const LIST_FILE_NAME;

// What the last load made of the file. Unless it is Whole, the list in
// memory is not the file's list, and saving it would throw away what the load
// left out or could not convert.
extern ListFileRead listFileRead;

// What a save did: the list is now in the file, or why not. Whenever it is not
// Saved, brimlock.ini keeps its old content (short of a disk that also fails
// to take back, in place, bytes it held a moment before), or, after a replace
// that failed half way, is gone while brimlock.ini.tmp holds the new list.
enum class SaveResult {
    Saved,
    NotReadWhole,           // the last load did not read it whole: kept as it was
    NotInCodePage,          // UTF-16 with characters the code page lacks: kept as it was
    ReadOnly,               // the file is read-only
    CannotOpen,             // not opened for writing: another program holds it
    CannotCreate,           // missing, and the folder takes no new file
    TemporaryInTheWay,      // a brimlock.ini.tmp is there and cannot be replaced
    CannotCreateTemporary,  // brimlock.ini.tmp not created, though the folder takes files
    WriteFailed,            // a write, the cut or the flush failed (a full disk)
    ReplaceFailed,          // the new list could not be put in place: left in brimlock.ini.tmp
    TemporaryNotRenamed,    // missing, and brimlock.ini.tmp, which holds the list, not renamed
};

// Expects an empty list; fills varnList and varnCount from the file. When the
// file is missing and brimlock.ini.tmp is there, that one holds the list and
// is renamed to the list file first (read where it is, should that fail);
// otherwise a missing file is created empty. Reads it as readEntries does.
// One that another program holds is waited for about a second, then left
// Held, as is one whose open is refused as access denied.
void loadVarnList();
// While the list waits for a file held at start (Held) and has not been
// changed since: one attempt to read it, without waiting, that touches
// nothing else. True when the wait is over: listFileRead then says what the
// read made of the file, as after loadVarnList. Only a read that opens the
// file ends it; a missing or refused file keeps the list waiting.
bool readHeldListFile();
// Writes entries 1 to varnCount: into brimlock.ini.tmp, flushed, then renamed
// over the list file, which then keeps its hidden, system and not-indexed
// attributes and has the archive attribute. Each open and rename is tried
// again for about a second while another program holds the file.
// brimlock.ini.tmp is deleted only where brimlock.ini still holds a whole
// list. In place only in a folder that takes no new file, where a failure puts
// the old bytes back. *error (when given) says why an open or a rename failed.
SaveResult saveVarnList(FileError* error = nullptr);
