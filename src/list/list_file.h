#pragma once
// The list file "brimlock.ini" in the current directory: one varn per line,
// CR LF line ends. Neither operation reports anything; a file that cannot be
// read gives an empty list, one that cannot be written keeps its content.

extern const char* const LIST_FILE_NAME;

// False when the last load could not read the whole file (it could not be
// opened for reading, or a read failed part way): the list in memory is then
// not the file's list, and saving it would throw away the entries never read.
extern bool listFileReadWhole;

// Expects an empty list; fills varnList and varnCount from the file, creating
// the file empty when it is missing.
void loadVarnList();
// Writes entries 1 to varnCount; the file is replaced only once every byte
// of the new content is written.
void saveVarnList();
