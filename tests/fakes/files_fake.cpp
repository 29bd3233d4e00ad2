#include "fakes/files_fake.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

namespace {

constexpr std::size_t NO_LIMIT = static_cast<std::size_t>(-1);

struct StoredFile {
    std::string bytes;
    bool readOnly = false;
    std::uint32_t attributes = 0;  // the others
};

struct OpenFile {
    std::string name;
    FileOpenMode mode;
    std::size_t position = 0;
};

struct Store {
    std::map<std::string, StoredFile> files;
    std::map<FileHandle, OpenFile> open;
    FileHandle nextHandle = 100;
    std::map<std::pair<std::string, FileOpenMode>, std::pair<FileError, int>> refusedOpens;
    std::size_t readLimit = NO_LIMIT;
    std::size_t room = NO_LIMIT;          // bytes the files may still grow by
    std::size_t writeFaultAt = NO_LIMIT;  // the passing fault, until it has struck
    std::size_t bytesRead = 0;
    std::size_t bytesWritten = 0;
    bool flushesFail = false;
    bool cutsFail = false;
    bool newFilesRefused = false;
    FileError renameError = FileError::None;
    int renamesRefused = 0;  // ALWAYS for every one
    bool loseReplacedFile = false;
    std::size_t crashAt = NO_LIMIT;  // operations before the process dies
    bool crashed = false;
    std::vector<std::string> calls;
};

Store store;

const char* modeName(FileOpenMode mode) {
    switch (mode) {
        case FileOpenMode::EnsureExists:
            return "EnsureExists";
        case FileOpenMode::Read:
            return "Read";
        case FileOpenMode::ReadAlone:
            return "ReadAlone";
        case FileOpenMode::Write:
            return "Write";
        case FileOpenMode::CreateTemporary:
            return "CreateTemporary";
    }
    return "?";
}

bool writes(FileOpenMode mode) {
    return mode != FileOpenMode::Read && mode != FileOpenMode::ReadAlone;
}

// Whether a handle open in the one mode lets an open in the other in: Read and
// EnsureExists share read and write, ReadAlone read only, Write and
// CreateTemporary nothing.
bool lets(FileOpenMode open, FileOpenMode other) {
    return open == FileOpenMode::Read || open == FileOpenMode::EnsureExists ||
           (open == FileOpenMode::ReadAlone && !writes(other));
}

bool sharingAllows(const std::string& name, FileOpenMode mode) {
    for (const auto& [handle, file] : store.open) {
        if (file.name == name && (!lets(file.mode, mode) || !lets(mode, file.mode))) {
            return false;
        }
    }
    return true;
}

// Counts and records an operation; false when the process has died before it.
bool operate(const std::string& call) {
    if (store.crashed || store.calls.size() >= store.crashAt) {
        store.crashed = true;
        return false;
    }
    store.calls.push_back(call);
    return true;
}

void setError(FileError* error, FileError value) {
    if (error != nullptr) {
        *error = value;
    }
}

// Whether a fault that strikes `times` more times (ALWAYS: each time) is due; counts it.
bool strikes(int& times) {
    if (times == 0) {
        return false;
    }
    times -= times == fakefs::ALWAYS ? 0 : 1;
    return true;
}

// A refused rename, while one is due.
bool renameRefused(FileError* error) {
    if (!strikes(store.renamesRefused)) {
        return false;
    }
    setError(error, store.renameError);
    return true;
}

bool readOnly(const std::string& name) {
    const auto it = store.files.find(name);
    return it != store.files.end() && it->second.readOnly;
}

bool isOpen(const std::string& name) {
    return std::any_of(store.open.begin(), store.open.end(),
                       [&](const auto& entry) { return entry.second.name == name; });
}

OpenFile* find(FileHandle handle) {
    auto it = store.open.find(handle);
    return it == store.open.end() ? nullptr : &it->second;
}

}  // namespace

