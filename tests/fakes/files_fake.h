#pragma once
// Control of the in-memory file store behind platform/files.h in native tests.
// Opens follow Windows' rules closely enough for the list file: access against
// the read-only attribute, sharing between open handles, creation modes.
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

// Faults, each lasting until reset() unless said otherwise.
// The open fails for a cause other than access (as a sharing violation does).
void refuseOpen(const std::string& name, FileOpenMode mode);
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
void refuseReplace();

std::size_t openHandleCount();
// Every operation in order, as "open brimlock.ini Write", "write 12", "close", ...
const std::vector<std::string>& calls();

}  // namespace fakefs
