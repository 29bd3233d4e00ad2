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

// Faults, each lasting until reset().
void refuseOpen(const std::string& name, FileOpenMode mode);
void failReadsAfter(std::size_t bytes);   // reads fail once this many bytes were read
void failWritesAfter(std::size_t bytes);  // writes stop after this many bytes in all
void refuseNewFiles();                    // the folder takes no new file
void refuseReplace();

std::size_t openHandleCount();
// Every operation in order, as "open brimlock.ini Write", "write 12", "close", ...
const std::vector<std::string>& calls();

}  // namespace fakefs