namespace fakefs {

void reset() {
    store = Store();
}

void restart() {
    Store next;
    next.files = std::move(store.files);
    store = std::move(next);
}

void setFile(const std::string& name, const std::string& bytes) {
    store.files[name].bytes = bytes;
}

bool exists(const std::string& name) {
    return store.files.count(name) != 0;
}

std::string content(const std::string& name) {
    auto it = store.files.find(name);
    return it == store.files.end() ? std::string() : it->second.bytes;
}

void setReadOnly(const std::string& name, bool readOnly) {
    store.files[name].readOnly = readOnly;
}

std::vector<std::string> fileNames() {
    std::vector<std::string> names;
    for (const auto& entry : store.files) {
        names.push_back(entry.first);
    }
    return names;
}

void refuseOpen(const std::string& name, FileOpenMode mode, FileError error, int times) {
    store.refusedOpens[{name, mode}] = {error, times};
}

void failReadsAfter(std::size_t bytes) {
    store.readLimit = bytes;
}

void diskFullAfter(std::size_t bytes) {
    store.room = bytes;
}

void failWriteAt(std::size_t bytes) {
    store.writeFaultAt = bytes;
}

void failFlushes() {
    store.flushesFail = true;
}

void failCuts() {
    store.cutsFail = true;
}

void refuseNewFiles() {
    store.newFilesRefused = true;
}

void refuseRenames(FileError error, int times) {
    store.renameError = error;
    store.renamesRefused = times;
}

void loseReplacedFileOnce() {
    store.loseReplacedFile = true;
}

void crashAfter(std::size_t operations) {
    store.crashAt = operations;
}

bool crashed() {
    return store.crashed;
}

std::size_t openHandleCount() {
    return store.open.size();
}

const std::vector<std::string>& calls() {
    return store.calls;
}

}  // namespace fakefs

FileHandle openFile(const std::string& name, FileOpenMode mode, FileError* error) {
    setError(error, FileError::Other);
    if (!operate("open " + name + " " + modeName(mode))) {
        return INVALID_FILE;
    }
    const bool present = store.files.count(name) != 0;
    const auto refused = store.refusedOpens.find({name, mode});
    if (refused != store.refusedOpens.end() && strikes(refused->second.second)) {
        setError(error, refused->second.first);
        return INVALID_FILE;
    }
    if (!sharingAllows(name, mode)) {
        setError(error, FileError::InUse);
        return INVALID_FILE;
    }
    if (present && writes(mode) && readOnly(name)) {
        setError(error, FileError::AccessDenied);
        return INVALID_FILE;
    }
    if (!present) {
        if (!writes(mode)) {
            return INVALID_FILE;
        }
        if (store.newFilesRefused) {
            setError(error, FileError::AccessDenied);
            return INVALID_FILE;
        }
        store.files[name] = StoredFile();
    }
    setError(error, FileError::None);
    if (mode == FileOpenMode::CreateTemporary || !present) {
        store.files[name].bytes.clear();
        store.files[name].attributes |= ARCHIVE_ATTRIBUTE;
    }
    const FileHandle handle = store.nextHandle++;
    store.open[handle] = OpenFile{name, mode, 0};
    return handle;
}

bool readFile(FileHandle handle, char* buffer, std::size_t size, std::size_t* got) {
    *got = 0;
    OpenFile* file = find(handle);
    if (!operate("read") || file == nullptr || store.bytesRead >= store.readLimit) {
        return false;
    }
    const std::string& bytes = store.files[file->name].bytes;
    std::size_t count = std::min(size, bytes.size() - std::min(file->position, bytes.size()));
    count = std::min(count, store.readLimit - store.bytesRead);
    std::memcpy(buffer, bytes.data() + file->position, count);
    file->position += count;
    store.bytesRead += count;
    *got = count;
    return true;
}

