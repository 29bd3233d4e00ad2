#include <windows.h>

#include <algorithm>

#include "platform/files.h"

namespace {

HANDLE toHandle(FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

// WriteFile and ReadFile take 32-bit counts.
constexpr std::size_t MAX_CHUNK = 1 << 20;

// The attributes a replaced list file keeps: those a user sets on a file.
constexpr DWORD KEPT_ATTRIBUTES = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_SYSTEM;

std::string fullPath(const std::string& name) {
    char path[MAX_PATH];
    const DWORD length = GetFullPathNameA(name.c_str(), MAX_PATH, path, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : name;
}

}  // namespace

FileHandle openFile(const std::string& name, FileOpenMode mode, bool* accessDenied) {
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
            access = GENERIC_READ;
            sharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
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
    if (accessDenied != nullptr) {
        *accessDenied = file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED;
    }
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

// ReplaceFileA gives the new file the old one's attributes (hidden, not
// indexed, ...) and security, where a rename would leave the new file's own.
// It needs full paths (Wine's fails on relative ones) and a file to replace;
// where there is none, or it fails, the rename does the job. Wine's drops the
// hidden attribute all the same, so the old attributes are set again where
// they differ.
bool replaceFile(const std::string& from, const std::string& to) {
    const DWORD attributes = GetFileAttributesA(to.c_str());
    const bool replaced = attributes != INVALID_FILE_ATTRIBUTES &&
                          ReplaceFileA(fullPath(to).c_str(), fullPath(from).c_str(), nullptr,
                                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE;
    if (!replaced && MoveFileExA(from.c_str(), to.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == FALSE) {
        return false;
    }
    const DWORD kept = attributes & KEPT_ATTRIBUTES;
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (GetFileAttributesA(to.c_str()) & KEPT_ATTRIBUTES) != kept) {
        SetFileAttributesA(to.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
    }
    return true;
}

bool deleteFile(const std::string& name) {
    return DeleteFileA(name.c_str()) != FALSE;
}
