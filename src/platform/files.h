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
    ReadAlone,        // GENERIC_READ, share read, OPEN_EXISTING: no writer in meanwhile
    Write,            // GENERIC_READ | GENERIC_WRITE, no sharing, OPEN_ALWAYS
    CreateTemporary,  // GENERIC_WRITE, no sharing, CREATE_ALWAYS
};

// Why an open or a rename failed.
enum class FileError {
    None,
    // Refused access: the file's or the folder's permissions, a read-only
    // file, a folder that takes no new file, Windows' Controlled folder
    // access. A rename over a file that another program holds open is
    // refused the same way.
    AccessDenied,
    InUse,  // a sharing or lock violation: another program holds the file
    Other,
};

// *error (when given) says why the open failed, and None when it worked.
FileHandle openFile(const std::string& name, FileOpenMode mode, FileError* error = nullptr);
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

// File attributes, with Windows' values.
constexpr std::uint32_t HIDDEN_ATTRIBUTE = 0x2;
constexpr std::uint32_t SYSTEM_ATTRIBUTE = 0x4;
constexpr std::uint32_t ARCHIVE_ATTRIBUTE = 0x20;  // changed since the last backup
constexpr std::uint32_t NOT_INDEXED_ATTRIBUTE = 0x2000;
constexpr std::uint32_t NO_ATTRIBUTES = 0xFFFFFFFF;  // the file is missing
std::uint32_t fileAttributes(const std::string& name);
bool setFileAttributes(const std::string& name, std::uint32_t attributes);

// Puts `from` in place of the existing file `to` in one step, a rename that
// replaces it (MoveFileExA, written through): at every instant `to` holds the
// one file or the other. `from` keeps its own attributes and security, which
// the folder gave it when it was made. On failure neither file is changed,
// short of a file system that replaces in two steps and fails between them:
// `to` may then be gone, with `from` still in place.
bool replaceFile(const std::string& from, const std::string& to, FileError* error = nullptr);
// Renames `from` to `to`, which must not exist (MoveFileExA, written through).
bool renameFile(const std::string& from, const std::string& to, FileError* error = nullptr);
bool deleteFile(const std::string& name);
// Waits before a refused operation is tried again.
void pauseMilliseconds(unsigned milliseconds);
