#include "fakes/files_fake.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <utility>

namespace {

constexpr std::size_t NO_LIMIT = static_cast<std::size_t>(-1);

struct StoredFile {
    std::string bytes;
    bool readOnly = false;
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
    std::set<std::pair<std::string, FileOpenMode>> refusedOpens;
    std::size_t readLimit = NO_LIMIT;
    std::size_t room = NO_LIMIT;          // bytes the files may still grow by
    std::size_t writeFaultAt = NO_LIMIT;  // the passing fault, until it has struck
    std::size_t bytesRead = 0;
    std::size_t bytesWritten = 0;
    bool flushesFail = false;
    bool cutsFail = false;
    bool newFilesRefused = false;
    bool replaceRefused = false;
    std::vector<std::string> calls;
};

Store store;

const char* modeName(FileOpenMode mode) {
    switch (mode) {
        case FileOpenMode::EnsureExists:
            return "EnsureExists";
        case FileOpenMode::Read:
            return "Read";
        case FileOpenMode::Write:
            return "Write";
        case FileOpenMode::CreateTemporary:
            return "CreateTemporary";
    }
    return "?";
}

bool writes(FileOpenMode mode) {
    return mode != FileOpenMode::Read;
}

// Read and EnsureExists share read and write; Write and CreateTemporary share nothing.
bool sharesWithOthers(FileOpenMode mode) {
    return mode == FileOpenMode::Read || mode == FileOpenMode::EnsureExists;
}

bool sharingAllows(const std::string& name, FileOpenMode mode) {
    for (const auto& [handle, file] : store.open) {
        if (file.name == name && (!sharesWithOthers(file.mode) || !sharesWithOthers(mode))) {
            return false;
        }
    }
    return true;
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

void refuseOpen(const std::string& name, FileOpenMode mode) {
    store.refusedOpens.insert({name, mode});
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

void refuseReplace() {
    store.replaceRefused = true;
}

std::size_t openHandleCount() {
    return store.open.size();
}

const std::vector<std::string>& calls() {
    return store.calls;
}

}  // namespace fakefs

FileHandle openFile(const std::string& name, FileOpenMode mode, bool* accessDenied) {
    store.calls.push_back("open " + name + " " + modeName(mode));
    bool denied = false;
    if (accessDenied == nullptr) {
        accessDenied = &denied;
    }
    *accessDenied = false;
    const bool present = store.files.count(name) != 0;
    if (store.refusedOpens.count({name, mode}) != 0 || !sharingAllows(name, mode)) {
        return INVALID_FILE;
    }
    if (present && writes(mode) && store.files[name].readOnly) {
        *accessDenied = true;
        return INVALID_FILE;
    }
    if (!present) {
        if (mode == FileOpenMode::Read) {
            return INVALID_FILE;
        }
        if (store.newFilesRefused) {
            *accessDenied = true;
            return INVALID_FILE;
        }
        store.files[name] = StoredFile();
    }
    if (mode == FileOpenMode::CreateTemporary) {
        store.files[name].bytes.clear();
    }
    const FileHandle handle = store.nextHandle++;
    store.open[handle] = OpenFile{name, mode, 0};
    return handle;
}

bool readFile(FileHandle handle, char* buffer, std::size_t size, std::size_t* got) {
    *got = 0;
    OpenFile* file = find(handle);
    if (file == nullptr || store.bytesRead >= store.readLimit) {
        store.calls.push_back("read failed");
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
    if (file == nullptr || !writes(file->mode)) {
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
    store.calls.push_back("write " + std::to_string(count));
    return count == size;
}

bool moveToStart(FileHandle handle) {
    OpenFile* file = find(handle);
    if (file != nullptr) {
        file->position = 0;
    }
    return file != nullptr;
}

bool cutFile(FileHandle handle) {
    OpenFile* file = find(handle);
    if (file == nullptr || !writes(file->mode) || store.cutsFail) {
        store.calls.push_back("cut failed");
        return false;
    }
    store.calls.push_back("cut " + file->name);
    store.files[file->name].bytes.resize(file->position);
    return true;
}

bool flushFile(FileHandle handle) {
    return find(handle) != nullptr && !store.flushesFail;
}

void closeFile(FileHandle handle) {
    if (store.open.erase(handle) != 0) {
        store.calls.push_back("close");
    }
}

bool fileExists(const std::string& name) {
    return store.files.count(name) != 0;
}

bool isReadOnlyFile(const std::string& name) {
    auto it = store.files.find(name);
    return it != store.files.end() && it->second.readOnly;
}

bool replaceFile(const std::string& from, const std::string& to) {
    store.calls.push_back("replace " + from + " " + to);
    auto source = store.files.find(from);
    const bool busy = std::any_of(store.open.begin(), store.open.end(), [&](const auto& entry) {
        return entry.second.name == from || entry.second.name == to;
    });
    if (store.replaceRefused || source == store.files.end() || busy || isReadOnlyFile(to)) {
        return false;
    }
    store.files[to] = std::move(source->second);
    store.files.erase(from);
    return true;
}

// As on Windows, a read-only file or one that is open cannot be deleted.
bool deleteFile(const std::string& name) {
    store.calls.push_back("delete " + name);
    const bool open = std::any_of(store.open.begin(), store.open.end(),
                                  [&](const auto& entry) { return entry.second.name == name; });
    if (open || isReadOnlyFile(name)) {
        return false;
    }
    return store.files.erase(name) != 0;
}
