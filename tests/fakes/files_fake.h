#pragma once
// Control of the in-memory file store behind platform/files.h in native tests.
// Opens follow Windows' rules closely enough for the list file: access against
// the read-only attribute, sharing between open handles, creation modes. As on
// Windows, a file that is made is marked for backup (archive).
#include <cstddef>
#include <string>
#include <vector>

#include "platform/files.h"

namespace fakefs {

void reset();
void setFile(const std::string& name, const std::string& bytes);
bool exists(const std::string& name);
std::string content(const std::string& name);
void setReadOnly(const std::string& name, bool readOnly);
std::vector<std::string> fileNames();

// Faults, each lasting until reset() or restart() unless said otherwise.
constexpr int ALWAYS = -1;
// The next `times` opens fail with this error (a sharing violation unless said).
void refuseOpen(const std::string& name, FileOpenMode mode, FileError error = FileError::InUse,
                int times = ALWAYS);
void failReadsAfter(std::size_t bytes);  // reads fail once this many bytes were read
// The disk has room for this many more bytes: a write that would grow the
// files past that stops there and fails. Overwriting bytes a file already has
// takes no room and still works.
void diskFullAfter(std::size_t bytes);
// A passing fault: the write that would carry the count of bytes written
// since reset() past this many stops there and fails; later writes work.
void failWriteAt(std::size_t bytes);
void failFlushes();
void failCuts();
void refuseNewFiles();  // the folder takes no new file: creating one is access denied
// The next `times` replaces and renames fail with this error and change nothing.
void refuseRenames(FileError error, int times = ALWAYS);
// The next replace fails half way, as one that is not a single step can: the
// file it replaces is gone, the new one keeps its own name.
void loseReplacedFileOnce();

// The process dies after its k-th file operation: every later one fails and
// changes nothing, so the files hold what the first k left.
void crashAfter(std::size_t operations);
bool crashed();
// A new process on the same files: no handle open, no fault, no crash.
void restart();

std::size_t openHandleCount();
// Every operation in order, as "open brimlock.ini Write", "write 12", "close",
// "pause 50", ...
const std::vector<std::string>& calls();

}  // namespace fakefs