bool writeFile(FileHandle handle, const char* data, std::size_t size, std::size_t* written) {
    *written = 0;
    OpenFile* file = find(handle);
    if (!operate("write " + std::to_string(size)) || file == nullptr || !writes(file->mode)) {
        return false;
    }
    std::string& bytes = store.files[file->name].bytes;
    const std::size_t overwritten =
        std::min(size, bytes.size() - std::min(file->position, bytes.size()));
    std::size_t count = overwritten + std::min(size - overwritten, store.room);
    if (store.writeFaultAt != NO_LIMIT && store.bytesWritten + count > store.writeFaultAt) {
        count = store.writeFaultAt - std::min(store.bytesWritten, store.writeFaultAt);
        store.writeFaultAt = NO_LIMIT;
    }
    if (count > overwritten) {
        store.room -= std::min(store.room, count - overwritten);
    }
    if (file->position == bytes.size()) {
        bytes.append(data, count);
    } else {
        bytes.resize(std::max(bytes.size(), file->position + count));
        bytes.replace(file->position, count, data, count);
    }
    file->position += count;
    store.bytesWritten += count;
    *written = count;
    return count == size;
}

bool moveToStart(FileHandle handle) {
    OpenFile* file = find(handle);
    if (!operate("move to start")) {
        return false;
    }
    if (file != nullptr) {
        file->position = 0;
    }
    return file != nullptr;
}

bool cutFile(FileHandle handle) {
    OpenFile* file = find(handle);
    if (!operate("cut") || file == nullptr || !writes(file->mode) || store.cutsFail) {
        return false;
    }
    store.files[file->name].bytes.resize(file->position);
    return true;
}

bool flushFile(FileHandle handle) {
    return operate("flush") && find(handle) != nullptr && !store.flushesFail;
}

// A handle is let go even by a process that dies.
void closeFile(FileHandle handle) {
    if (store.open.erase(handle) != 0) {
        operate("close");
    }
}

bool fileExists(const std::string& name) {
    return operate("exists " + name) && store.files.count(name) != 0;
}

bool isReadOnlyFile(const std::string& name) {
    return operate("read-only " + name) && readOnly(name);
}

std::uint32_t fileAttributes(const std::string& name) {
    const auto it = store.files.find(name);
    return operate("attributes " + name) && it != store.files.end() ? it->second.attributes
                                                                    : NO_ATTRIBUTES;
}

bool setFileAttributes(const std::string& name, std::uint32_t attributes) {
    const auto it = store.files.find(name);
    const bool set = operate("set attributes " + name) && it != store.files.end();
    if (set) {
        it->second.attributes = attributes;
    }
    return set;
}

namespace {

// A replace needs `to` there, a rename needs it gone; either is refused, as
// on Windows, while one of the files is open or `to` is read-only.
bool move(const std::string& from, const std::string& to, bool replace, FileError* error) {
    setError(error, FileError::Other);
    if (!operate((replace ? "replace " : "rename ") + from + " " + to) || renameRefused(error) ||
        store.files.count(from) == 0 || store.files.count(to) != (replace ? 1u : 0u)) {
        return false;
    }
    if (isOpen(from) || isOpen(to) || readOnly(to)) {
        setError(error, FileError::AccessDenied);
        return false;
    }
    if (replace && store.loseReplacedFile) {
        store.loseReplacedFile = false;
        store.files.erase(to);
        return false;
    }
    store.files[to] = std::move(store.files[from]);
    store.files.erase(from);
    setError(error, FileError::None);
    return true;
}

}  // namespace

bool replaceFile(const std::string& from, const std::string& to, FileError* error) {
    return move(from, to, true, error);
}

bool renameFile(const std::string& from, const std::string& to, FileError* error) {
    return move(from, to, false, error);
}

// As on Windows, a read-only file or one that is open cannot be deleted.
bool deleteFile(const std::string& name) {
    if (!operate("delete " + name) || isOpen(name) || readOnly(name)) {
        return false;
    }
    return store.files.erase(name) != 0;
}

void pauseMilliseconds(unsigned milliseconds) {
    operate("pause " + std::to_string(milliseconds));
}
