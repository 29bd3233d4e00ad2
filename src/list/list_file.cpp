#include "list/list_file.h"

#include <cstring>
#include <string>

#include "list/varn_list.h"
#include "platform/files.h"

const char* const LIST_FILE_NAME = "brimlock.ini";

namespace {

// The new content is written here first and put in place only when complete.
const char* const TEMPORARY_FILE_NAME = "brimlock.ini.tmp";
const char END_OF_FILE = 0x1A;  // Ctrl-Z

bool isBlankLine(const char* begin, const char* end) {
    for (const char* p = begin; p != end; ++p) {
        if (*p != ' ') {
            return false;
        }
    }
    return true;
}

void addLine(const char* begin, const char* end) {
    if (isBlankLine(begin, end) || varnCount >= MAX_VARNS) {
        return;  // lines past the 1,000th are left out
    }
    ++varnCount;
    varnList[varnCount].assign(begin, end);
}

// Reads until the end of the file or, when stopAtCtrlZ, the first Ctrl-Z.
// Returns false on a read error; content then holds what arrived before it.
bool readToEnd(FileHandle file, std::string& content, bool stopAtCtrlZ) {
    char chunk[64 * 1024];
    for (;;) {
        std::size_t got = 0;
        if (!readFile(file, chunk, sizeof chunk, &got)) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        const void* stop = stopAtCtrlZ ? std::memchr(chunk, END_OF_FILE, got) : nullptr;
        if (stop != nullptr) {
            content.append(chunk, static_cast<const char*>(stop) - chunk);
            return true;
        }
        content.append(chunk, got);
    }
}

// Adds the lines of content: a line ends at CR, and one LF right after that CR
// belongs to the line end; any other LF is an ordinary byte. keepLastLine
// says whether bytes after the last CR form a line.
void addLines(const std::string& content, bool keepLastLine) {
    const char* p = content.data();
    const char* const end = p + content.size();
    while (p != end) {
        const char* lineEnd = static_cast<const char*>(std::memchr(p, '\r', end - p));
        if (lineEnd == nullptr) {
            if (keepLastLine) {
                addLine(p, end);
            }
            return;
        }
        addLine(p, lineEnd);
        p = lineEnd + 1;
        if (p != end && *p == '\n') {
            ++p;
        }
    }
}

bool writeAll(FileHandle file, const std::string& content) {
    std::size_t written = 0;
    return writeFile(file, content.data(), content.size(), &written) && written == content.size();
}

// The way left in a folder that takes no new file. The old bytes are read
// first and put back when anything fails: overwriting bytes the file already
// has needs no room, so that works even on a full disk. The file is cut only
// where the new list is shorter, and only once all of it is written, so a
// failing cut never leaves it grown past the old list. Closes the file.
SaveResult writeInPlace(FileHandle listFile, const std::string& content) {
    std::string old;
    SaveResult result = SaveResult::WriteFailed;
    if (moveToStart(listFile) && readToEnd(listFile, old, false)) {
        if (moveToStart(listFile) && writeAll(listFile, content) &&
            (content.size() >= old.size() || cutFile(listFile)) && flushFile(listFile)) {
            result = SaveResult::Saved;
        } else {
            moveToStart(listFile);
            writeAll(listFile, old);
            cutFile(listFile);  // needed only where the new bytes went past the old end
            flushFile(listFile);
        }
    }
    closeFile(listFile);
    return result;
}

// A temporary file left by an earlier save that failed half way is
// replaced; one that cannot be (read-only, held open) is removed first.
FileHandle openTemporaryFile(bool* accessDenied) {
    FileHandle file = openFile(TEMPORARY_FILE_NAME, FileOpenMode::CreateTemporary, accessDenied);
    if (file == INVALID_FILE && fileExists(TEMPORARY_FILE_NAME) &&
        deleteFile(TEMPORARY_FILE_NAME)) {
        file = openFile(TEMPORARY_FILE_NAME, FileOpenMode::CreateTemporary, accessDenied);
    }
    return file;
}

std::string writtenForm() {
    std::size_t size = 0;
    for (int i = 1; i <= varnCount; ++i) {
        size += varnList[i].size() + 2;
    }
    std::string content;
    content.reserve(size);
    for (int i = 1; i <= varnCount; ++i) {
        content += varnList[i];
        content += "\r\n";
    }
    return content;
}

}  // namespace

void loadVarnList() {
    if (varnList.size() < MAX_VARNS + 1) {
        varnList.resize(MAX_VARNS + 1);
    }
    listFileReadWhole = true;

    // Creates the file, empty, when it is missing; leaves an existing one alone.
    FileHandle file = openFile(LIST_FILE_NAME, FileOpenMode::EnsureExists);
    if (file != INVALID_FILE) {
        closeFile(file);
    }

    file = openFile(LIST_FILE_NAME, FileOpenMode::Read);
    if (file == INVALID_FILE) {
        // A file that is there but could not be read (another program holds
        // it) must survive; a missing one has nothing to lose.
        listFileReadWhole = !fileExists(LIST_FILE_NAME);
        return;
    }
    std::string content;
    const bool readWhole = readToEnd(file, content, true);
    closeFile(file);
    // After a read error the unfinished last line may be cut short: keep only
    // lines whose end was seen, and keep the file from being overwritten.
    listFileReadWhole = readWhole;
    addLines(content, readWhole);
}

SaveResult saveVarnList() {
    if (!listFileReadWhole) {
        return SaveResult::NotReadWhole;
    }
    if (isReadOnlyFile(LIST_FILE_NAME)) {
        return SaveResult::ReadOnly;
    }
    const std::string content = writtenForm();

    // Held without sharing for the whole save, so no other program writes it
    // meanwhile; failing to open it (locked) leaves it as it was.
    FileHandle listFile = openFile(LIST_FILE_NAME, FileOpenMode::Write);
    if (listFile == INVALID_FILE) {
        // Missing still: the folder takes no file (the load could not make one).
        return fileExists(LIST_FILE_NAME) ? SaveResult::CannotOpen : SaveResult::CannotCreate;
    }

    bool accessDenied = false;
    FileHandle temporary = openTemporaryFile(&accessDenied);
    if (temporary == INVALID_FILE) {
        const bool inTheWay = fileExists(TEMPORARY_FILE_NAME);
        if (accessDenied && !inTheWay) {
            return writeInPlace(listFile, content);  // the folder takes no new file
        }
        // Any other cause may pass; writing in place would risk the list for nothing.
        closeFile(listFile);
        return inTheWay ? SaveResult::TemporaryInTheWay : SaveResult::CannotCreateTemporary;
    }

    const bool complete = writeAll(temporary, content) && flushFile(temporary);
    closeFile(temporary);
    // The rename cannot replace a file that is still open.
    closeFile(listFile);
    if (!complete) {
        deleteFile(TEMPORARY_FILE_NAME);
        return SaveResult::WriteFailed;
    }
    if (!replaceFile(TEMPORARY_FILE_NAME, LIST_FILE_NAME)) {
        deleteFile(TEMPORARY_FILE_NAME);
        return SaveResult::ReplaceFailed;
    }
    return SaveResult::Saved;
}
