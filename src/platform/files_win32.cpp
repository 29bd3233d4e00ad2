#include <windows.h>

#include <algorithm>

#include "platform/files.h"

namespace {

HANDLE toHandle(FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

// WriteFile and ReadFile take 32-bit counts.
constexpr std::size_t MAX_CHUNK = 1 << 20;

static_assert(HIDDEN_ATTRIBUTE == FILE_ATTRIBUTE_HIDDEN &&
                  SYSTEM_ATTRIBUTE == FILE_ATTRIBUTE_SYSTEM &&
                  ARCHIVE_ATTRIBUTE == FILE_ATTRIBUTE_ARCHIVE &&
                  NOT_INDEXED_ATTRIBUTE == FILE_ATTRIBUTE_NOT_CONTENT_INDEXED &&
                  NO_ATTRIBUTES == INVALID_FILE_ATTRIBUTES,
              "the portable attribute values are Windows' own");

FileError errorFrom(DWORD code) {
    switch (code) {
        case ERROR_SUCCESS:
            return FileError::None;
        case ERROR_ACCESS_DENIED:
            return FileError::AccessDenied;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return FileError::InUse;
        default:
            return FileError::Other;
    }
}

bool reportResult(bool succeeded, FileError* error) {
    if (error != nullptr) {
        *error = succeeded ? FileError::None : errorFrom(GetLastError());
    }
    return succeeded;
}

bool move(const std::string& from, const std::string& to, DWORD flags, FileError* error) {
    return reportResult(
        MoveFileExA(from.c_str(), to.c_str(), flags | MOVEFILE_WRITE_THROUGH) != FALSE, error);
}

}  // namespace

FileHandle openFile(const std::string& name, FileOpenMode mode, FileError* error) {
    DWORD access = 0;
    DWORD sharing = 0;
    DWORD creation = 0;
    switch (mode) {
        case FileOpenMode::EnsureExists:
            access = GENERIC_READ | GENERIC_WRITE;
            sharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
            creation = OPEN_ALWAYS;
            break;
        case FileOpenMode::Read:
        case FileOpenMode::ReadAlone:
            access = GENERIC_READ;
            sharing =
                mode == FileOpenMode::Read ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
            creation = OPEN_EXISTING;
            break;
        case FileOpenMode::Write:
            // Read as well: writing in place keeps the old bytes to put back.
            access = GENERIC_READ | GENERIC_WRITE;
            creation = OPEN_ALWAYS;
            break;
        case FileOpenMode::CreateTemporary:
            access = GENERIC_WRITE;
            creation = CREATE_ALWAYS;
            break;
    }
    HANDLE file = CreateFileA(name.c_str(), access, sharing, nullptr, creation,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    reportResult(file != INVALID_HANDLE_VALUE, error);
    return reinterpret_cast<FileHandle>(file);  // INVALID_HANDLE_VALUE is INVALID_FILE
}

bool readFile(FileHandle file, char* buffer, std::size_t size, std::size_t* got) {
    DWORD read = 0;
    const BOOL ok = ReadFile(toHandle(file), buffer, static_cast<DWORD>(std::min(size, MAX_CHUNK)),
                             &read, nullptr);
    *got = ok ? read : 0;
    return ok != FALSE;
}

bool writeFile(FileHandle file, const char* data, std::size_t size, std::size_t* written) {
    *written = 0;
    while (*written < size) {
        DWORD done = 0;
        const DWORD chunk = static_cast<DWORD>(std::min(size - *written, MAX_CHUNK));
        if (!WriteFile(toHandle(file), data + *written, chunk, &done, nullptr)) {
            return false;
        }
        *written += done;
        if (done != chunk) {
            return false;
        }
    }
    return true;
}

bool moveToStart(FileHandle file) {
    return SetFilePointer(toHandle(file), 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
}

bool cutFile(FileHandle file) {
    return SetEndOfFile(toHandle(file)) != FALSE;
}

bool flushFile(FileHandle file) {
    return FlushFileBuffers(toHandle(file)) != FALSE;
}

void closeFile(FileHandle file) {
    CloseHandle(toHandle(file));
}

bool fileExists(const std::string& name) {
    return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isReadOnlyFile(const std::string& name) {
    const DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::uint32_t fileAttributes(const std::string& name) {
    return GetFileAttributesA(name.c_str());
}

bool setFileAttributes(const std::string& name, std::uint32_t attributes) {
    return SetFileAttributesA(name.c_str(), attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL) !=
           FALSE;
}

// One rename, never ReplaceFileA: that moves the old file aside before it
// renames the new one, and a process that dies between the two leaves no list
// file.
bool replaceFile(const std::string& from, const std::string& to, FileError* error) {
    return move(from, to, MOVEFILE_REPLACE_EXISTING, error);
}

bool renameFile(const std::string& from, const std::string& to, FileError* error) {
    return move(from, to, 0, error);
}

bool deleteFile(const std::string& name) {
    return DeleteFileA(name.c_str()) != FALSE;
}

void pauseMilliseconds(unsigned milliseconds) {
    Sleep(milliseconds);
}
