#pragma once
// The file operations the list file needs. Every call reports failure through
// its result and never throws; callers decide what a failure means.
#include <cstddef>
#include <cstdint>
#include <string>

using FileHandle = std::intptr_t;
constexpr FileHandle INVALID_FILE = -1;

// The opens, in CreateFileA terms; every one uses FILE_ATTRIBUTE_NORMAL.
enum class FileOpenMode {
    EnsureExists,     // GENERIC_READ | GENERIC_WRITE, share read and write, OPEN_ALWAYS
    Read,             // GENERIC_READ, share read and write, OPEN_EXISTING
    Write,            // GENERIC_READ | GENERIC_WRITE, no sharing, OPEN_ALWAYS
    CreateTemporary,  // GENERIC_WRITE, no sharing, CREATE_ALWAYS
};

// On failure, *accessDenied (when given) tells a refusal of access (a folder
// that takes no new file, a read-only file) from every other cause.
FileHandle openFile(const std::string& name, FileOpenMode mode, bool* accessDenied = nullptr);
// Reads up to size bytes; *got is what arrived, 0 at the end of the file.
bool readFile(FileHandle file, char* buffer, std::size_t size, std::size_t* got);
// *written is what reached the file, which may be less than size on failure.
bool writeFile(FileHandle file, const char* data, std::size_t size, std::size_t* written);
bool moveToStart(FileHandle file);
// Cuts the file at the current position (SetEndOfFile).
bool cutFile(FileHandle file);
bool flushFile(FileHandle file);
void closeFile(FileHandle file);

bool fileExists(const std::string& name);
bool isReadOnlyFile(const std::string& name);
// Puts `from` in place of `to` (MoveFileExA, replacing and writing through).
bool replaceFile(const std::string& from, const std::string& to);
bool deleteFile(const std::string& name);
